// The puzzle file and the board: reading, writing, marking, checking, hints.
#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "puzzle/GridDoc.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using testing_support::MessageRecorder;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
using Keys = CGridDoc::KeyList;

namespace {

std::string SmallBitmap(int width = 40, int height = 30) {
    fixtures::BitmapSpec spec;
    spec.width = width;
    spec.height = height;
    return fixtures::BitmapFile(spec);
}

// A board of cells (0..n-1, 0), no file.
void MakeRow(CGridDoc& doc, int n) {
    doc.ResetPuzzle();
    for (int c = 0; c < n; ++c)
        doc.AddCell(c, 0);
}

void MarkTrue(CGridDoc& doc, int column, int row) {
    ASSERT_TRUE(doc.ToggleCell(column, row));
    ASSERT_TRUE(doc.ToggleCell(column, row));
}

// The cells as "c,r c,r ...".
std::string CellText(const CGridDoc& doc) {
    std::string out;
    for (const auto& cell : doc.GetCells())
        out += (out.empty() ? "" : " ") + CellKey(cell->column, cell->row);
    return out;
}

class GridDocFile : public ::testing::Test {
protected:
    TempDir dir;
    MessageRecorder boxes;
    CGridDoc doc;

    std::string Write(const std::string& name, const std::string& bytes) {
        WriteBytes(dir.File(name), bytes);
        return dir.File(name);
    }
};

} // namespace

TEST_F(GridDocFile, ReadsEveryPartOfAPuzzleFileAndOpeningAgainEmptiesTheMarks) {
    Write("pic.bmp", SmallBitmap(40, 30));
    std::string path = Write(
        "farm.bgd",
        fixtures::Bars(
            "pic.bmp  \t|17|Offsets|100|50|Start Grid|0|0|1|0|3|12|End Grid|Start "
            "Answer|3,12|0,0|End Answer|Start Hint|0,0|1,0|End Hint|Start Hint|3,12|End Hint"));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(doc.GetPictureName(), "pic.bmp");
    EXPECT_EQ(doc.GetCellSize(), 17);
    EXPECT_EQ(doc.GetGridOffsetX(), 100);
    EXPECT_EQ(doc.GetGridOffsetY(), 50);
    EXPECT_EQ(CellText(doc), "0,0 1,0 3,12");
    for (const auto& cell : doc.GetCells())
        EXPECT_EQ(cell->state, CGridCell::stateEmpty);
    EXPECT_EQ(doc.GetAnswerList(), (Keys{"3,12", "0,0"}));
    ASSERT_EQ(doc.GetHintCount(), 2);
    EXPECT_EQ(doc.GetHints()[0], (Keys{"0,0", "1,0"}));
    EXPECT_EQ(doc.GetHints()[1], (Keys{"3,12"}));
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{40, 30}));
    ASSERT_NE(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPalette()->entries.size(), 256u);
    EXPECT_EQ(doc.GetPathName(), dir.File("pic.bmp"));

    MarkTrue(doc, 0, 0);
    doc.SetHighlightedHint(1);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetCells().size(), 3u);
    EXPECT_EQ(doc.GetCells()[0]->state, CGridCell::stateEmpty);
    EXPECT_TRUE(doc.GetMarkedTrueList().empty());
    EXPECT_EQ(doc.GetHighlightedHint(), 0);
}

TEST_F(GridDocFile, SaveWritesTheLayoutAndDropsEmptyHintBlocks) {
    doc.SetPictureName("p.bmp");
    doc.SetCellSize(12);
    doc.SetGridOffsets(-3, 7);
    doc.AddCell(0, 0);
    doc.AddCell(-1, 4);
    doc.GetAnswerList() = {"0,0"};
    doc.AddHint({"0,0"});
    doc.AddHint({});
    doc.AddHint({"-1,4", "0,0"});
    MarkTrue(doc, 0, 0); // marks are not part of the file
    doc.SetModifiedFlag(true);
    std::string path = dir.File("out.bgd");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(
        ReadBytes(path),
        fixtures::Bars("p.bmp|12|Offsets|-3|7|Start Grid|0|0|-1|4|End Grid|Start Answer|0,0|End "
                       "Answer|Start Hint|0,0|End Hint|Start Hint|-1,4|0,0|End Hint"));

    // Read back, the hint after the dropped block moves up to number 2.
    CGridDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path)); // the picture is missing: reported, still loads
    EXPECT_EQ(again.GetHintCount(), 2);
    std::string text;
    EXPECT_EQ(again.GetHintsForCell(-1, 4, text), 2);
    EXPECT_EQ(text, "Hint 2");
}

