#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "reward/ScoreTable.h"
#include "tests/support/Recorders.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>

using reward::CompareEntries;
using reward::FormatEntry;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

namespace {

std::string ScoreFile(int capacity, const Lines& lines) {
    std::string bytes = std::to_string(capacity) + "\r\n";
    for (const auto& l : lines)
        bytes += l + "\r\n";
    return bytes;
}

Lines TenEntries() {
    return {"30\tAnna", "28\tBen", "25\tCleo", "22\tDan", "20\tEve",
            "18\tFinn", "15\tGus", "12\tHal",  "10\tIda", "09\tJo"};
}

} // namespace

TEST(ScoreEntry, FormatsTheCountWithTwoDigitsATabAndTheName) {
    EXPECT_EQ(FormatEntry(0, "Kim"), "00\tKim");
    EXPECT_EQ(FormatEntry(7, "Kim"), "07\tKim");
    EXPECT_EQ(FormatEntry(12, "Kim"), "12\tKim");
    EXPECT_EQ(FormatEntry(100, "Kim"), "100\tKim");
    EXPECT_EQ(FormatEntry(3, ""), "03\t");
    // A line break in a name would split the entry over two lines of the file.
    EXPECT_EQ(FormatEntry(3, "Kim\r\nLee"), "03\tKim  Lee");
}

TEST(ScoreEntry, ComparesBytesAsUnsignedNumbers) {
    EXPECT_EQ(CompareEntries("05\tAl", "05\tAl"), 0);
    EXPECT_LT(CompareEntries("05\tAl", "05\tBo"), 0);
    EXPECT_GT(CompareEntries("10\tAl", "09\tZed"), 0);
    EXPECT_LT(CompareEntries("05\tAl", "05\tAla"), 0); // a prefix comes first
    // A byte of 0xE9 is above every ASCII letter.
    EXPECT_GT(CompareEntries("05\t\xE9mile", "05\tzed"), 0);
    EXPECT_LT(CompareEntries("05\tzed", "05\t\xE9mile"), 0);
}

TEST(ScoreTable, MissingFileGivesTenPlacesWithTheNewEntryAndIsCreatedOnSave) {
    TempDir dir;
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "04\tKim");
    EXPECT_EQ(table.Capacity(), 10);
    EXPECT_EQ(table.Lines(), Lines{"04\tKim"});
    EXPECT_TRUE(table.Keepable());
    ASSERT_EQ(table.Save(dir.File("scores.dat")), platform::causeNone);
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")), "10\r\n04\tKim\r\n");
}

TEST(ScoreTable, EmptyFileGivesCapacityTenAndOneLine) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), "");
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "02\tKim");
    EXPECT_EQ(table.Capacity(), 10);
    EXPECT_EQ(table.Lines(), Lines{"02\tKim"});
    table.Save(dir.File("scores.dat"));
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")), "10\r\n02\tKim\r\n");
}

TEST(ScoreTable, NewEntryGoesBeforeTheFirstLineItBeats) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(10, {"20\tAnna", "12\tBen", "03\tCleo"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "12\tCarl");
    EXPECT_EQ(table.Lines(), (Lines{"20\tAnna", "12\tCarl", "12\tBen", "03\tCleo"}));
    table.Save(dir.File("scores.dat"));
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")),
              ScoreFile(10, {"20\tAnna", "12\tCarl", "12\tBen", "03\tCleo"}));
}

TEST(ScoreTable, EqualLineGoesAfterAndEqualCountsAreOrderedByNameBytes) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(10, {"12\tBen", "12\tAnna"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "12\tBen");
    EXPECT_EQ(table.Lines(), (Lines{"12\tBen", "12\tBen", "12\tAnna"}));

    table.Load(dir.File("scores.dat"), "12\tAnn");
    EXPECT_EQ(table.Lines(), (Lines{"12\tBen", "12\tAnna", "12\tAnn"}));

    // "b" (0x62) is above "B" (0x42): later names first.
    table.Load(dir.File("scores.dat"), "12\tbob");
    EXPECT_EQ(table.Lines(), (Lines{"12\tbob", "12\tBen", "12\tAnna"}));
}

TEST(ScoreTable, HundredAntsSortAsTextBelowNinetyNineAndAboveTen) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(10, {"99\tAnna", "10\tBen", "09\tCleo"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), FormatEntry(100, "Kim"));
    EXPECT_EQ(table.Lines(), (Lines{"99\tAnna", "100\tKim", "10\tBen", "09\tCleo"}));
}

TEST(ScoreTable, FullTableWhoseLowestBeatsTheNewEntryIsRewrittenUnchanged) {
    TempDir dir;
    const std::string before = ScoreFile(10, TenEntries());
    WriteBytes(dir.File("scores.dat"), before);
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "05\tKim");
    EXPECT_EQ(table.Lines(), TenEntries());
    ASSERT_EQ(table.Save(dir.File("scores.dat")), platform::causeNone);
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")), before);
}

