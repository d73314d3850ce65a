// The puzzle generator, the board layout, the page builder and the media
// writers.
#include "puzzlegen/Board.h"
#include "puzzlegen/Generator.h"
#include "puzzlegen/Media.h"
#include "puzzlegen/Pages.h"
#include "puzzlegen/Shelf.h"
#include "puzzlegen/Story.h"
#include "reasoning/ExactSolver.h"

#include <gtest/gtest.h>
#include <set>

using namespace puzzlegen;

namespace {

bool MarkIsTrue(const Solution& s, const Mark& m) {
    return (s.EntityOf(m.x) == s.EntityOf(m.y)) == m.yes;
}

} // namespace

// ---- Generator ----------------------------------------------------------------

TEST(Generator, HundredsOfSeedsGiveUniqueMinimalPuzzlesWithSoundDeductions) {
    const Shape shapes[] = {{3, 4, -1}, {3, 4, 2}, {3, 5, 1}, {4, 4, 3},
                            {4, 5, 1},  {5, 4, 2}, {5, 5, 4}, {5, 6, 2}};
    int made = 0;
    int grades[5] = {};
    for (const Shape& shape : shapes) {
        const int seeds = shape.cats * shape.items >= 25 ? 20 : 50;
        for (int seed = 1; seed <= seeds; ++seed) {
            GeneratedPuzzle p;
            ASSERT_TRUE(Generate(shape, seed, GenOptions{}, p)) << shape.cats << "x" << shape.items;
            ++made;
            ASSERT_LE(p.clues.size(), size_t(kMaxClues));
            for (const Clue& c : p.clues) {
                EXPECT_TRUE(IsWellFormed(shape, c));
                EXPECT_TRUE(Holds(shape, c, p.solution));
            }
            Solution only;
            ASSERT_EQ(CExactSolver(shape, p.clues).Count(5, &only), 1);
            EXPECT_EQ(only, p.solution);
            for (size_t drop = 0; drop < p.clues.size(); ++drop) {
                std::vector<Clue> rest = p.clues;
                rest.erase(rest.begin() + static_cast<long>(drop));
                EXPECT_GE(CExactSolver(shape, rest).Count(2), 2)
                    << "clue " << drop << " is not needed, seed " << seed;
            }
            EXPECT_TRUE(p.grading.solved);
            // Every deduction the grader recorded is true of the solution.
            for (const Step& s : p.grading.steps)
                ASSERT_TRUE(MarkIsTrue(p.solution, s.mark)) << "seed " << seed;
            // And so is every direct mark of every clue.
            for (const Clue& c : p.clues)
                for (const Mark& m : DirectMarks(shape, c))
                    EXPECT_TRUE(MarkIsTrue(p.solution, m));
            ++grades[Grade(p.grading)];
        }
    }
    EXPECT_GE(made, 300);
    // The grader tells puzzles apart: several grades occur.
    EXPECT_GT(grades[1], 0);
    EXPECT_GT(grades[2], 0);
    EXPECT_GT(grades[3] + grades[4], 0);
}

TEST(Generator, OnlyEnabledClueKindsAreUsed) {
    GenOptions options;
    for (int& w : options.weight)
        w = 0;
    options.weight[int(ClueKind::Is)] = 1;
    options.weight[int(ClueKind::IsNot)] = 1;
    GeneratedPuzzle p;
    ASSERT_TRUE(Generate({4, 4, 1}, 5, options, p));
    for (const Clue& c : p.clues)
        EXPECT_TRUE(c.kind == ClueKind::Is || c.kind == ClueKind::IsNot);
}

// ---- Board layout (its puzzle file: every bundled game, GameData_test) ----------

