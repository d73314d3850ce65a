// The puzzle file and the board: reading, writing, marking, checking, hints.
#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "puzzle/GridDoc.h"
#include "puzzle/Texts.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using testing_support::MessageRecorder;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
namespace texts = puzzle_texts;

namespace {

std::string SmallBitmap(int width = 40, int height = 30) {
    fixtures::BitmapSpec spec;
    spec.width = width;
    spec.height = height;
    return fixtures::BitmapFile(spec);
}

std::vector<std::string> Keys(const CGridDoc& doc) {
    return doc.GetMarkedTrueList();
}

// A board of cells (0..n-1, 0) with answer and hints as given, no file.
void MakeRow(CGridDoc& doc, int n) {
    doc.ResetPuzzle();
    for (int c = 0; c < n; ++c)
        doc.AddCell(c, 0);
}

void MarkTrue(CGridDoc& doc, int column, int row) {
    ASSERT_TRUE(doc.ToggleCell(column, row));
    ASSERT_TRUE(doc.ToggleCell(column, row));
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

TEST_F(GridDocFile, ReadsEveryPartOfAPuzzleFile) {
    Write("pic.bmp", SmallBitmap(40, 30));
    std::string path = Write(
        "farm.bgd",
        fixtures::Lines(
            {"pic.bmp  \t", "17",   "Offsets",    "100",        "50",  "Start Grid", "0",
             "0",           "1",    "0",          "3",          "12",  "End Grid",   "Start Answer",
             "3,12",        "0,0",  "End Answer", "Start Hint", "0,0", "1,0",        "End Hint",
             "Start Hint",  "3,12", "End Hint"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(doc.GetPictureName(), "pic.bmp");
    EXPECT_EQ(doc.GetCellSize(), 17);
    EXPECT_EQ(doc.GetGridOffsetX(), 100);
    EXPECT_EQ(doc.GetGridOffsetY(), 50);
    ASSERT_EQ(doc.GetCells().size(), 3u);
    EXPECT_EQ(doc.GetCells()[2]->column, 3);
    EXPECT_EQ(doc.GetCells()[2]->row, 12);
    for (const auto& cell : doc.GetCells())
        EXPECT_EQ(cell->state, CGridCell::stateEmpty);
    EXPECT_EQ(doc.GetAnswerList(), (CGridDoc::KeyList{"3,12", "0,0"}));
    ASSERT_EQ(doc.GetHintCount(), 2);
    EXPECT_EQ(doc.GetHints()[0], (CGridDoc::KeyList{"0,0", "1,0"}));
    EXPECT_EQ(doc.GetHints()[1], (CGridDoc::KeyList{"3,12"}));
    ASSERT_TRUE(doc.GetPicture());
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{40, 30}));
    ASSERT_NE(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPalette()->entries.size(), 256u);
    // The picture's open records its path as the document's path.
    EXPECT_EQ(doc.GetPathName(), dir.File("pic.bmp"));
}

TEST_F(GridDocFile, OpeningAgainEmptiesMarksAndHighlight) {
    Write("pic.bmp", SmallBitmap());
    std::string path =
        Write("a.bgd", fixtures::Lines({"pic.bmp", "15", "Start Grid", "0", "0", "End Grid",
                                        "Start Answer", "0,0", "End Answer"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    MarkTrue(doc, 0, 0);
    doc.SetHighlightedHint(1);
    doc.SetSavedGameValues(4, 5);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetCells().size(), 1u);
    EXPECT_EQ(doc.GetCells()[0]->state, 0);
    EXPECT_TRUE(doc.GetMarkedTrueList().empty());
    EXPECT_EQ(doc.GetHighlightedHint(), 0);
    EXPECT_EQ(doc.GetAnswerList().size(), 1u);
}

TEST_F(GridDocFile, NoOffsetsBlockAndZeroOffsetsReadAlikeAndSaveWithoutTheBlock) {
    Write("pic.bmp", SmallBitmap());
    const std::string body =
        fixtures::Lines({"Start Grid", "1", "2", "End Grid", "Start Answer", "1,2", "End Answer"});
    std::string none = Write("none.bgd", fixtures::Lines({"pic.bmp", "15"}) + body);
    std::string zero =
        Write("zero.bgd", fixtures::Lines({"pic.bmp", "15", "Offsets", "0", "0"}) + body);

    ASSERT_TRUE(doc.OnOpenDocument(none));
    EXPECT_EQ(doc.GetGridOffsetX(), 0);
    EXPECT_EQ(doc.GetGridOffsetY(), 0);
    ASSERT_EQ(doc.GetCells().size(), 1u);
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("none2.bgd")));
    EXPECT_EQ(ReadBytes(dir.File("none2.bgd")), ReadBytes(none));

    ASSERT_TRUE(doc.OnOpenDocument(zero));
    EXPECT_EQ(doc.GetGridOffsetX(), 0);
    EXPECT_EQ(doc.GetGridOffsetY(), 0);
    ASSERT_EQ(doc.GetCells().size(), 1u);
    EXPECT_EQ(doc.GetAnswerList(), (CGridDoc::KeyList{"1,2"}));
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("zero2.bgd")));
    EXPECT_EQ(ReadBytes(dir.File("zero2.bgd")), ReadBytes(none));
    EXPECT_TRUE(boxes.texts().empty());
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
        fixtures::Lines({"p.bmp", "12",         "Offsets",    "-3",  "7",        "Start Grid",
                         "0",     "0",          "-1",         "4",   "End Grid", "Start Answer",
                         "0,0",   "End Answer", "Start Hint", "0,0", "End Hint", "Start Hint",
                         "-1,4",  "0,0",        "End Hint"}));

