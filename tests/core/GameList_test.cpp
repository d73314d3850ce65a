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

TEST(GameList, RecordsInFileOrderBlankLinesSkippedOnlyWhereATitleGoes) {
    using List = std::vector<GameListEntry>;
    const std::pair<std::string, List> cases[] = {
        {"Alpha\r\nalpha1\r\n\r\nBeta\r\nbeta1\r\n", {{"Alpha", "alpha1"}, {"Beta", "beta1"}}},
        {"Zed\r\nz\r\nAlpha\r\na\r\nZed\r\nz2\r\n", {{"Zed", "z"}, {"Alpha", "a"}, {"Zed", "z2"}}},
        // A title on the last line gets an empty file name.
        {"Alpha\nalpha1\n\n\nGamma", {{"Alpha", "alpha1"}, {"Gamma", ""}}},
        // The line after a title is its file name whatever it holds.
        {"Alpha\r\n\r\nBeta\r\nbeta1\r\n", {{"Alpha", ""}, {"Beta", "beta1"}}},
        {"", {}},
        {"\r\n\r\n\n", {}},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(FromBytes(bytes), expected) << bytes;
    TempDir dir;
    EXPECT_TRUE(ReadGameListFile(dir.File("none.dat")).empty());
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