TEST_F(GridDocFile, FailedSaveIsReportedAndLeavesTheOldFile) {
    std::string path = Write("keep.bgd", "old contents\r\n");
    doc.SetPictureName("p.bmp");
    platform::CTextFile::FailNextWrite(platform::causeDiskFull);
    EXPECT_FALSE(doc.OnSaveDocument(path));
    platform::CTextFile::FailNextWrite(0);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Disk full while accessing " + path + ".");
    EXPECT_EQ(boxes.last().style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_EQ(ReadBytes(path), "old contents\r\n");

    boxes.clear();
    std::string nowhere = dir.File("no/such/folder/x.bgd");
    EXPECT_FALSE(doc.OnSaveDocument(nowhere));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_NE(boxes.last().text.find(nowhere), std::string::npos) << boxes.last().text;
}

// Damaged and odd files read the way the game always read them.
// What reads: "cells|answer|number of hints".
TEST_F(GridDocFile, OddFilesReadLineByLine) {
    const struct {
        const char *what, *read;
        std::string bytes;
    } cases[] = {
        {"junk between blocks; only Start Hint blocks count", "0,0 1,0|0,0|2",
         fixtures::Bars(
             "p.bmp|15|Start Grid|0|0|1|0|End Grid|Start Answer|0,0|End Answer|junk||Start "
             "Hint|1,0|End Hint|another line|End Hint|start hint|Start Hint|0,0|End Hint")},
        {"odd grid: End Grid is a row, reads on to the next End Grid", "4,5 6,0 0,7|4,5|1",
         fixtures::Bars("p.bmp|15|Start Grid|4|5|6|End Grid|Start Answer|7|End Grid|Start "
                        "Answer|4,5|End Answer|Start Hint|4,5|End Hint")},
        {"odd grid without a second End Grid stops at the end of the file", "1,2 3,0 0,1||0",
         fixtures::Bars("p.bmp|15|Start Grid|1|2|3|End Grid|Start Answer|1,2|End Answer")},
        {"file ends inside the grid", "1,2 3,4||0",
         "p.bmp\r\n15\r\nStart Grid\r\n1\r\n2\r\n3\r\n4\r\n5"},
        {"file ends inside the answer", "1,2|1,2 9,9|0",
         fixtures::Bars("p.bmp|15|Start Grid|1|2|End Grid|Start Answer|1,2|9,9")},
        {"file ends inside a hint", "1,2|1,2|2",
         fixtures::Bars("p.bmp|15|Start Grid|1|2|End Grid|Start Answer|1,2|End Answer|Start "
                        "Hint|1,2|End Hint|Start Hint|1,2")},
        {"missing Start Grid consumes the following line", "||1",
         fixtures::Bars("p.bmp|15|Start Answer|1,1|End Answer|Start Hint|1,1|End Hint")},
        {"malformed numbers read as their leading digits", "12,0||0",
         fixtures::Bars("p.bmp| 16px|Offsets|x|-8y|Start Grid|12abc||End Grid")},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(doc.OnOpenDocument(Write("odd.bgd", c.bytes))) << c.what;
        std::string answer;
        for (const std::string& key : doc.GetAnswerList())
            answer += (answer.empty() ? "" : " ") + key;
        EXPECT_EQ(CellText(doc) + "|" + answer + "|" + std::to_string(doc.GetHintCount()), c.read)
            << c.what;
    }
    EXPECT_EQ(doc.GetCellSize(), 16);
    EXPECT_EQ(doc.GetGridOffsetY(), -8);
    std::string text;
    ASSERT_TRUE(doc.OnOpenDocument(Write("odd.bgd", cases[0].bytes)));
    EXPECT_EQ(doc.GetHintsForCell(1, 0, text), 1);
    EXPECT_EQ(doc.GetHintsForCell(0, 0, text), 2);
    ASSERT_TRUE(doc.OnOpenDocument(Write("s.bgd", "p.bmp")));
    EXPECT_EQ(doc.GetCellSize(), 0);
}

TEST_F(GridDocFile, UnreadablePuzzleFileIsReportedAndThePreviousPuzzleStays) {
    Write("pic.bmp", SmallBitmap(40, 30));
    ASSERT_TRUE(
        doc.OnOpenDocument(Write("g.bgd", fixtures::Bars("pic.bmp|15|Start Grid|0|0|End Grid"))));
    MarkTrue(doc, 0, 0);
    std::filesystem::create_directory(dir.File("folder.bgd"));
    const std::pair<std::string, std::string> cases[] = {
        {dir.File("missing.bgd"), dir.File("missing.bgd") + " was not found."},
        {dir.File("folder.bgd"), "Access to " + dir.File("folder.bgd") + " was denied."},
    };
    for (const auto& [path, message] : cases) {
        boxes.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path));
        ASSERT_EQ(boxes.count(), 1u);
        EXPECT_EQ(boxes.last().text, message);
        EXPECT_EQ(boxes.last().caption, "Deduxa");
        EXPECT_EQ(doc.GetMarkedTrueList(), (Keys{"0,0"}));
        EXPECT_TRUE(doc.GetPicture());
    }
}

