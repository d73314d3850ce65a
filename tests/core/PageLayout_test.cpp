// Laying out and drawing pages on a canvas with fixed metrics, scrolling,
// where the page buttons stand, and what a click hits.
#include "pages/PageLineReader.h"
#include "pages/PageView.h"
#include "tests/support/FakePageCanvas.h"
#include "tests/support/PageFixtures.h"

#include <gtest/gtest.h>

using testing_support::FakePageCanvas;
using testing_support::PageBuilder;

namespace {

const PageMetrics kM = FakePageCanvas::Metrics();
constexpr PageColor kRed{255, 0, 0};
constexpr PageColor kMagenta{255, 0, 255};
constexpr PageColor kBlackC{0, 0, 0};

struct Page {
    CPageView view;
    FakePageCanvas canvas;

    explicit Page(const std::string& bytes, int revealMode = 0) {
        view.metrics = kM;
        CPageLineReader reader = CPageLineReader::FromBytes(bytes);
        view.ReadFrom(reader, 0, revealMode);
        Draw();
    }
    void Draw() {
        canvas.runs.clear();
        view.DrawPage(canvas, view.PageLimit());
    }
    // A click as the page window makes it: OnShowAnswer flips and redraws.
    std::vector<std::string> Click(int x, int y) {
        std::vector<std::string> calls;
        view.Click(
            x, y, [&](const CPageLink& link) { calls.push_back("jump " + link.target); },
            [&](CRevealBlock& block) {
                block.revealed = !block.revealed;
                calls.push_back("answer " + block.title);
                Draw();
            });
        return calls;
    }
};

std::string Rows(int n) {
    PageBuilder page("Rows");
    for (int i = 0; i < n; ++i)
        page.Text("row " + std::to_string(i));
    return page.Lf();
}

} // namespace

TEST(DrawPage, RowsStackFromFiveFiveWithTheirStyles) {
    PageBuilder page("T");
    page.Text("Head", 0).Text("some ", 13, false).Text("bold", 2, false).Link("goto", "x.htf", 12);
    page.Text("Big", 9).Text("italic", 5);
    Page p(page.Lf());
    const auto* head = p.canvas.Find("Head");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->x, 5);
    EXPECT_EQ(head->y, 5);
    EXPECT_EQ(head->font, fontA);
    const auto* bold = p.canvas.Find("bold");
    ASSERT_TRUE(bold);
    EXPECT_EQ(bold->x, 5 + 50);
    EXPECT_EQ(bold->y, 5 + kM.hA);
    EXPECT_EQ(bold->font, fontG);
    const auto* link = p.canvas.Find("goto");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->color, (PageColor{0, 155, 0}));
    EXPECT_EQ(p.view.model.links[0].box, (PageRect{95, 5 + kM.hA, 135, 5 + kM.hA + 18}));
    const auto* big = p.canvas.Find("Big");
    EXPECT_EQ(big->font, fontC);
    EXPECT_EQ(big->y, 5 + kM.hA + kM.hB);
    EXPECT_EQ(p.canvas.Find("italic")->font, fontH);
    EXPECT_EQ(p.canvas.Find("italic")->y, 5 + kM.hA + kM.hB + kM.hC);
    // Drawing writes each row's drawn height.
    EXPECT_EQ(p.view.model.rows[2].height, kM.hC);
    EXPECT_EQ(p.canvas.defaultFontSelected, 1);
}

