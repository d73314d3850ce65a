// File names made from player names and game titles, and filled messages.
#include "players/Names.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "players/SavedGame.h"
#include "players/Texts.h"
#include "tests/support/PlayerFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace players;
using testing_support::PlayerFolders;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

// Stems drop two bytes at a time until shorter than six, never half a UTF-8
// character; a saved game's stem starts after the title's first five.
TEST(PlayerStem, ReplacesTheEighteenCharactersAndShortensByTwoWholeCharacters) {
    const std::pair<const char*, const char*> players[] = {
        {"John Smith", "John"},       {"Johnny", "John"},
        {"Johan", "Johan"},           {"..", "__"},
        {"Ronald", "Rona"},           {"Barbara", "Barba"},
        {"O'Neil", "O_Ne"},           {"Al Bo", "Al_Bo"},
        {"Alexander", "Alexa"},       {"Zo\u00ebabc", "Zo\u00eba"},
        {"J\u00f6rgen", "J\u00f6rg"}, {"\u00e9\u00e9\u00e9", "\u00e9\u00e9"},
        {"ab\u20accd", "ab\u20ac"},   {"abc\u20acd", "abc"}};
    for (auto [name, stem] : players)
        EXPECT_EQ(PlayerStem(name), stem) << name;
    EXPECT_EQ(ReplaceNameCharacters(" {}[];~`!./+=\\|:\"'"), std::string(18, '_'));
    EXPECT_EQ(ReplaceNameCharacters("a-_()&#%z"), "a-_()&#%z");
    const std::pair<const char*, const char*> titles[] = {{"Game 12: The Farm", "12__"},
                                                          {"Game 7", "7"},
                                                          {"Game 3: Pets", "3__Pe"},
                                                          {"Pets!", ""},
                                                          {"Cat", ""},
                                                          {"Gamx\u00e97", "7"}};
    for (auto [title, stem] : titles)
        EXPECT_EQ(SavedGameStem(title), stem) << title;
}

TEST(FillMessage, PercentSignsInPathsStayOrdinary) {
    EXPECT_EQ(FileMessage(kUnableToSave, "/data/100%s/%d.ply", 13),
              "Unable to save /data/100%s/%d.ply because of error 13.");
    EXPECT_EQ(FileMessage(kUnableToRead, "/g/x.gme", 2),
              "Unable to read /g/x.gme because of error 2.");
    EXPECT_EQ(FileMessage(kUnableToLoad, "p", 5), "Unable to load p because of error 5.");
}

TEST(MakeFileName, ReservesConsecutiveNumbersForEqualStems) {
    PlayerFolders folders;
    const std::pair<const char*, const char*> players[] = {{"John Smith", "John0.ply"},
                                                           {"John Smith", "John1.ply"},
                                                           {"Johnny", "John2.ply"},
                                                           {"Johan", "Johan0.ply"},
                                                           {"..", "__0.ply"}};
    for (auto [name, file] : players) {
        CPlayer p;
        ASSERT_TRUE(p.MakeFileName(name, folders.Players())) << name;
        EXPECT_EQ(p.name, name);
        EXPECT_EQ(p.fileName, file);
        EXPECT_EQ(std::filesystem::file_size(folders.PlayerFile(file)), 0u) << file; // reserved
    }
    // Saved games the same way, from the title after its first five characters.
    const std::pair<const char*, const char*> games[] = {{"Game 12: The Farm", "12__0.gme"},
                                                         {"Game 7", "70.gme"},
                                                         {"Birds", "0.gme"},
                                                         {"Fishy", "1.gme"}};
    for (auto [title, file] : games) {
        CSavedGame g;
        ASSERT_TRUE(g.MakeFileName(title, folders.Games())) << title;
        EXPECT_EQ(g.title, title);
        EXPECT_EQ(g.fileName, file);
    }
}

// A file of the stem in another case, or a link out of the folder, is taken.
TEST(MakeFileName, NeverTakesAnExistingFileInAnyCaseNorFollowsALink) {
    PlayerFolders folders;
    WriteBytes(folders.PlayerFile("john0.ply"), "john\r\nNo Saved Games\r\n");
    const std::string elsewhere = folders.Data() + "elsewhere";
    std::filesystem::create_symlink(elsewhere, folders.PlayerFile("Evil0.ply"));
    for (auto [name, file] : {std::pair{"John", "John1.ply"}, {"Evil", "Evil1.ply"}}) {
        CPlayer p;
        ASSERT_TRUE(p.MakeFileName(name, folders.Players()));
        EXPECT_EQ(p.fileName, file);
    }
    EXPECT_EQ(ReadBytes(folders.PlayerFile("john0.ply")), "john\r\nNo Saved Games\r\n");
    EXPECT_FALSE(std::filesystem::exists(elsewhere));
}

TEST(PathForStoredName, TheFolderOwnFilesAreNoPlayerFileInAnyCase) {
    PlayerFolders folders;
    WriteBytes(folders.PlayerFile("data"), "Ann\r\nAnn0.ply\r\n");
    WriteBytes(folders.PlayerFile("Ann0.ply.tmpQ1w2E3"), "half");
    for (const char* name : {"data", "DATA", "Data", "stats.txt", "Stats.TXT", "Ann0.ply.tmpQ1w2E3",
                             "ann0.ply.TMPq1w2e3", "x.gme.tmp000000"})
        EXPECT_EQ(PathForStoredName(folders.Players(), name), "") << name;
    for (const char* name : {"data0.ply", "datas", "stats.txt0.ply", "Ann0.ply.tmp", "a.tmp12345"})
        EXPECT_EQ(PathForStoredName(folders.Players(), name), folders.PlayerFile(name)) << name;

    // A roster entry naming the roster: saving, loading and deleting that
    // player leave the roster alone, with error 3.
    testing_support::MessageRecorder boxes;
    CPlayer p;
    p.name = "Ann";
    p.fileName = "data";
    EXPECT_FALSE(p.Save(folders.Players()));
    EXPECT_FALSE(p.Load(folders.Players()));
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{
                  "Unable to save " + folders.PlayerFile("data") + " because of error 3.",
                  "Unable to load " + folders.PlayerFile("data") + " because of error 3."}));
    EXPECT_EQ(DeletePlayerFiles(folders.Players(), folders.Games(), "DATA"), 0);
    EXPECT_EQ(ReadBytes(folders.PlayerFile("data")), "Ann\r\nAnn0.ply\r\n");
}

TEST(MakeFileName, FailsWhenAllHundredNamesAreTaken) {
    PlayerFolders folders;
    for (int n = 0; n <= 99; ++n)
        WriteBytes(folders.PlayerFile("Ann" + std::to_string(n) + ".ply"), "x");
    CPlayer p;
    p.fileName = "Old0.ply";
    EXPECT_FALSE(p.MakeFileName("Ann", folders.Players()));
    EXPECT_EQ(p.fileName, "Old0.ply");
    EXPECT_EQ(p.name, "Ann");
    EXPECT_EQ(ReadBytes(folders.PlayerFile("Ann0.ply")), "x");
}

TEST(MakeFileName, PercentInTitleAndFolderIsAnOrdinaryCharacter) {
    testing_support::TempDir dir;
    std::string games = dir.File("100%d%s") + "/";
    std::filesystem::create_directory(games);
    CSavedGame g;
    ASSERT_TRUE(g.MakeFileName("Game %s%d%n", games));
    EXPECT_EQ(g.fileName, "%s%d0.gme");
    EXPECT_TRUE(std::filesystem::exists(games + "%s%d0.gme"));
}