TEST_F(GridDocFile, MissingOrBrokenPictureIsReportedAndThePuzzleStillLoads) {
    Write("pic.bmp", SmallBitmap(40, 30));
    ASSERT_TRUE(doc.OnOpenDocument(Write("a.bgd", fixtures::Lines({"pic.bmp", "15"}))));
    EXPECT_TRUE(
        doc.OnOpenDocument(Write("b.bgd", fixtures::Bars("gone.bmp|20|Start Grid|2|3|End Grid"))));
    ASSERT_EQ(boxes.count(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, dir.File("gone.bmp") + " was not found.");
    EXPECT_EQ(boxes.boxes()[1].text, "Unable to load image file " + dir.File("gone.bmp"));
    EXPECT_EQ(boxes.boxes()[1].style, platform::MB_OK);
    EXPECT_EQ(doc.GetCellSize(), 20);
    EXPECT_EQ(doc.GetCells().size(), 1u);
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{40, 30})); // the previous picture

    boxes.clear();
    Write("bad.bmp", "XX not a bitmap at all");
    EXPECT_TRUE(doc.OnOpenDocument(Write("c.bgd", fixtures::Lines({"bad.bmp", "15"}))));
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{"Cannot load DIB",
                                        "Unable to load image file " + dir.File("bad.bmp")}));
    EXPECT_FALSE(doc.GetPicture());
    EXPECT_EQ(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{1, 1}));
}

TEST(GridDocMarking, ClicksCycleFalseTrueEmptyAndRemarkingMovesTheKeyToTheEnd) {
    CGridDoc doc;
    MakeRow(doc, 3);
    CGridCell& cell = *doc.GetCells()[1];
    const int cycle[] = {CGridCell::stateFalse, CGridCell::stateTrue, CGridCell::stateEmpty};
    for (int state : cycle) {
        ASSERT_TRUE(doc.ToggleCell(1, 0));
        EXPECT_EQ(cell.state, state);
        EXPECT_EQ(doc.GetMarkedTrueList(), state == CGridCell::stateTrue ? Keys{"1,0"} : Keys{});
    }
    MarkTrue(doc, 1, 0);
    MarkTrue(doc, 0, 0);
    EXPECT_EQ(doc.GetMarkedTrueList(), (Keys{"1,0", "0,0"}));
    ASSERT_TRUE(doc.ToggleCell(1, 0)); // back to empty
    MarkTrue(doc, 1, 0);
    EXPECT_EQ(doc.GetMarkedTrueList(), (Keys{"0,0", "1,0"}));

    // A position that is not a cell changes nothing.
    for (auto [c, r] : {std::pair{5, 0}, {0, 1}, {-1, 0}})
        EXPECT_FALSE(doc.ToggleCell(c, r));
    EXPECT_EQ(doc.GetMarkedTrueList(), (Keys{"0,0", "1,0"}));
    EXPECT_EQ(doc.GetCells()[2]->state, CGridCell::stateEmpty);

    // Only the first of two cells at one position cycles.
    CGridDoc twin;
    twin.AddCell(2, 2);
    twin.AddCell(2, 2);
    ASSERT_TRUE(twin.ToggleCell(2, 2));
    EXPECT_EQ(twin.GetCells()[0]->state, CGridCell::stateFalse);
    EXPECT_EQ(twin.GetCells()[1]->state, CGridCell::stateEmpty);
}

