// Saved games: the .gme file, saving the game in progress, restoring it.
#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "players/Player.h"
#include "players/SavedGame.h"
#include "puzzle/GridDoc.h"
#include "tests/support/PlayerFixtures.h"
#include "tests/support/PuzzleFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

using testing_support::MessageRecorder;
using testing_support::PlayerFolders;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

CSavedGame::CellList Board(std::initializer_list<std::array<int, 3>> cells) {
    CSavedGame::CellList list;
    for (const auto& c : cells)
        list.push_back(std::make_unique<CGridCell>(c[0], c[1], c[2]));
    return list;
}

std::vector<int> States(const CSavedGame::CellList& cells) {
    std::vector<int> states;
    for (const auto& c : cells)
        states.push_back(c->state);
    return states;
}

int FilesIn(const std::string& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

// Ann, her folders and the message boxes.
struct AnnsGames : ::testing::Test {
    PlayerFolders folders;
    MessageRecorder boxes;
    CPlayer p;
    AnnsGames() {
        p.name = "Ann";
        p.fileName = "Ann0.ply";
    }
};

} // namespace

TEST(SavedGameFile, WriteAndReadRestoresStatesAndMarkedList) {
    PlayerFolders folders;
    MessageRecorder boxes;
    CSavedGame g("Game 7", "70.gme", "seven");
    auto saved = Board({{0, 0, 2}, {1, 0, 1}, {2, 0, 0}, {0, 1, 2}});
    ASSERT_TRUE(g.Write(folders.Games(), "Ann", 11, 12, saved));
    EXPECT_EQ(ReadBytes(folders.GameFile("70.gme")),
              fixtures::Bars("Game 7|seven|Ann|11|12|Start Grid|0|0|2|1|0|1|2|0|0|0|1|2|End Grid"));

    CGridDoc doc;
    for (auto [c, r] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}})
        doc.AddCell(c, r);
    doc.GetMarkedTrueList().push_back("9,9"); // not emptied first
    int first = 0, second = 0;
    CSavedGame back("", "70.gme", "");
    ASSERT_TRUE(back.Read(folders.Games(), first, second, doc.GetCells(), doc.GetMarkedTrueList()));
    EXPECT_EQ(back.title, "Game 7");
    EXPECT_EQ(back.puzzleBase, "seven");
    EXPECT_EQ(first, 11);
    EXPECT_EQ(second, 12);
    EXPECT_EQ(States(doc.GetCells()), (std::vector<int>{2, 1, 0, 2}));
    EXPECT_EQ(doc.GetMarkedTrueList(), (CGridDoc::KeyList{"9,9", "0,0", "0,1"}));
    // The restored board goes on toggling as the player left it.
    EXPECT_TRUE(doc.ToggleCell(0, 0));
    EXPECT_EQ(doc.GetMarkedTrueList(), (CGridDoc::KeyList{"9,9", "0,1"}));
    EXPECT_EQ(boxes.count(), 0u);
}