TEST(Board, EveryPairOfItemsHasItsOwnCellInTheStaircase) {
    for (const Shape shape : {Shape{3, 4, -1}, Shape{4, 5, 1}, Shape{5, 6, 2}}) {
        const CBoardLayout layout(shape, 20, 90, 95);
        const auto cells = layout.Cells();
        const int pairs = shape.cats * (shape.cats - 1) / 2;
        ASSERT_EQ(static_cast<int>(cells.size()), pairs * shape.items * shape.items);
        std::set<std::pair<int, int>> cellSet(cells.begin(), cells.end());
        ASSERT_EQ(cellSet.size(), cells.size());
        std::set<std::pair<int, int>> used;
        for (int c1 = 0; c1 < shape.cats; ++c1)
            for (int c2 = c1 + 1; c2 < shape.cats; ++c2)
                for (int a = 0; a < shape.items; ++a)
                    for (int b = 0; b < shape.items; ++b) {
                        int col = 0, row = 0, col2 = 0, row2 = 0;
                        ASSERT_TRUE(layout.CellOf({c1, a}, {c2, b}, col, row));
                        ASSERT_TRUE(layout.CellOf({c2, b}, {c1, a}, col2, row2));
                        EXPECT_EQ(col, col2);
                        EXPECT_EQ(row, row2);
                        EXPECT_TRUE(cellSet.count({col, row}));
                        EXPECT_TRUE(used.insert({col, row}).second);
                        Attr rowItem, colItem;
                        layout.ItemsOf(col, row, rowItem, colItem);
                        const std::set<std::pair<int, int>> got = {{rowItem.cat, rowItem.item},
                                                                   {colItem.cat, colItem.item}};
                        const std::set<std::pair<int, int>> want = {{c1, a}, {c2, b}};
                        EXPECT_EQ(got, want);
                    }
        // Category 0 runs down the left against every other category.
        EXPECT_EQ(layout.RowCat(0), 0);
        for (int j = 0; j < layout.Blocks(); ++j)
            EXPECT_EQ(layout.ColumnCat(j), j + 1);
    }
}

// ---- Stories and pages ----------------------------------------------------------

TEST(Pages, WrappedRowsFitAndEveryGamePageIsThere) {
    const CFixedMeasure measure(9);
    ShelfSlot slot;
    slot.shape = {5, 5, 3};
    slot.theme = 4;
    slot.grade = 3;
    slot.seed = 31;
    const ShelfGame game = MakeShelfGame(slot, 5);
    const CStory story(Themes()[slot.theme], game.puzzle.shape, game.seedUsed);
    const auto pages = MakeGamePages(game, story, measure);
    const size_t clues = game.puzzle.clues.size();
    ASSERT_EQ(pages.size(), 2 * (clues + 1));
    EXPECT_EQ(pages[0].suffix, "_00");
    EXPECT_EQ(pages[clues].suffix,
              "_" + std::string(clues < 10 ? "0" : "") + std::to_string(clues));
    EXPECT_EQ(pages[clues + 1].suffix, "-00");
    for (const NamedPage& page : pages) {
        EXPECT_LE(page.widest, 296) << page.suffix;
        for (const PageRecord& r : page.page.records) {
            EXPECT_LT(r.text.size(), 2046u);
            EXPECT_EQ(r.text.find('\n'), std::string::npos);
            if (r.style == kReveal) {
                EXPECT_NE(r.blockTitle, "2.");
                EXPECT_NE(r.blockTitle, "0");
                EXPECT_FALSE(r.blockTitle.empty());
                EXPECT_FALSE(r.text.empty()); // an empty one is drawn in the style before it
                EXPECT_FALSE(r.entries.empty());
            }
            if (r.endRow && r.style != kIndent) {
                EXPECT_FALSE(r.text.empty()) << page.suffix;
            }
        }
    }
    // Hint pages hold a reveal block whose title is the short answer.
    bool sawBlock = false;
    for (const PageRecord& r : pages[1].page.records)
        if (r.style == kReveal) {
            sawBlock = true;
            EXPECT_NE(r.blockTitle.find(" - "), std::string::npos) << r.blockTitle;
        }
    EXPECT_TRUE(sawBlock);
}

TEST(Pages, ParagraphWrapsAtWordsAcrossStyles) {
    const CFixedMeasure measure(10);
    CPageBuilder b(measure, "T", 100);
    b.Paragraph({{"Label: ", kBold}, {"one two three four five six", kPlain}});
    const auto& r = b.Page().records;
    // "Label: one" (10 chars) fits; the rest wraps in rows of at most 10.
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0].text, "Label: ");
    EXPECT_FALSE(r[0].endRow);
    EXPECT_EQ(r[1].text, "one");
    EXPECT_TRUE(r[1].endRow);
    EXPECT_LE(b.WidestRow(), 100);
    std::string all;
    for (const PageRecord& rec : r)
        all += rec.text + (rec.endRow ? " " : "");
    EXPECT_EQ(all, "Label: one two three four five six ");
}

