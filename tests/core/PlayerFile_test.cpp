// The player file: writing, reading back, damaged and cut-off files, unsafe names.
#include "players/Player.h"
#include "players/Texts.h"
#include "tests/support/PlayerFixtures.h"
#include "tests/support/PuzzleFixtures.h"

#include <gtest/gtest.h>

using namespace players;
using testing_support::MessageRecorder;
using testing_support::PinnedClock;
using testing_support::PlayerFolders;
using testing_support::ReadBytes;
using testing_support::UtcZone;
using testing_support::WriteBytes;

namespace {

constexpr std::time_t kTuesday = 1049207100; // Tuesday 1 April 2003, 14:25 UTC

// A player with two saved games and two statistics records.
void FillPlayer(CPlayer& p) {
    p.name = "Ann Lee";
    p.fileName = "Ann_L0.ply";
    p.savedGames.push_back(std::make_unique<CSavedGame>("Game 3: Pets", "3__Pe0.gme", "pets"));
    p.savedGames.push_back(std::make_unique<CSavedGame>("Game 7", "70.gme", "seven"));
    auto pets = std::make_unique<CGameStats>();
    pets->title = "Game 3: Pets";
    pets->timesPlayed = 2;
    pets->totalTrue = 12;
    pets->hintCount = 4;
    pets->SetHintCount(4);
    pets->TakeHint(0);
    pets->TakeHint(2);
    pets->answerChecks = 3;
    p.stats.push_back(std::move(pets));
    auto seven = std::make_unique<CGameStats>();
    seven->title = "Game 7";
    seven->dateText = "Finished this game on Monday, 03/31/03 at 09:05 AM";
    seven->reserved = "kept as it was";
    seven->finished = true;
    seven->timesPlayed = 5;
    seven->correctTrue = 9;
    seven->markedTrue = 10;
    seven->totalTrue = 9;
    seven->score = 88;
    p.stats.push_back(std::move(seven));
}

const std::string kFilledFile = fixtures::Bars(
    "Ann Lee|Start Saved Games|Game 3: Pets|3__Pe0.gme|pets|Game 7|70.gme|seven|"
    "End Saved Games|Start Game Stats|Game 3: Pets|"
    "Last played this game on Tuesday, 04/01/03 at 02:25 PM||FALSE|2|0|0|12|2|4|3|1|"
    "TRUE|FALSE|TRUE|FALSE|End Game Stats|Start Game Stats|Game 7|"
    "Finished this game on Monday, 03/31/03 at 09:05 AM|kept as it was|TRUE|5|9|10|9|0|"
    "0|0|88|End Game Stats");

struct PlayerFile : ::testing::Test {
    PlayerFolders folders;
    MessageRecorder boxes;
    CPlayer p;
    // Writes bytes as name and loads it into p (named Ann).
    bool Load(const std::string& name, const std::string& bytes) {
        WriteBytes(folders.PlayerFile(name), bytes);
        p.name = "Ann";
        p.fileName = name;
        return p.Load(folders.Players());
    }
    std::string Titles() const {
        std::string out;
        for (const auto& g : p.savedGames)
            out += "g:" + g->title + " ";
        for (const auto& s : p.stats)
            out += "s:" + s->title + " ";
        return out;
    }
};

} // namespace

