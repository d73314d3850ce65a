// Reading page files: the line rules, the records, rows, scroll stops, links,
// buttons and reveal blocks, and how damaged files are read.
#include "pages/PageLineReader.h"
#include "pages/PageView.h"
#include "pages/Texts.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "tests/support/FakePageCanvas.h"
#include "tests/support/PageFixtures.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using testing_support::FakePageCanvas;
using testing_support::PageBuilder;
using testing_support::PageEntry;

namespace {

const PageMetrics kM = FakePageCanvas::Metrics();

CPageView Read(const std::string& bytes, int revealMode = 0) {
    CPageView view;
    view.metrics = kM;
    CPageLineReader reader = CPageLineReader::FromBytes(bytes);
    view.ReadFrom(reader, 0, revealMode);
    return view;
}

std::vector<std::string> Lines(const std::string& bytes) {
    CPageLineReader reader = CPageLineReader::FromBytes(bytes);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
}

} // namespace

// --- Lines -----------------------------------------------------------------

TEST(PageFileLines, CrLfReadsAsOneNewlineAndLfAlike) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Lines("ab\r\ncd\r\n"), (V{"ab\n", "cd\n"}));
    EXPECT_EQ(Lines("ab\ncd\n"), (V{"ab\n", "cd\n"}));
    EXPECT_EQ(Lines("ab\r\ncd"), (V{"ab\n", "cd"}));
    // A carriage return on its own stays.
    EXPECT_EQ(Lines("a\rb\r\r\n"), (V{"a\rb\r\n"}));
    EXPECT_EQ(Lines(""), V{});
    // Ctrl-Z ends the file.
    EXPECT_EQ(Lines("ab\ncd\x1A"
                    "ef\n"),
              (V{"ab\n", "cd"}));
}

// --- Pages -----------------------------------------------------------------

TEST(PageReader, TextLinesAreCutAndOneWithoutFinalNewlineDoesNotEndTheRow) {
    CPageView view = Read("T\nHello\n13\n1\n");
    ASSERT_EQ(view.model.items.size(), 1u);
    EXPECT_EQ(view.model.items[0].text, "Hello");
    // As the last line without newline the same text loses its last letter.
    view = Read("T\nHello");
    ASSERT_EQ(view.model.items.size(), 1u);
    EXPECT_EQ(view.model.items[0].text, "Hell");
    EXPECT_EQ(view.model.items[0].style, 13); // cut short before its style line

    view = Read("T\nabc\n2\n1");
    ASSERT_EQ(view.model.items.size(), 1u);
    EXPECT_FALSE(view.model.items[0].endOfRow);
    EXPECT_EQ(view.model.items[0].style, 2);
    EXPECT_TRUE(view.model.rows.empty());
    EXPECT_TRUE(view.model.scrollStops.empty());

    view = Read("T\nabc\n2\n1\n");
    EXPECT_TRUE(view.model.items[0].endOfRow);
    EXPECT_EQ(view.model.rows.size(), 1u);
    // Anything but "1" does not end a row.
    view = Read("T\nabc\n2\n 1\nd\n2\n1 \n");
    EXPECT_TRUE(view.model.rows.empty());
}

TEST(PageReader, RowsStopsAndHeightsFollowTheStyleTable) {
    PageBuilder page("T");
    page.Text("Big", 9, false).Text("small", 13, true); // row: max(hC, hB)
    page.Text("", 16, true);                            // half small line
    page.Text("", 17, true);                            // half line
    page.Text("s", 6, false).Text("r", 8, true);        // code 8 after hE keeps hE
    page.Text("x", 13, false).Text("r", 8, true);       // else hB
    CPageView view = Read(page.Lf());
    const auto& rows = view.model.rows;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].height, kM.hC);
    EXPECT_EQ(rows[0].firstItem, 0);
    EXPECT_EQ(rows[1].height, kM.hE / 2);
    EXPECT_EQ(rows[1].firstItem, 2);
    EXPECT_EQ(rows[2].height, kM.hB / 2);
    EXPECT_EQ(rows[3].height, kM.hE);
    EXPECT_EQ(rows[4].height, kM.hB);
    EXPECT_EQ(rows[4].firstItem, 6);
    ASSERT_EQ(view.model.scrollStops.size(), 5u);
    int top = 0;
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(view.model.scrollStops[i].top, top);
        EXPECT_EQ(view.model.scrollStops[i].height, rows[i].height);
        top += rows[i].height;
    }
    EXPECT_EQ(view.model.pageHeight, top + kM.hB); // blank margin at the bottom
}