TEST(Pages, TableRefusesWhatDoesNotFit) {
    const CFixedMeasure measure(10);
    CPageBuilder b(measure, "T", 100);
    EXPECT_FALSE(b.Table({{"aaaaaa", "bbbbbb"}, {"c", "d"}}, kBold, kPlain));
    EXPECT_TRUE(b.Page().records.empty());
    EXPECT_TRUE(b.Table({{"aa", "bb"}, {"c", "d"}}, kBold, kPlain));
    EXPECT_EQ(b.Page().records.size(), 2u);
    // Column 2 starts at the first tab stop (16 pixels apart) past column 1
    // and the gap: 32 pixels, two tabs on from "c" at 10.
    EXPECT_EQ(b.Page().records[1].text, "c\t\td");
}

TEST(Story, ClueTextsAreSentencesWithoutPlaceholders) {
    // A game code holds the theme in five bits, one value of them for "any".
    EXPECT_LE(Themes().size(), 31u);
    std::set<std::string> titles;
    for (size_t t = 0; t < Themes().size(); ++t) {
        // Both tellings have a title of their own and tell every category.
        for (int telling : {0, 1}) {
            const ThemeDef& theme = ShelfTheme(static_cast<int>(t), telling);
            EXPECT_TRUE(titles.insert(theme.title).second) << theme.title;
            const std::string intro = CStory(theme, {6, 6, 4}, t).Intro();
            EXPECT_EQ(intro.find('{'), std::string::npos) << intro;
            EXPECT_EQ(intro.find(", ,"), std::string::npos) << intro;
            EXPECT_EQ(intro.find(" and ."), std::string::npos) << intro;
        }
        GeneratedPuzzle p;
        const Shape shape{5, 6, 2};
        ASSERT_TRUE(Generate(shape, t + 3, GenOptions{}, p));
        const CStory story(Themes()[t], shape, t);
        for (const Clue& c : p.clues) {
            const std::string text = story.ClueText(c);
            EXPECT_EQ(text.find('{'), std::string::npos) << text;
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(text[0]))) << text;
            EXPECT_EQ(text.back(), '.') << text;
        }
    }
}

// ---- Media ------------------------------------------------------------------------

TEST(Media, BitmapIsEightBitWithItsColourTableAndPaddedRows) {
    IndexedImage img;
    img.width = 3;
    img.height = 2;
    img.palette = {0xff0000, 0x00ff00, 0x0000ff};
    img.pixels = {0, 1, 2, 2, 1, 0};
    const auto b = EncodeBmp8(img);
    auto u32 = [&](size_t at) {
        return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
               uint32_t(b[at + 3]) << 24;
    };
    ASSERT_EQ(b.size(), 14 + 40 + 3 * 4 + 2 * 4u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(2), b.size());
    EXPECT_EQ(u32(10), 14 + 40 + 12u);
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u32(18), 3u);
    EXPECT_EQ(u32(22), 2u); // positive height: bottom-up
    EXPECT_EQ(b[28], 8);
    EXPECT_EQ(u32(46), 3u); // colours used
    EXPECT_EQ(b[54], 0x00); // first entry blue, green, red
    EXPECT_EQ(b[56], 0xff);
    // Bottom row first: 2 1 0 and one byte of padding.
    EXPECT_EQ(b[66], 2);
    EXPECT_EQ(b[68], 0);
    EXPECT_EQ(b[70], 0);
}

TEST(Media, EverySoundTheGamePlaysIsMadeAsShortPcm) {
    const std::set<std::string> wanted = {
        "start.wav",   "clue.wav",     "corcheck.wav", "inccheck.wav", "incshow.wav",
        "correct.wav", "wrong.wav",    "whoosh.wav",   "dxup.wav",     "new.wav",
        "About.wav",   "startant.wav", "gotcha.wav",   "shoop.wav",    "endant.wav"};
    std::set<std::string> made;
    for (const SoundDef& s : GameSounds()) {
        made.insert(s.file);
        const auto samples = Synthesize(s.notes);
        EXPECT_GT(samples.size(), size_t(kSoundRate / 50)) << s.file;
        EXPECT_LT(samples.size(), size_t(kSoundRate * 2)) << s.file;
        int peak = 0;
        for (int16_t v : samples)
            peak = std::max(peak, std::abs(int(v)));
        EXPECT_GT(peak, 3000) << s.file << " is silent";
        const auto bytes = EncodeWav16(samples, kSoundRate);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
        EXPECT_EQ(bytes.size(), 44 + samples.size() * 2);
    }
    EXPECT_EQ(made, wanted);
}