// A board with answer cells 0..answers-1 of row 0, correct marks on the first
// of them and wrong marks after them.
TEST(GridDocCompare, PercentageOfAChecks) {
    struct Case {
        int answers, correctMarks, wrongMarks;
        bool solved;
        int percent, marked;
    } cases[] = {
        {10, 7, 3, false, 70, 10},  {10, 9, 3, false, 70, 12}, {3, 2, 1, false, 66, 3},
        {50, 29, 0, false, 57, 29}, {6, 6, 0, true, 100, 6},   {7, 7, 1, false, 85, 8},
        {5, 0, 0, false, 0, 0},     {2, 0, 5, false, -150, 5}, {0, 0, 0, true, 0, 0},
        {0, 0, 2, false, 0, 2},
    };
    for (const Case& c : cases) {
        CGridDoc doc;
        MakeRow(doc, c.answers + c.wrongMarks);
        for (int i = 0; i < c.answers; ++i)
            doc.GetAnswerList().push_back(CellKey(i, 0));
        for (int i = 0; i < c.correctMarks; ++i)
            MarkTrue(doc, i, 0);
        for (int i = 0; i < c.wrongMarks; ++i)
            MarkTrue(doc, c.answers + i, 0);
        int percent = -1, marked = -1, correct = -1;
        SCOPED_TRACE(testing::Message()
                     << c.answers << " " << c.correctMarks << " " << c.wrongMarks);
        EXPECT_EQ(doc.CompareWithAnswer(&percent, &marked, &correct), c.solved);
        EXPECT_EQ(percent, c.percent);
        EXPECT_EQ(marked, c.marked);
        EXPECT_EQ(correct, c.correctMarks);
    }
}

TEST(GridDocCompare, NullPercentStoresNothingAndKeysCompareAsWholeStrings) {
    CGridDoc doc;
    MakeRow(doc, 2);
    doc.GetAnswerList() = {"0,0"};
    MarkTrue(doc, 0, 0);
    int marked = -7, correct = -7;
    EXPECT_TRUE(doc.CompareWithAnswer(nullptr, &marked, &correct));
    EXPECT_EQ(marked, -7);
    EXPECT_EQ(correct, -7);
    int percent = -7;
    EXPECT_TRUE(doc.CompareWithAnswer(&percent, nullptr, &correct));
    EXPECT_EQ(percent, 100);
    EXPECT_EQ(correct, 1);

    doc.GetAnswerList() = {"0, 0"};
    EXPECT_FALSE(doc.CompareWithAnswer(&percent, &marked, &correct));
    EXPECT_EQ(correct, 0);
}

TEST(GridDocHints, OneHintGivesItsNumberSeveralGiveZeroAndTheirNames) {
    CGridDoc doc;
    MakeRow(doc, 6);
    for (int i = 1; i <= 5; ++i)
        doc.AddHint(i == 2 || i == 5 ? Keys{"2,0"} : Keys{"0,0", "3,0"});
    doc.AddHint({"4,0", "9,9"});
    doc.AddHint({"5,0", "5,0"});
    const struct {
        int column, row, number;
        const char* text;
    } cases[] = {
        {4, 0, 6, "Hint 6"},
        {2, 0, 0, "Hint 2, Hint 5"},
        {3, 0, 0, "Hint 1, Hint 3, Hint 4"},
        {5, 0, 0, "Hint 7, Hint 7"},
        {1, 0, 0, ""},
        {9, 9, 0, ""}, // named by a hint but not a cell
    };
    for (const auto& c : cases) {
        std::string text = "stale";
        EXPECT_EQ(doc.GetHintsForCell(c.column, c.row, text), c.number) << c.text;
        EXPECT_EQ(text, c.text);
    }
}