TEST_F(PlayerFile, WriteThenReadGivesTheSameFileByteForByte) {
    UtcZone utc;
    PinnedClock clock(kTuesday);
    FillPlayer(p);
    ASSERT_TRUE(p.Save(folders.Players()));
    EXPECT_EQ(ReadBytes(folders.PlayerFile("Ann_L0.ply")), kFilledFile);
    // The stamp stays with the record.
    EXPECT_EQ(p.stats.front()->dateText, "Last played this game on Tuesday, 04/01/03 at 02:25 PM");

    clock.Set(kTuesday + 86400);
    CPlayer q;
    q.name = "Ann Lee";
    q.fileName = "Ann_L0.ply";
    ASSERT_TRUE(q.Load(folders.Players()));
    EXPECT_EQ(boxes.count(), 0u);
    ASSERT_EQ(q.savedGames.size(), 2u);
    EXPECT_EQ(q.savedGames.front()->fileName, "3__Pe0.gme");
    EXPECT_EQ(q.savedGames.front()->puzzleBase, "pets");
    for (const auto& g : q.savedGames)
        EXPECT_FALSE(g->finished);
    ASSERT_EQ(q.stats.size(), 2u);
    const CGameStats& pets = *q.stats.front();
    EXPECT_EQ(pets.hintTaken, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(pets.hintsTaken, 2);
    EXPECT_EQ(pets.answerChecks, 3);
    EXPECT_FALSE(pets.finished);
    EXPECT_TRUE(q.stats.back()->finished);
    EXPECT_EQ(q.stats.back()->reserved, "kept as it was");
    EXPECT_EQ(q.current, nullptr);

    q.fileName = "copy.ply";
    ASSERT_TRUE(q.Save(folders.Players()));
    EXPECT_EQ(ReadBytes(folders.PlayerFile("copy.ply")), kFilledFile);
}

// Damaged and cut-off files load what is whole, without a message.
TEST_F(PlayerFile, CutOffAndOddFilesKeepTheWholeRecords) {
    const std::string whole = "Whole|d||FALSE|1|0|0|3|0|1|0|1|TRUE";
    const std::pair<std::string, std::string> cases[] = {
        // Two records in one stats block load as two.
        {"Ann|No Saved Games|Start Game Stats|First|d1||FALSE|1|0|0|5|0|2|0|1|FALSE|TRUE|Second|"
         "d2|r2|TRUE|4|3|3|3|0|0|1|77|End Game Stats|Start Game Stats|Third|d3||FALSE|1|0|0|1|0|"
         "0|0|1|End Game Stats",
         "s:First s:Second s:Third "},
        // The end inside the saved games: a whole entry, then one cut off.
        {"Ann|Start Saved Games|Game 7|70.gme|seven|Game 8|80.gme", "g:Game 7 "},
        {"Ann|Start Saved Games|Game 7", ""},
        // No "End Game Stats": the whole record is kept.
        {"Ann|No Saved Games|Start Game Stats|" + whole, "s:Whole "},
        // A second record cut off inside its numbers is dropped.
        {"Ann|No Saved Games|Start Game Stats|" + whole +
             "|End Game Stats|Start Game Stats|Cut|"
             "d||FALSE|4",
         "s:Whole "},
        // So is one whose hint flags the end of the file cuts off.
        {"Ann|No Saved Games|Start Game Stats|Flags|d||FALSE|1|0|0|3|0|3|0|1|TRUE", ""},
    };
    for (const auto& [file, titles] : cases) {
        ASSERT_TRUE(Load("c.ply", fixtures::Bars(file))) << file;
        EXPECT_EQ(Titles(), titles) << file;
    }
    EXPECT_EQ(boxes.count(), 0u);
    ASSERT_TRUE(Load("c.ply", fixtures::Bars(cases[0].first)));
    const CGameStats& second = **std::next(p.stats.begin());
    EXPECT_EQ(p.stats.front()->hintTaken, (std::vector<bool>{false, true}));
    EXPECT_EQ(second.dateText, "d2");
    EXPECT_EQ(second.reserved, "r2");
    EXPECT_TRUE(second.finished);
    EXPECT_EQ(second.score, 77);
}

// A failed save of the player file is checked with the saved games
// (SavedGame_test), which keep theirs too.
TEST_F(PlayerFile, MissingFilesAndNamesThatAreNotPlainGiveTheirMessages) {
    p.name = "Ann";
    p.fileName = "gone.ply";
    EXPECT_FALSE(p.Load(folders.Players()));
    EXPECT_EQ(boxes.last().text,
              "Unable to load " + folders.PlayerFile("gone.ply") + " because of error 2.");
    WriteBytes(folders.Data() + "x", "precious");
    p.name = "Eve";
    p.fileName = "../x";
    EXPECT_FALSE(p.Save(folders.Players()));
    EXPECT_EQ(ReadBytes(folders.Data() + "x"), "precious");
    ASSERT_EQ(boxes.count(), 2u);
    EXPECT_EQ(boxes.last().text,
              "Unable to save " + folders.Players() + "../x because of error 3.");
    EXPECT_FALSE(p.Load(folders.Players()));
    EXPECT_EQ(boxes.last().text,
              "Unable to load " + folders.Players() + "../x because of error 3.");
    for (const char* bad : {"..", ".", "a\\b", "/etc/passwd"}) {
        p.fileName = bad;
        EXPECT_FALSE(p.Save(folders.Players())) << bad;
        EXPECT_FALSE(p.Load(folders.Players())) << bad;
    }
}