TEST(PageReader, RevealModesDecideWhichTitlesStartRevealed) {
    PageBuilder page("T");
    page.Block("2.", {{"h", "r"}})
        .Block("0", {{"h", "r"}})
        .Block("2.5", {{"h", "r"}})
        .Block("00", {{"h", "r"}});
    auto revealed = [&](int mode) {
        CPageView view = Read(page.Lf(), mode);
        std::vector<bool> flags;
        for (const auto& b : view.model.blocks) {
            flags.push_back(b->revealed);
            EXPECT_EQ(b->revealedInColour, !b->revealed); // pre-revealed blocks are drawn black
        }
        return flags;
    };
    EXPECT_EQ(revealed(0), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(revealed(1), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(revealed(2), (std::vector<bool>{false, false, false, false}));
}

TEST(PageReader, ThreeEntryBlockGivesFourStopsAndNoneForItsRow) {
    PageBuilder page("T");
    page.Text("Question", 13).Block("Why?", {{"a", "A"}, {"b", "B"}, {"c", "C"}});
    CPageView view = Read(page.Lf());
    ASSERT_EQ(view.model.blocks.size(), 1u);
    const CRevealBlock& block = *view.model.blocks[0];
    ASSERT_EQ(block.entries.size(), 3u);
    EXPECT_EQ(block.entries[2].hiddenText, "c");
    EXPECT_EQ(block.entries[2].revealedText, "C");
    // Boxes from the file: left x - 1, right x, one line each.
    EXPECT_EQ(block.entries[0].hiddenBox, (PageRect{9, kM.hB, 60, 2 * kM.hB - 1}));
    EXPECT_EQ(block.entries[1].revealedBox, (PageRect{9, 2 * kM.hB, 90, 3 * kM.hB - 1}));
    ASSERT_EQ(view.model.scrollStops.size(), 5u); // 1 for the question + 4
    for (size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(view.model.scrollStops[i].height, kM.hB);
        EXPECT_EQ(view.model.scrollStops[i].top, static_cast<int>(i) * kM.hB);
    }
    EXPECT_EQ(view.model.rows.size(), 2u);
    EXPECT_EQ(view.model.pageHeight, 5 * kM.hB + kM.hB);
}

TEST(PageReader, Code18MakesAnInlineBlockAndTheSentenceThatLinksIt) {
    PageBuilder page("T");
    page.InlineBlock("in", {{"???", "blue"}}, "2.", {{"It is ^.", "It is ^!"}});
    CPageView view = Read(page.Lf());
    ASSERT_EQ(view.model.blocks.size(), 2u);
    EXPECT_TRUE(view.model.blocks[0]->isInline);
    EXPECT_EQ(view.model.blocks[0]->title, "in");
    EXPECT_FALSE(view.model.blocks[1]->isInline);
    EXPECT_EQ(view.model.blocks[1]->linked, view.model.blocks[0].get());
    EXPECT_TRUE(view.model.blocks[1]->revealed); // "2." in mode 0
    EXPECT_FALSE(view.model.blocks[0]->revealed);
    // Only the sentence block adds scroll stops (one entry: two), not its row.
    EXPECT_EQ(view.model.scrollStops.size(), 2u);
    // A plain block after it links nothing.
    page.Block("x", {{"a", "b"}});
    view = Read(page.Lf());
    EXPECT_EQ(view.model.blocks[2]->linked, nullptr);
}

TEST(PageReader, ButtonsStandOnTheirRowsWithIdsFrom128EveryLoad) {
    PageBuilder page("T");
    page.Text("row 0").Button("one").Text("row 1").Text("row 2").Button("two", true);
    CPageView view;
    view.metrics = kM;
    for (int load = 0; load < 2; ++load) {
        CPageLineReader reader = CPageLineReader::FromBytes(page.Lf());
        view.ReadFrom(reader, 0, 0);
        ASSERT_EQ(view.model.buttons.size(), 2u);
        EXPECT_EQ(view.model.buttons[0].id, 128);
        EXPECT_EQ(view.model.buttons[1].id, 129);
        EXPECT_EQ(view.model.buttons[0].text, "one");
        EXPECT_EQ(view.model.buttons[0].rowIndex, 1);
        EXPECT_EQ(view.model.buttons[1].rowIndex, 3); // rows ended before it
    }
}

// --- LoadPage's reading half on real files ---------------------------------

class PageLoadTest : public ::testing::Test {
protected:
    PageLoadTest() : data(dir.Path()) {
        ::mkdir((dir.Path() + "data").c_str(), 0755);
        view.metrics = kM;
    }
    testing_support::TempDir dir;
    testing_support::ScopedDataFolder data;
    testing_support::MessageRecorder boxes;
    CPageView view;
};

TEST_F(PageLoadTest, OpenFailureReportsAndChangesNothing) {
    testing_support::WriteBytes(dir.File("data/a.htf"), PageBuilder("A").Text("x").Lf());
    ASSERT_EQ(view.ReadPage(dir.File("data/a.htf"), 0, true, 0), CPageView::loadOk);
    view.scrollPos = 0;
    std::string missing = dir.File("data/missing.htf");
    EXPECT_EQ(view.ReadPage(missing, 0, true, 0), CPageView::loadOpenFailed);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Unable to load " + missing);
    EXPECT_EQ(boxes.last().caption, "File Error");
    EXPECT_EQ(boxes.last().style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    EXPECT_EQ(view.model.caption, "A");
    EXPECT_EQ(view.model.items.size(), 1u);
    EXPECT_EQ(view.currentFile, dir.File("data/a.htf"));
    // Without reporting: no box.
    EXPECT_EQ(view.ReadPage(missing, 0, false, 0), CPageView::loadOpenFailed);
    EXPECT_EQ(boxes.count(), 1u);
    // A folder in place of the file fails too.
    ::mkdir((dir.Path() + "data/folder.htf").c_str(), 0755);
    EXPECT_NE(view.ReadPage(dir.File("data/folder.htf"), 0, true, 0), CPageView::loadOk);
    EXPECT_EQ(boxes.count(), 2u);
}

TEST_F(PageLoadTest, ReadErrorMidFileReportsAndKeepsWhatWasRead) {
    std::string text = PageBuilder("Mid").Text("one").Text("two").Text("three").CrLf();
    testing_support::WriteBytes(dir.File("data/b.htf"), text);
    CPageFile::FailReadAfter(text.find("two"), platform::causeHardIO);
    EXPECT_EQ(view.ReadPage(dir.File("data/b.htf"), 0, true, 0), CPageView::loadReadFailed);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Unable to load " + dir.File("data/b.htf"));
    EXPECT_EQ(view.model.caption, "Mid");
    ASSERT_EQ(view.model.items.size(), 1u);
    EXPECT_EQ(view.model.items[0].text, "one");
    EXPECT_EQ(view.model.rows.size(), 1u);
    // The hook fires once: the next load reads the whole file.
    EXPECT_EQ(view.ReadPage(dir.File("data/b.htf"), 0, true, 0), CPageView::loadOk);
    EXPECT_EQ(view.model.items.size(), 3u);
}