// Damaged files restore what they have, on a board of three empty cells.
TEST(SavedGameFile, OddAndCutOffFilesRestoreWhatTheyHave) {
    PlayerFolders folders;
    MessageRecorder boxes;
    // What comes back: the states, the marked list, the two integers.
    const struct {
        const char *what, *got;
        std::string bytes;
    } cases[] = {
        {"a missing cell changes nothing but is still marked", "1 0 0|5,5|1 2",
         fixtures::Bars("T|b|Ann|1|2|Start Grid|5|5|2|0|0|1|7|7|1|End Grid")},
        {"without Start Grid only the integers come back", "0 0 0||41 0",
         fixtures::Bars("T|b|Ann|41|x|Grid|0|0|2|End Grid")},
        {"two whole triples, then one cut off after its row", "2 1 0|0,0|1 2",
         fixtures::Bars("T|b|Ann|1|2|Start Grid|0|0|2|1|0|1|2|0")},
        {"states that are not marks are ignored", "0 0 0||0 0",
         fixtures::Bars("T|b|Ann|0|0|Start Grid|0|0|7|1|0|-1|End Grid")},
        {"an empty file (a reserved name never written)", "0 0 0||0 0", ""},
    };
    for (const auto& c : cases) {
        WriteBytes(folders.GameFile("g.gme"), c.bytes);
        auto cells = Board({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
        CSavedGame::KeyList marked;
        int first = 9, second = 9;
        CSavedGame g("T", "g.gme", "b");
        ASSERT_TRUE(g.Read(folders.Games(), first, second, cells, marked)) << c.what;
        std::string got;
        for (int state : States(cells))
            got += (got.empty() ? "" : " ") + std::to_string(state);
        got += "|";
        for (const std::string& key : marked)
            got += key + (&key == &marked.back() ? "" : " ");
        got += "|" + std::to_string(first) + " " + std::to_string(second);
        EXPECT_EQ(got, c.got) << c.what;
        EXPECT_EQ(g.title + g.puzzleBase, "Tb") << c.what; // the entry keeps its texts
    }
    EXPECT_EQ(boxes.count(), 0u);
}

TEST(SavedGameFile, MissingOrUnsafeFileGivesTheReadMessage) {
    PlayerFolders folders;
    MessageRecorder boxes;
    CSavedGame::CellList cells;
    CSavedGame::KeyList marked;
    int first = 0, second = 0;
    CSavedGame g("T", "none.gme", "b");
    EXPECT_FALSE(g.Read(folders.Games(), first, second, cells, marked));
    EXPECT_EQ(boxes.last().text,
              "Unable to read " + folders.GameFile("none.gme") + " because of error 2.");
    WriteBytes(folders.Data() + "x.gme", fixtures::Bars("T|b|Ann|1|2"));
    g.fileName = "../x.gme";
    EXPECT_FALSE(g.Read(folders.Games(), first, second, cells, marked));
    EXPECT_EQ(boxes.last().text,
              "Unable to read " + folders.Games() + "../x.gme because of error 3.");
    EXPECT_FALSE(g.Write(folders.Games(), "Ann", 0, 0, cells));
    EXPECT_EQ(boxes.last().text,
              "Unable to save " + folders.Games() + "../x.gme because of error 3.");
    EXPECT_EQ(ReadBytes(folders.Data() + "x.gme"), fixtures::Bars("T|b|Ann|1|2"));
    EXPECT_EQ(first, 0);
}

// A finished game's entry and file go (the whole game checks the file goes at
// the solve); a file already gone is no error.
TEST_F(AnnsGames, GameOverDeletesTheEntryEvenWhenItsFileIsGone) {
    auto cells = Board({{0, 0, 2}});
    p.SaveGame(folders.Games(), "Game 7", "seven", 0, 0, cells, false);
    ASSERT_TRUE(std::filesystem::exists(folders.GameFile("70.gme")));
    std::filesystem::remove(folders.GameFile("70.gme"));
    p.SaveGame(folders.Games(), "Game 7", "seven", 0, 0, cells, true);
    EXPECT_TRUE(p.savedGames.empty());
    EXPECT_FALSE(p.IsUnfinishedSaved("Game 7"));
    EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(AnnsGames, FailedWriteKeepsTheOldSavedGameAndPlayerFile) {
    auto cells = Board({{0, 0, 2}, {1, 0, 1}});
    p.SaveGame(folders.Games(), "Game 7", "seven", 0, 0, cells, false);
    ASSERT_TRUE(p.Save(folders.Players()));
    const std::string oldGame = ReadBytes(folders.GameFile("70.gme"));
    const std::string oldPlayer = ReadBytes(folders.PlayerFile("Ann0.ply"));

    cells.front()->state = 0;
    platform::CTextFile::FailNextWrite(platform::causeDiskFull);
    p.SaveGame(folders.Games(), "Game 7", "seven", 0, 0, cells, false);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text,
              "Unable to save " + folders.GameFile("70.gme") + " because of error 13.");
    EXPECT_EQ(ReadBytes(folders.GameFile("70.gme")), oldGame);
    EXPECT_EQ(p.savedGames.size(), 1u); // the entry stays

    p.SaveGame(folders.Games(), "Game 8", "eight", 0, 0, cells, false);
    platform::CTextFile::FailNextWrite(platform::causeDiskFull);
    EXPECT_FALSE(p.Save(folders.Players()));
    EXPECT_EQ(boxes.last().text,
              "Unable to save " + folders.PlayerFile("Ann0.ply") + " because of error 13.");
    EXPECT_EQ(ReadBytes(folders.PlayerFile("Ann0.ply")), oldPlayer);
    EXPECT_EQ(FilesIn(folders.Players()), 1);
    EXPECT_EQ(FilesIn(folders.Games()), 2);
}

TEST_F(AnnsGames, LoadSavedGameRestoresAndSelectsTheRecord) {
    p.SelectGameStats("Game 7", false);
    p.IncTimesPlayed(true);
    p.SelectGameStats("Other", false);
    auto cells = Board({{0, 0, 2}, {1, 0, 1}});
    p.SaveGame(folders.Games(), "Game 7", "seven", 4, 5, cells, false);
    ASSERT_TRUE(p.Save(folders.Players()));

    CPlayer q;
    q.name = "Ann";
    q.fileName = "Ann0.ply";
    ASSERT_TRUE(q.Load(folders.Players()));
    EXPECT_TRUE(q.IsUnfinishedSaved("Game 7"));
    auto board = Board({{0, 0, 0}, {1, 0, 0}});
    CSavedGame::KeyList marked;
    int first = 0, second = 0;
    ASSERT_TRUE(q.LoadSavedGame(folders.Games(), "Game 7", first, second, board, marked));
    EXPECT_EQ(States(board), (std::vector<int>{2, 1}));
    ASSERT_NE(q.current, nullptr);
    EXPECT_EQ(q.current->title, "Game 7");
    EXPECT_EQ(q.TimesPlayed(), 1);

    // No saved game for the title: false, but its record still becomes current.
    EXPECT_FALSE(q.LoadSavedGame(folders.Games(), "Other", first, second, board, marked));
    EXPECT_EQ(q.current->title, "Other");
    EXPECT_FALSE(q.LoadSavedGame(folders.Games(), "Unknown", first, second, board, marked));
    EXPECT_EQ(q.current->title, "Other");
    EXPECT_EQ(boxes.count(), 0u);
}
