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

TEST(PlayerStem, ReplacesTheEighteenCharactersAndShortensByTwo) {
    EXPECT_EQ(PlayerStem("John Smith"), "John");
    EXPECT_EQ(PlayerStem("Johnny"), "John");
    EXPECT_EQ(PlayerStem("Johan"), "Johan");
    EXPECT_EQ(PlayerStem(".."), "__");
    EXPECT_EQ(PlayerStem("Ronald"), "Rona");
    EXPECT_EQ(PlayerStem("Barbara"), "Barba");
    EXPECT_EQ(PlayerStem("O'Neil"), "O_Ne");
    EXPECT_EQ(PlayerStem("Al Bo"), "Al_Bo");
    EXPECT_EQ(PlayerStem("Alexander"), "Alexa");
    EXPECT_EQ(ReplaceNameCharacters(" {}[];~`!./+=\\|:\"'"), std::string(18, '_'));
    EXPECT_EQ(ReplaceNameCharacters("a-_()&#%z"), "a-_()&#%z");
}

TEST(PlayerStem, NeverCutsAUtf8CharacterInTwo) {
    // "Zoë" + "abc": 7 bytes; cutting two leaves 5 whole bytes.
    EXPECT_EQ(PlayerStem("Zo\xC3\xAB"
                         "abc"),
              "Zo\xC3\xAB"
              "a");
    // "Jörg" + "en": 7 bytes -> 5 bytes "J\xC3\xB6rg" whole.
    EXPECT_EQ(PlayerStem("J\xC3\xB6rgen"), "J\xC3\xB6rg");
    // Three two-byte letters (6 bytes): the cut to 4 bytes ends on a boundary.
    EXPECT_EQ(PlayerStem("\xC3\xA9\xC3\xA9\xC3\xA9"), "\xC3\xA9\xC3\xA9");
    // A cut that would split a three-byte character drops all of it.
    std::string stem = PlayerStem("ab\xE2\x82\xAC"
                                  "cd"); // ab€cd, 7 bytes -> 5 = "ab" + 3
    EXPECT_EQ(stem, "ab\xE2\x82\xAC");
    stem = PlayerStem("abc\xE2\x82\xAC"
                      "d"); // 7 bytes: cut to 5 splits the euro sign
    EXPECT_EQ(stem, "abc");
}

TEST(SavedGameStem, DropsTheFirstFiveCharacters) {
    EXPECT_EQ(SavedGameStem("Game 12: The Farm"), "12__");
    EXPECT_EQ(SavedGameStem("Game 7"), "7");
    EXPECT_EQ(SavedGameStem("Game 3: Pets"), "3__Pe");
    EXPECT_EQ(SavedGameStem("Pets!"), "");
    EXPECT_EQ(SavedGameStem("Cat"), "");
    // The cut after five bytes falls inside a two-byte letter: it goes whole.
    EXPECT_EQ(SavedGameStem("Gamx\xC3\xA9"
                            "7"),
              "7");
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

TEST(MakeFileName, NeverTakesAnExistingFileInAnyCase) {
    PlayerFolders folders;
    WriteBytes(folders.PlayerFile("john0.ply"), "john\r\nNo Saved Games\r\n");
    CPlayer p;
    ASSERT_TRUE(p.MakeFileName("John", folders.Players()));
    EXPECT_EQ(p.fileName, "John1.ply");
    EXPECT_EQ(ReadBytes(folders.PlayerFile("john0.ply")), "john\r\nNo Saved Games\r\n");
}

TEST(MakeFileName, NeverFollowsALinkOutOfTheFolder) {
    PlayerFolders folders;
    const std::string elsewhere = folders.Data() + "elsewhere";
    std::filesystem::create_symlink(elsewhere, folders.PlayerFile("Evil0.ply"));
    CPlayer p;
    ASSERT_TRUE(p.MakeFileName("Evil", folders.Players()));
    EXPECT_EQ(p.fileName, "Evil1.ply");
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
