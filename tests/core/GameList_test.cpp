#include "app/GameList.h"
#include "platform/TextFile.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {
std::vector<GameListEntry> FromBytes(const std::string& bytes) {
    TempDir dir;
    WriteBytes(dir.File("games.dat"), bytes);
    return ReadGameListFile(dir.File("games.dat"));
}
} // namespace

TEST(GameList, BlankLinesBetweenRecordsAreSkipped) {
    auto list = FromBytes("Alpha\r\nalpha1\r\n\r\nBeta\r\nbeta1\r\n");
    std::vector<GameListEntry> expected = {{"Alpha", "alpha1"}, {"Beta", "beta1"}};
    EXPECT_EQ(list, expected);
}

TEST(GameList, KeepsFileOrderAndDuplicateTitles) {
    auto list = FromBytes("Zed\r\nz\r\nAlpha\r\na\r\nZed\r\nz2\r\n");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].title, "Zed");
    EXPECT_EQ(list[1].title, "Alpha");
    EXPECT_EQ(list[2], (GameListEntry{"Zed", "z2"}));
}

TEST(GameList, TitleOnTheLastLineGetsAnEmptyFileName) {
    auto list = FromBytes("Alpha\nalpha1\n\n\nGamma");
    std::vector<GameListEntry> expected = {{"Alpha", "alpha1"}, {"Gamma", ""}};
    EXPECT_EQ(list, expected);
}

TEST(GameList, AnEmptyFileNameLineIsTakenAsTheFileName) {
    // Only a title position skips empty lines: the line after a title is its
    // file name whatever it holds.
    auto list = FromBytes("Alpha\r\n\r\nBeta\r\nbeta1\r\n");
    std::vector<GameListEntry> expected = {{"Alpha", ""}, {"Beta", "beta1"}};
    EXPECT_EQ(list, expected);
}

TEST(GameList, MissingOrEmptyFileGivesAnEmptyList) {
    TempDir dir;
    EXPECT_TRUE(ReadGameListFile(dir.File("none.dat")).empty());
    EXPECT_TRUE(FromBytes("").empty());
    EXPECT_TRUE(FromBytes("\r\n\r\n\n").empty());
}

TEST(GameList, AFolderInPlaceOfTheFileGivesAnEmptyList) {
    // Opening a folder for reading succeeds on Linux; the first read fails.
    TempDir dir;
    EXPECT_TRUE(ReadGameListFile(dir.Path()).empty());
}

TEST(GameList, LineSourceContract) {
    std::vector<std::string> lines = {"", "T1", "f1", "", "", "T2"};
    size_t i = 0;
    auto list = ReadGameList([&](std::string& line) {
        if (i >= lines.size()) {
            line.clear();
            return false;
        }
        line = lines[i++];
        return true;
    });
    std::vector<GameListEntry> expected = {{"T1", "f1"}, {"T2", ""}};
    EXPECT_EQ(list, expected);
}