    // Read back, the hint after the dropped block moves up to number 2.
    CGridDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path)); // the picture is missing: reported, still loads
    EXPECT_EQ(again.GetHintCount(), 2);
    EXPECT_EQ(again.GetHints()[1], (CGridDoc::KeyList{"-1,4", "0,0"}));
    std::string text;
    EXPECT_EQ(again.GetHintsForCell(-1, 4, text), 2);
    EXPECT_EQ(text, "Hint 2");
}

TEST_F(GridDocFile, SaveWithoutAnswerWritesNoAnswerBlock) {
    doc.SetPictureName("p.bmp");
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("o.bgd")));
    EXPECT_EQ(ReadBytes(dir.File("o.bgd")),
              fixtures::Lines({"p.bmp", "15", "Start Grid", "End Grid"}));
}

TEST_F(GridDocFile, PuzzleWithoutAnswerKeepsItsFirstHintThroughSaveAndOpen) {
    std::string path = Write(
        "n.bgd", fixtures::Lines({"p.bmp", "15", "Start Grid", "0", "0", "End Grid", "Start Hint",
                                  "0,0", "End Hint", "Start Hint", "1,1", "End Hint"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(doc.GetHintCount(), 2);
    EXPECT_EQ(doc.GetHints()[0], (CGridDoc::KeyList{"0,0"}));
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("copy.bgd")));
    EXPECT_EQ(ReadBytes(dir.File("copy.bgd")), ReadBytes(path));
    CGridDoc again;
    ASSERT_TRUE(again.OnOpenDocument(dir.File("copy.bgd")));
    EXPECT_EQ(again.GetHints(), doc.GetHints());
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

TEST_F(GridDocFile, HintNumberingCountsOnlyBlocks) {
    std::string path = Write("h.bgd", fixtures::Lines({"p.bmp",
                                                       "15",
                                                       "Start Grid",
                                                       "0",
                                                       "0",
                                                       "1",
                                                       "0",
                                                       "End Grid",
                                                       "Start Answer",
                                                       "0,0",
                                                       "End Answer",
                                                       "junk",
                                                       "",
                                                       "Start Hint",
                                                       "1,0",
                                                       "End Hint",
                                                       "another line",
                                                       "End Hint",
                                                       "start hint",
                                                       "Start Hint",
                                                       "0,0",
                                                       "End Hint"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(doc.GetHintCount(), 2);
    std::string text;
    EXPECT_EQ(doc.GetHintsForCell(1, 0, text), 1);
    EXPECT_EQ(doc.GetHintsForCell(0, 0, text), 2);
    EXPECT_EQ(text, "Hint 2");
}

TEST_F(GridDocFile, OddGridSectionTakesEndGridAsARowAndReadsOnToTheNextEndGrid) {
    std::string path =
        Write("odd.bgd", fixtures::Lines({"p.bmp", "15", "Start Grid", "4", "5", "6", "End Grid",
                                          "Start Answer", "7", "End Grid", "Start Answer", "4,5",
                                          "End Answer", "Start Hint", "4,5", "End Hint"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(doc.GetCells().size(), 3u);
    EXPECT_EQ(doc.GetCells()[1]->column, 6); // "End Grid" read as its row
    EXPECT_EQ(doc.GetCells()[1]->row, 0);
    EXPECT_EQ(doc.GetCells()[2]->column, 0); // "Start Answer" read as a column
    EXPECT_EQ(doc.GetCells()[2]->row, 7);
    EXPECT_EQ(doc.GetAnswerList(), (CGridDoc::KeyList{"4,5"}));
    EXPECT_EQ(doc.GetHintCount(), 1);
}

TEST_F(GridDocFile, OddGridSectionWithoutSecondEndGridStopsAtTheEndOfTheFile) {
    std::string path =
        Write("odd.bgd", fixtures::Lines({"p.bmp", "15", "Start Grid", "1", "2", "3", "End Grid",
                                          "Start Answer", "1,2", "End Answer"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    // (1,2), (3,0), (0,0) from "Start Answer"/"1,2" read as 0 and 1, then
    // "End Answer" is a column whose row line is missing: dropped.
    ASSERT_EQ(doc.GetCells().size(), 3u);
    EXPECT_EQ(doc.GetCells()[2]->column, 0);
    EXPECT_EQ(doc.GetCells()[2]->row, 1);
    EXPECT_TRUE(doc.GetAnswerList().empty());
    EXPECT_EQ(doc.GetHintCount(), 0);
}

TEST_F(GridDocFile, FileEndingInsideASectionKeepsWhatWasRead) {
    std::string grid = Write("g.bgd", "p.bmp\r\n15\r\nStart Grid\r\n1\r\n2\r\n3\r\n4\r\n5");
    ASSERT_TRUE(doc.OnOpenDocument(grid));
    ASSERT_EQ(doc.GetCells().size(), 2u);
    EXPECT_EQ(doc.GetCells()[1]->column, 3);
    EXPECT_EQ(doc.GetCells()[1]->row, 4);

    std::string answer =
        Write("a.bgd", fixtures::Lines({"p.bmp", "15", "Start Grid", "1", "2", "End Grid",
                                        "Start Answer", "1,2", "9,9"}));
    ASSERT_TRUE(doc.OnOpenDocument(answer));
    EXPECT_EQ(doc.GetAnswerList(), (CGridDoc::KeyList{"1,2", "9,9"}));

    std::string hint =
        Write("h.bgd", fixtures::Lines({"p.bmp", "15", "Start Grid", "1", "2", "End Grid",
                                        "Start Answer", "1,2", "End Answer", "Start Hint", "1,2",
                                        "End Hint", "Start Hint", "1,2"}));
    ASSERT_TRUE(doc.OnOpenDocument(hint));
    ASSERT_EQ(doc.GetHintCount(), 2);
    EXPECT_EQ(doc.GetHints()[1], (CGridDoc::KeyList{"1,2"}));

    std::string shortFile = Write("s.bgd", "p.bmp");
    ASSERT_TRUE(doc.OnOpenDocument(shortFile));
    EXPECT_EQ(doc.GetCellSize(), 0);
    EXPECT_TRUE(doc.GetCells().empty());
}

TEST_F(GridDocFile, MissingStartGridConsumesTheFollowingLine) {
    std::string path =
        Write("m.bgd", fixtures::Lines({"p.bmp", "15", "Start Answer", "1,1", "End Answer",
                                        "Start Hint", "1,1", "End Hint"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.GetCells().empty());
    // Step 9 swallowed "1,1", so "End Answer" is not "Start Answer".
    EXPECT_TRUE(doc.GetAnswerList().empty());
    EXPECT_EQ(doc.GetHintCount(), 1);
}

TEST_F(GridDocFile, MalformedNumbersReadAsTheirLeadingDigits) {
    std::string path = Write("n.bgd", fixtures::Lines({"p.bmp", " 16px", "Offsets", "x", "-8y",
                                                       "Start Grid", "12abc", "", "End Grid"}));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetCellSize(), 16);
    EXPECT_EQ(doc.GetGridOffsetX(), 0);
    EXPECT_EQ(doc.GetGridOffsetY(), -8);
    ASSERT_EQ(doc.GetCells().size(), 1u);
    EXPECT_EQ(doc.GetCells()[0]->column, 12);
    EXPECT_EQ(doc.GetCells()[0]->row, 0);
}

TEST_F(GridDocFile, MissingPuzzleFileIsReportedAndThePreviousPuzzleStays) {
    Write("pic.bmp", SmallBitmap(40, 30));
    std::string good =
        Write("g.bgd", fixtures::Lines({"pic.bmp", "15", "Start Grid", "0", "0", "End Grid"}));
    ASSERT_TRUE(doc.OnOpenDocument(good));
    MarkTrue(doc, 0, 0);
    std::string missing = dir.File("missing.bgd");
    EXPECT_FALSE(doc.OnOpenDocument(missing));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, missing + " was not found.");
    EXPECT_EQ(boxes.last().caption, "Deduxa");
    EXPECT_EQ(doc.GetCells().size(), 1u);
    EXPECT_EQ(Keys(doc), (std::vector<std::string>{"0,0"}));
    EXPECT_TRUE(doc.GetPicture());
}

TEST_F(GridDocFile, AFolderIsNotAPuzzleFile) {
    std::filesystem::create_directory(dir.File("folder.bgd"));
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("folder.bgd")));
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Access to " + dir.File("folder.bgd") + " was denied.");
}

TEST_F(GridDocFile, MissingPictureIsReportedAndThePuzzleLoadsWithThePreviousPicture) {
    Write("pic.bmp", SmallBitmap(40, 30));
    ASSERT_TRUE(doc.OnOpenDocument(Write("a.bgd", fixtures::Lines({"pic.bmp", "15"}))));
    std::string path =
        Write("b.bgd", fixtures::Lines({"gone.bmp", "20", "Start Grid", "2", "3", "End Grid"}));
    EXPECT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(boxes.count(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text, dir.File("gone.bmp") + " was not found.");
    EXPECT_EQ(boxes.boxes()[1].text, "Unable to load image file " + dir.File("gone.bmp"));
    EXPECT_EQ(boxes.boxes()[1].style, platform::MB_OK);
    EXPECT_EQ(doc.GetCellSize(), 20);
    EXPECT_EQ(doc.GetCells().size(), 1u);
    EXPECT_TRUE(doc.GetPicture());
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{40, 30}));
}

TEST_F(GridDocFile, PictureThatIsNotABitmapLeavesNoPicture) {
    Write("pic.bmp", SmallBitmap(40, 30));
    ASSERT_TRUE(doc.OnOpenDocument(Write("a.bgd", fixtures::Lines({"pic.bmp", "15"}))));
    Write("bad.bmp", "XX not a bitmap at all");
    EXPECT_TRUE(doc.OnOpenDocument(Write("b.bgd", fixtures::Lines({"bad.bmp", "15"}))));
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{"Cannot load DIB",
                                        "Unable to load image file " + dir.File("bad.bmp")}));
    EXPECT_FALSE(doc.GetPicture());
    EXPECT_EQ(doc.GetPalette(), nullptr);
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{1, 1}));
}

TEST_F(GridDocFile, PictureNamesResolveInThePuzzleFolderIgnoringCaseAndBackslashes) {
    std::filesystem::create_directory(dir.File("Pics"));
    Write("Pics/Farm.BMP", SmallBitmap(8, 9));
    ASSERT_TRUE(doc.OnOpenDocument(Write("a.bgd", fixtures::Lines({"pics\\farm.bmp ", "15"}))));
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{8, 9}));
}

TEST_F(GridDocFile, PuzzlePathWithoutFolderLooksForThePictureByItsBareName) {
    Write("pic.bmp", SmallBitmap(5, 6));
    Write("bare.bgd", fixtures::Lines({"pic.bmp", "15"}));
    std::string previous = std::filesystem::current_path();
    ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
    bool opened = doc.OnOpenDocument("bare.bgd");
    ASSERT_EQ(::chdir(previous.c_str()), 0);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(doc.GetPictureSize(), (PictureSize{5, 6}));
    EXPECT_EQ(doc.GetPathName(), "pic.bmp");
}

TEST(GridDocReset, ResetKeepsPictureNameCellSizeAndPicture) {
    CGridDoc doc;
    doc.SetPictureName("x.bmp");
    doc.SetCellSize(21);
    doc.SetGridOffsets(3, 4);
    doc.AddCell(1, 1);
    doc.GetAnswerList() = {"1,1"};
    MarkTrue(doc, 1, 1);
    doc.AddHint({"1,1"});
    doc.SetHighlightedHint(1);
    doc.ResetPuzzle();
    EXPECT_EQ(doc.GetPictureName(), "x.bmp");
    EXPECT_EQ(doc.GetCellSize(), 21);
    EXPECT_EQ(doc.GetGridOffsetX(), 0);
    EXPECT_EQ(doc.GetGridOffsetY(), 0);
    EXPECT_TRUE(doc.GetCells().empty());
    EXPECT_TRUE(doc.GetAnswerList().empty());
    EXPECT_TRUE(doc.GetMarkedTrueList().empty());
    EXPECT_TRUE(doc.GetHints().empty());
    EXPECT_EQ(doc.GetHintCount(), 0);
    EXPECT_EQ(doc.GetHighlightedHint(), 0);
}

TEST(GridDocMarking, ThreeClicksCycleFalseTrueEmpty) {
    CGridDoc doc;
    MakeRow(doc, 3);
    CGridCell& cell = *doc.GetCells()[1];
    ASSERT_TRUE(doc.ToggleCell(1, 0));
    EXPECT_EQ(cell.state, CGridCell::stateFalse);
    EXPECT_TRUE(Keys(doc).empty());
    ASSERT_TRUE(doc.ToggleCell(1, 0));
    EXPECT_EQ(cell.state, CGridCell::stateTrue);
    EXPECT_EQ(Keys(doc), (std::vector<std::string>{"1,0"}));
    ASSERT_TRUE(doc.ToggleCell(1, 0));
    EXPECT_EQ(cell.state, CGridCell::stateEmpty);
    EXPECT_TRUE(Keys(doc).empty());
}

TEST(GridDocMarking, RemarkingMovesAKeyToTheEnd) {
    CGridDoc doc;
    MakeRow(doc, 3);
    MarkTrue(doc, 1, 0); // B
    MarkTrue(doc, 0, 0); // A
    EXPECT_EQ(Keys(doc), (std::vector<std::string>{"1,0", "0,0"}));
    ASSERT_TRUE(doc.ToggleCell(1, 0)); // B back to empty
    EXPECT_EQ(Keys(doc), (std::vector<std::string>{"0,0"}));
    MarkTrue(doc, 1, 0); // B true again
    EXPECT_EQ(Keys(doc), (std::vector<std::string>{"0,0", "1,0"}));
}

TEST(GridDocMarking, APositionThatIsNotACellChangesNothing) {
    CGridDoc doc;
    MakeRow(doc, 2);
    MarkTrue(doc, 0, 0);
    EXPECT_FALSE(doc.ToggleCell(5, 0));
    EXPECT_FALSE(doc.ToggleCell(0, 1));
    EXPECT_FALSE(doc.ToggleCell(-1, 0));
    EXPECT_EQ(Keys(doc), (std::vector<std::string>{"0,0"}));
    EXPECT_EQ(doc.GetCells()[0]->state, CGridCell::stateTrue);
    EXPECT_EQ(doc.GetCells()[1]->state, CGridCell::stateEmpty);
}

TEST(GridDocMarking, OnlyTheFirstOfTwoCellsAtOnePositionCycles) {
    CGridDoc doc;
    doc.AddCell(2, 2);
    doc.AddCell(2, 2);
    ASSERT_TRUE(doc.ToggleCell(2, 2));
    EXPECT_EQ(doc.GetCells()[0]->state, CGridCell::stateFalse);
    EXPECT_EQ(doc.GetCells()[1]->state, CGridCell::stateEmpty);
}

TEST(GridDocMarking, KeysAreDecimalWithoutBlanks) {
    EXPECT_EQ(CellKey(3, 12), "3,12");
    EXPECT_EQ(CellKey(-1, 0), "-1,0");
    int c = 0, r = 0;
    SplitCellKey("3,12", c, r);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 12);
    SplitCellKey("7", c, r);
    EXPECT_EQ(c, 7);
    EXPECT_EQ(r, 0);
}

namespace {

// A board with answer cells 0..a-1 of row 0 and cells to a + extra.
struct Checked {
    bool result;
    int percent;
    int marked;
    int correct;
};

Checked Check(int answers, int correctMarks, int wrongMarks) {
    CGridDoc doc;
    MakeRow(doc, answers + wrongMarks);
    for (int c = 0; c < answers; ++c)
        doc.GetAnswerList().push_back(CellKey(c, 0));
    for (int c = 0; c < correctMarks; ++c)
        MarkTrue(doc, c, 0);
    for (int c = 0; c < wrongMarks; ++c)
        MarkTrue(doc, answers + c, 0);
    Checked out{};
    out.result = doc.CompareWithAnswer(&out.percent, &out.marked, &out.correct);
    return out;
}

} // namespace

TEST(GridDocCompare, ExamplesOfThePercentage) {
    Checked a = Check(10, 7, 3);
    EXPECT_FALSE(a.result);
    EXPECT_EQ(a.percent, 70);
    EXPECT_EQ(a.marked, 10);
    EXPECT_EQ(a.correct, 7);
    EXPECT_EQ(Check(10, 9, 3).percent, 70); // M = 12
    EXPECT_EQ(Check(3, 2, 1).percent, 66);
}

TEST(GridDocCompare, TwentyNineOfFiftyTruncatesTo57) {
    Checked c = Check(50, 29, 0);
    EXPECT_FALSE(c.result);
    EXPECT_EQ(c.percent, 57);
}

TEST(GridDocCompare, SolvedOnlyWhenTheMarksAreExactlyTheAnswer) {
    Checked solved = Check(6, 6, 0);
    EXPECT_TRUE(solved.result);
    EXPECT_EQ(solved.percent, 100);
    Checked extra = Check(7, 7, 1);
    EXPECT_FALSE(extra.result);
    EXPECT_EQ(extra.percent, 6 * 100 / 7); // (A - 1) x 100 / A, truncated: 85
    Checked nothing = Check(5, 0, 0);
    EXPECT_FALSE(nothing.result);
    EXPECT_EQ(nothing.percent, 0);
    EXPECT_EQ(nothing.marked, 0);
}

TEST(GridDocCompare, MarksBeyondTheAnswerCountCanMakeItNegative) {
    Checked c = Check(2, 0, 5);
    EXPECT_FALSE(c.result);
    EXPECT_EQ(c.percent, -150);
    EXPECT_EQ(c.correct, 0);
}

TEST(GridDocCompare, EmptyAnswerReportsZeroPercent) {
    Checked none = Check(0, 0, 0);
    EXPECT_TRUE(none.result);
    EXPECT_EQ(none.percent, 0);
    Checked marked = Check(0, 0, 2);
    EXPECT_FALSE(marked.result);
    EXPECT_EQ(marked.percent, 0);
    EXPECT_EQ(marked.marked, 2);
}

TEST(GridDocCompare, NullPercentStoresNothingAtAll) {
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
}

TEST(GridDocCompare, KeysCompareAsWholeStrings) {
    CGridDoc doc;
    MakeRow(doc, 2);
    doc.GetAnswerList() = {"1, 0"};
    MarkTrue(doc, 1, 0);
    int percent = 0, marked = 0, correct = 0;
    EXPECT_FALSE(doc.CompareWithAnswer(&percent, &marked, &correct));
    EXPECT_EQ(correct, 0);
}

TEST(GridDocHints, OneHintGivesItsNumberAndName) {
    CGridDoc doc;
    MakeRow(doc, 6);
    doc.AddHint({"0,0"});
    doc.AddHint({"1,0"});
    doc.AddHint({"4,0", "3,0"});
    std::string text = "stale";
    EXPECT_EQ(doc.GetHintsForCell(3, 0, text), 3);
    EXPECT_EQ(text, "Hint 3");
    EXPECT_EQ(doc.GetHintsForCell(5, 0, text), 0);
    EXPECT_EQ(text, "");
}

TEST(GridDocHints, SeveralHintsGiveZeroAndTheListOfNames) {
    CGridDoc doc;
    MakeRow(doc, 3);
    for (int i = 1; i <= 5; ++i)
        doc.AddHint(i == 2 || i == 5 ? CGridDoc::KeyList{"2,0"} : CGridDoc::KeyList{"0,0"});
    std::string text;
    EXPECT_EQ(doc.GetHintsForCell(2, 0, text), 0);
    EXPECT_EQ(text, "Hint 2, Hint 5");
    EXPECT_EQ(doc.GetHintsForCell(0, 0, text), 0);
    EXPECT_EQ(text, "Hint 1, Hint 3, Hint 4");

    CGridDoc twice;
    MakeRow(twice, 1);
    twice.AddHint({"0,0", "0,0"});
    EXPECT_EQ(twice.GetHintsForCell(0, 0, text), 0);
    EXPECT_EQ(text, "Hint 1, Hint 1");
}

TEST(GridDocHints, APositionThatIsNotACellGivesNothingEvenWhenAHintNamesIt) {
    CGridDoc doc;
    MakeRow(doc, 1);
    doc.AddHint({"9,9"});
    std::string text = "stale";
    EXPECT_EQ(doc.GetHintsForCell(9, 9, text), 0);
    EXPECT_EQ(text, "");
}