TEST(ScoreTable, FullTableDropsItsLowestForABetterEntry) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(10, TenEntries()));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "21\tKim");
    Lines expected = TenEntries();
    expected.insert(expected.begin() + 4, "21\tKim");
    expected.pop_back();
    EXPECT_EQ(table.Lines(), expected);
    EXPECT_EQ(table.Lines().size(), 10u);
}

TEST(ScoreTable, CapacityFiveGivesFivePlacesAndIsWrittenBackAsFive) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(5, {"30\tA", "20\tB", "15\tC", "10\tD", "05\tE"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "16\tKim");
    EXPECT_EQ(table.Capacity(), 5);
    EXPECT_EQ(table.Lines(), (Lines{"30\tA", "20\tB", "16\tKim", "15\tC", "10\tD"}));
    table.Save(dir.File("scores.dat"));
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")),
              ScoreFile(5, {"30\tA", "20\tB", "16\tKim", "15\tC", "10\tD"}));
}

TEST(ScoreTable, LinesBeyondTheCapacityAreNotRead) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(2, {"30\tA", "20\tB", "15\tC"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "01\tKim");
    EXPECT_EQ(table.Lines(), (Lines{"30\tA", "20\tB"}));
}

TEST(ScoreTable, FewerLinesThanTheCapacityGrowByOne) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(10, {"30\tA", "20\tB"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "01\tKim");
    EXPECT_EQ(table.Lines(), (Lines{"30\tA", "20\tB", "01\tKim"}));
}

TEST(ScoreTable, NegativeCapacityMeansTen) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), ScoreFile(-3, {"30\tA", "20\tB"}));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "25\tKim");
    EXPECT_EQ(table.Capacity(), 10);
    EXPECT_EQ(table.Lines(), (Lines{"30\tA", "25\tKim", "20\tB"}));
    table.Save(dir.File("scores.dat"));
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")), ScoreFile(10, {"30\tA", "25\tKim", "20\tB"}));
}

TEST(ScoreTable, HugeCapacityReadsToTheEndOfTheFileOnly) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), "99999999999\r\n30\tA\r\n20\tB\r\n");
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "25\tKim");
    EXPECT_EQ(table.Capacity(), INT_MAX);
    EXPECT_EQ(table.Lines(), (Lines{"30\tA", "25\tKim", "20\tB"}));
}

TEST(ScoreTable, CapacityZeroKeepsNothing) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), "0\r\n30\tA\r\n");
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "25\tKim");
    EXPECT_TRUE(table.Lines().empty());
    table.Save(dir.File("scores.dat"));
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")), "0\r\n");
}

TEST(ScoreTable, ReadsLfOnlyFilesAndLeadingBlanksInTheCapacity) {
    TempDir dir;
    WriteBytes(dir.File("scores.dat"), "  3 places\n30\tA\n20\tB");
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "25\tKim");
    EXPECT_EQ(table.Capacity(), 3);
    EXPECT_EQ(table.Lines(), (Lines{"30\tA", "25\tKim", "20\tB"}));
}

TEST(ScoreTable, FullDiskLeavesTheOldFileInPlace) {
    TempDir dir;
    const std::string before = ScoreFile(10, {"30\tA"});
    WriteBytes(dir.File("scores.dat"), before);
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "25\tKim");
    platform::CTextFile::FailNextWrite(platform::causeDiskFull);
    EXPECT_EQ(table.Save(dir.File("scores.dat")), platform::causeDiskFull);
    EXPECT_EQ(ReadBytes(dir.File("scores.dat")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left behind
}

TEST(ScoreTable, MissingFolderShowsTheTableAndWritesNothing) {
    TempDir dir;
    CScoreTable table;
    table.Load(dir.File("ants/scores.dat"), "25\tKim");
    EXPECT_EQ(table.Lines(), Lines{"25\tKim"});
    EXPECT_NE(table.Save(dir.File("ants/scores.dat")), platform::causeNone);
    EXPECT_FALSE(std::filesystem::exists(dir.File("ants")));
}

TEST(ScoreTable, AFileThatCannotBeReadIsShownButNeverReplaced) {
    TempDir dir;
    // A folder where the file should be: it opens but cannot be read.
    std::filesystem::create_directory(dir.File("scores.dat"));
    CScoreTable table;
    table.Load(dir.File("scores.dat"), "25\tKim");
    EXPECT_EQ(table.Capacity(), 10);
    EXPECT_EQ(table.Lines(), Lines{"25\tKim"});
    EXPECT_FALSE(table.Keepable());
    EXPECT_NE(table.Save(dir.File("scores.dat")), platform::causeNone);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("scores.dat")));
}