// Where a text lands after the style codes before it.
TEST(DrawPage, StyleCodesPlaceTheTextsAfterThem) {
    auto page = [] { return PageBuilder("T"); };
    const struct {
        const char* what;
        std::string bytes;
        const char* text;
        int x, y, font;
    } cases[] = {
        {"an empty text ending a row takes the previous style",
         page().Text("Big", 9, false).Text("", 13, true).Text("x").Lf(), "x", 5, 5 + kM.hC, fontB},
        {"code 8 takes font E after code 6", page().Text("small", 6, false).Text("after", 8).Lf(),
         "after", 5 + 50, 5, fontE},
        {"code 8 takes font E before code 6",
         page().Text("before", 8, false).Text("small2", 6).Lf(), "before", 5, 5, fontE},
        {"code 8 alone is font B", page().Text("plain").Text("alone", 8).Lf(), "alone", 5,
         5 + kM.hB, fontB},
        {"code 15 indents the rows after it",
         page().Text("Q: ", 13, false).Text("", 15, false).Text("first").Text("second").Lf(),
         "second", 35, 5 + kM.hB, fontB},
        {"until the next code 15",
         page().Text("", 15, false).Text("first").Text("", 15, true).Text("third").Lf(), "third", 5,
         5 + 2 * kM.hB, fontB},
        {"a button leaves forty pixels", page().Button("b").Text("after").Lf(), "after", 45, 5,
         fontB},
        {"codes 16 and 17 make half rows",
         page()
             .Text("", 16, false)
             .Text("", 16, true)
             .Text("b")
             .Text("", 17, false)
             .Text("", 17)
             .Text("c")
             .Lf(),
         "c", 5, 5 + kM.hE / 2 + kM.hB + kM.hB / 2, fontB},
        // Reading gives the space row half a line; drawing measures it with
        // the style of the text before it.
        {"an empty row end takes the previous style even for space codes",
         page().Text("a").Text("", 16, true).Text("b").Lf(), "b", 5, 5 + 2 * kM.hB, fontB},
    };
    for (const auto& c : cases) {
        Page p(c.bytes);
        const auto* run = p.canvas.Find(c.text);
        ASSERT_TRUE(run) << c.what;
        EXPECT_EQ(run->x, c.x) << c.what;
        EXPECT_EQ(run->y, c.y) << c.what;
        EXPECT_EQ(run->font, c.font) << c.what;
    }
    Page alone(page().Text("alone", 8).Lf());
    EXPECT_EQ(alone.canvas.Find("alone")->color, (PageColor{155, 0, 0}));
    EXPECT_EQ(alone.view.model.rows[0].height, kM.hB);
    Page space(cases[8].bytes);
    EXPECT_EQ(space.view.model.scrollStops[1].height, kM.hE / 2);
    EXPECT_EQ(space.view.model.rows[1].height, kM.hB);
}

TEST(DrawPage, RevealBlocksAreRedHiddenAndMagentaOrBlackRevealed) {
    PageBuilder page("T");
    page.Block("Why?", {{"hidden one", "shown one"}, {"hidden two", "shown two"}}, true, "");
    page.Block("0", {{"pre hidden", "pre shown"}});
    Page p(page.Lf());
    const auto* one = p.canvas.Find("hidden one");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->color, kRed);
    EXPECT_EQ(one->font, fontB);
    const auto* two = p.canvas.Find("hidden two");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->x, 5);
    EXPECT_EQ(two->y, 5 + 18); // one line of the block's font below
    EXPECT_EQ(p.canvas.Find("pre shown")->color, kBlackC);
    // Boxes become what was drawn.
    const CRevealEntry& e = p.view.model.blocks[0]->entries[0];
    EXPECT_EQ(e.hiddenBox, (PageRect{4, 5, 5 + 94, 5 + 18})); // one narrow i

    p.view.model.blocks[0]->revealed = true;
    p.Draw();
    EXPECT_EQ(p.canvas.Find("shown two")->color, kMagenta);
    EXPECT_EQ(p.view.model.blocks[0]->entries[1].revealedBox, (PageRect{4, 23, 5 + 90, 23 + 18}));
    // The row after the block starts below its last line.
    EXPECT_EQ(p.canvas.Find("pre shown")->y, 23 + kM.hB);
}

// --- Scrolling -------------------------------------------------------------

TEST(Scrolling, LineAndPageStepsStopAtTheLastRow) {
    Page p(Rows(30));
    CPageView& v = p.view;
    EXPECT_EQ(v.LastScrollPos(), 29);
    EXPECT_EQ(v.Scroll(scrollLineUp), 0);
    EXPECT_EQ(v.Scroll(scrollLineDown), 1);
    EXPECT_EQ(v.ScrollTop(), kM.hB); // one row per line step
    EXPECT_EQ(v.Scroll(scrollPageDown), 16);
    EXPECT_EQ(v.Scroll(scrollPageDown), 29);
    EXPECT_EQ(v.Scroll(scrollPageDown), 29);
    EXPECT_EQ(v.Scroll(scrollLineDown), 29);
    EXPECT_EQ(v.ScrollTop(), 29 * kM.hB); // last row at the window's top
    EXPECT_EQ(v.Scroll(scrollPageUp), 14);
    EXPECT_EQ(v.Scroll(scrollPageUp), 0);
    EXPECT_EQ(v.Scroll(scrollBottom), 29);
    EXPECT_EQ(v.Scroll(scrollEndScroll), 29);
    EXPECT_EQ(v.Scroll(scrollTop), 0);
    EXPECT_EQ(v.Scroll(scrollThumbTrack, 7), 7);
    EXPECT_EQ(v.Scroll(scrollThumbPosition, 12), 12);
}

