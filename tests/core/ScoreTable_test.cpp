#include "platform/FileError.h"
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

namespace {

// "a|b|c" as lines; "" as none.
Lines Split(const std::string& bars) {
    Lines out;
    for (size_t start = 0; !bars.empty() && start <= bars.size();) {
        size_t bar = std::min(bars.find('|', start), bars.size());
        out.push_back(bars.substr(start, bar - start));
        start = bar + 1;
    }
    return out;
}

} // namespace

// The file as found (nullptr: none) and the new entry; the table shown and
// written back under its capacity.
TEST(ScoreTable, TheNewEntryTakesItsPlaceWithinTheCapacity) {
    const struct {
        const char *what, *file, *entry;
        int capacity;
        const char* shown;
    } cases[] = {
        {"missing file", nullptr, "04\tKim", 10, "04\tKim"},
        {"empty file", "", "02\tKim", 10, "02\tKim"},
        {"before the first line it beats", "10\r\n20\tAnna\r\n12\tBen\r\n03\tCleo\r\n", "12\tCarl",
         10, "20\tAnna|12\tCarl|12\tBen|03\tCleo"},
        {"an equal line goes after", "10\r\n12\tBen\r\n12\tAnna\r\n", "12\tBen", 10,
         "12\tBen|12\tBen|12\tAnna"},
        {"equal counts by name bytes", "10\r\n12\tBen\r\n12\tAnna\r\n", "12\tAnn", 10,
         "12\tBen|12\tAnna|12\tAnn"},
        {"b is above B: later names first", "10\r\n12\tBen\r\n12\tAnna\r\n", "12\tbob", 10,
         "12\tbob|12\tBen|12\tAnna"},
        {"a hundred sorts as text below 99 and above 10",
         "10\r\n99\tAnna\r\n10\tBen\r\n09\tCleo\r\n", "100\tKim", 10,
         "99\tAnna|100\tKim|10\tBen|09\tCleo"},
        {"capacity five", "5\r\n30\tA\r\n20\tB\r\n15\tC\r\n10\tD\r\n05\tE\r\n", "16\tKim", 5,
         "30\tA|20\tB|16\tKim|15\tC|10\tD"},
        {"lines beyond the capacity are not read", "2\r\n30\tA\r\n20\tB\r\n15\tC\r\n", "01\tKim", 2,
         "30\tA|20\tB"},
        {"fewer lines than the capacity grow by one", "10\r\n30\tA\r\n20\tB\r\n", "01\tKim", 10,
         "30\tA|20\tB|01\tKim"},
        {"a negative capacity means ten", "-3\r\n30\tA\r\n20\tB\r\n", "25\tKim", 10,
         "30\tA|25\tKim|20\tB"},
        {"a huge capacity reads to the end only", "99999999999\r\n30\tA\r\n20\tB\r\n", "25\tKim",
         INT_MAX, "30\tA|25\tKim|20\tB"},
        {"capacity zero keeps nothing", "0\r\n30\tA\r\n", "25\tKim", 0, ""},
        {"LF only, blanks before the capacity", "  3 places\n30\tA\n20\tB", "25\tKim", 3,
         "30\tA|25\tKim|20\tB"},
        {"a full table whose lowest beats the entry", nullptr, "05\tKim", 10,
         "30\tAnna|28\tBen|25\tCleo|22\tDan|20\tEve|18\tFinn|15\tGus|12\tHal|10\tIda|09\tJo"},
        {"a full table drops its lowest", nullptr, "21\tKim", 10,
         "30\tAnna|28\tBen|25\tCleo|22\tDan|21\tKim|20\tEve|18\tFinn|15\tGus|12\tHal|10\tIda"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.File("scores.dat");
        if (c.file)
            WriteBytes(path, c.file);
        else if (std::string(c.what).rfind("a full table", 0) == 0)
            WriteBytes(path, ScoreFile(10, TenEntries()));
        CScoreTable table;
        table.Load(path, c.entry);
        EXPECT_EQ(table.Capacity(), c.capacity);
        EXPECT_EQ(table.Lines(), Split(c.shown));
        EXPECT_TRUE(table.Keepable());
        ASSERT_EQ(table.Save(path), platform::causeNone);
        // The capacity line as read: INT_MAX for the huge one.
        EXPECT_EQ(ReadBytes(path), ScoreFile(c.capacity, Split(c.shown)));
    }
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