// --- Buttons ---------------------------------------------------------------

TEST(PageButtons, ButtonsFollowTheirRows) {
    PageBuilder page("T");
    page.Text("row 0").Button("b1").Text("row 1").Text("row 2").Button("b2").Text("row 3");
    Page p(page.Lf());
    auto places = p.view.PlaceButtons(398);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].button, 0u);
    EXPECT_EQ(places[0].x, 5);
    EXPECT_EQ(places[0].y, kM.hB + 5);
    EXPECT_EQ(places[1].y, 3 * kM.hB + 5);

    p.view.Scroll(scrollLineDown);
    places = p.view.PlaceButtons(398);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].y, 5);
    EXPECT_EQ(places[1].y, 2 * kM.hB + 5);

    p.view.Scroll(scrollLineDown); // b1's row scrolled off the top
    places = p.view.PlaceButtons(398);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].button, 1u);
    EXPECT_EQ(places[0].y, kM.hB + 5);

    // A short client area shows only the buttons within it.
    p.view.Scroll(scrollTop);
    places = p.view.PlaceButtons(30);
    ASSERT_EQ(places.size(), 1u);
}

// --- Clicks ----------------------------------------------------------------

TEST(PageClicks, HiddenBlockRevealsAndHidesAgain) {
    PageBuilder page("T");
    page.Text("Q").Block("The answer", {{"click me", "forty-two"}});
    Page p(page.Lf());
    int y = 5 + kM.hB + 3;
    EXPECT_EQ(p.Click(10, y), (std::vector<std::string>{"answer The answer"}));
    EXPECT_TRUE(p.view.model.blocks[0]->revealed);
    EXPECT_EQ(p.canvas.Find("forty-two")->color, kMagenta);
    EXPECT_EQ(p.Click(10, y), (std::vector<std::string>{"answer The answer"}));
    EXPECT_FALSE(p.view.model.blocks[0]->revealed);
    EXPECT_EQ(p.canvas.Find("click me")->color, kRed);
    // Outside every box nothing happens.
    EXPECT_TRUE(p.Click(300, y).empty());

    // A block shown from the start can be hidden.
    PageBuilder shown("T");
    shown.Block("2.", {{"hidden", "shown"}});
    Page q(shown.Lf());
    EXPECT_EQ(q.canvas.Find("shown")->color, kBlackC);
    EXPECT_EQ(q.Click(10, 8).size(), 1u);
    EXPECT_FALSE(q.view.model.blocks[0]->revealed);
}

TEST(PageClicks, InlineRevealAlsoFlipsItsSentence) {
    PageBuilder page("T");
    page.InlineBlock("Inline", {{"???", "blue"}}, "Sentence",
                     {{"It is ^ today.", "It is ^ today!"}});
    Page p(page.Lf());
    int x = 5 + 50 + 5; // inside "???" after "It is " (one 'i' and 'I')
    auto calls = p.Click(x, 8);
    EXPECT_EQ(calls, (std::vector<std::string>{"answer Inline", "answer Sentence"}));
    EXPECT_TRUE(p.view.model.blocks[0]->revealed);
    EXPECT_TRUE(p.view.model.blocks[1]->revealed);
    EXPECT_TRUE(p.canvas.Find("It is blue today!"));
    // Hiding the inline answer stops at the inline block.
    calls = p.Click(x, 8);
    EXPECT_EQ(calls, (std::vector<std::string>{"answer Inline"}));
    // Clicking the sentence outside the inline part flips only the sentence.
    calls = p.Click(8, 8);
    EXPECT_EQ(calls, (std::vector<std::string>{"answer Sentence"}));
}
