// Games of every shape from 3 categories of 4 items to 6 of 8, from fixed
// seeds: each has exactly one solution, the grade it carries is the one the
// tiered solver gives its clues, no two of its clues only restate one fact,
// and its clues and pages say nothing a careful setter would strike. Themes
// too small for a shape are refused with a reason, and "any theme" picks one
// that fits.
#include "platform/FileError.h"
#include "puzzlegen/Board.h"
#include "puzzlegen/Generator.h"
#include "puzzlegen/Shelf.h"
#include "puzzlegen/Story.h"
#include "reasoning/ClueFile.h"
#include "reasoning/ExactSolver.h"
#include "tests/support/CluePairs.h"
#include "tests/support/ClueTextFaults.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>
#include <set>

using namespace puzzlegen;

namespace {

// Fifty games a shape; the sanitizer and debug builds, many times slower,
// make a few.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr int kGamesPerShape = 3;
#else
constexpr int kGamesPerShape = 50;
#endif
// Games a shape whose clues are checked pair by pair, each pair with the exact
// solver.
constexpr int kPairGames = kGamesPerShape < 20 ? kGamesPerShape : 20;

std::string PageWords(const std::vector<NamedPage>& pages) {
    std::string words;
    for (const NamedPage& page : pages)
        for (const PageRecord& record : page.page.records) {
            words += record.text + " ";
            for (const RevealEntry& entry : record.entries)
                words += entry.hidden + " " + entry.revealed + " ";
        }
    return words;
}

} // namespace

TEST(EveryShape, GamesHaveOneSolutionTheirGradeAndCleanWords) {
    const CFixedMeasure measure(6);
    int oneOther[2] = {}; // one-other clues in the shelf's sizes, and beyond
    int inSecond = 0;     // comparisons in a second ordered category
    for (int cats = 3; cats <= kMaxCats; ++cats)
        for (int items = 4; items <= kMaxItems; ++items)
            for (int g = 0; g < kGamesPerShape; ++g) {
                // Unordered every third game, else each category in turn ordered;
                // in a bigger board than the shelf's every third a second one too.
                Shape shape{cats, items, g % 3 == 0 ? -1 : 1 + g % (cats - 1)};
                if (g % 3 == 2 && CellCount(shape) > kShelfCells)
                    shape.alsoOrdered = static_cast<uint8_t>(1u << (1 + (g + 1) % (cats - 1)));
                const uint64_t seed = 500 + static_cast<uint64_t>(g) * 31 + cats * 7 + items;
                const std::string name = std::to_string(cats) + "x" + std::to_string(items) +
                                         " seed " + std::to_string(seed);
                GeneratedPuzzle p;
                ASSERT_TRUE(Generate(shape, seed, GenOptions{}, p)) << name;
                EXPECT_LE(static_cast<int>(p.clues.size()), ClueLimit(shape)) << name;
                Solution only;
                ASSERT_EQ(CExactSolver(shape, p.clues).Count(2, &only), 1) << name;
                EXPECT_EQ(only, p.solution) << name;
                CTieredSolver again(shape, p.clues);
                const SolveResult solved = again.Solve(4);
                ASSERT_TRUE(solved.solved) << name;
                EXPECT_TRUE(again.Grid().AgreesWith(p.solution)) << name;
                EXPECT_EQ(Grade(solved), Grade(p.grading)) << name;
                if (g < kPairGames)
                    for (const std::string& pair : testing_support::RestatedPairs(shape, p.clues))
                        ADD_FAILURE() << name << ", " << pair;

                const int theme = AnyTheme(shape, seed);
                ASSERT_GE(theme, 0) << name;
                const CStory story(Themes()[theme], shape, seed);
                ASSERT_EQ(story.Problem(), "") << name;
                std::set<std::string> labels;
                for (int c = 0; c < cats; ++c)
                    for (int i = 0; i < items; ++i)
                        labels.insert(story.CategoryName(c) + "/" + story.Label({c, i}));
                EXPECT_EQ(static_cast<int>(labels.size()), cats * items) << name;
                ShelfGame game;
                game.slot.theme = theme;
                game.slot.shape = shape;
                game.puzzle = p;
                game.grade = Grade(p.grading);
                Name(game, 1);
                std::string words;
                for (const Clue& clue : p.clues) {
                    words += story.ClueText(clue) + " ";
                    oneOther[CellCount(shape) > kShelfCells] += clue.kind == ClueKind::OneOther;
                    inSecond += clue.order >= 0;
                }
                if (g < 5) // the pages' words, the same sentences told longer, of a few
                    words += PageWords(MakeGamePages(game, story, measure));
                for (const std::string& fault : testing_support::FindClueTextFaults(words))
                    ADD_FAILURE() << name << " (" << Themes()[theme].title << "): " << fault;
            }
    EXPECT_EQ(oneOther[0], 0) << "the shelf's sizes are made as before";
    EXPECT_GT(oneOther[1], kGamesPerShape);
    EXPECT_GT(inSecond, kGamesPerShape);
}

TEST(EveryShape, ThemesTooSmallForAShapeAreRefusedWithTheReason) {
    auto theme = [](const char* title) -> const ThemeDef& {
        for (const ThemeDef& t : Themes())
            if (t.title == title)
                return t;
        ADD_FAILURE() << "no theme " << title;
        return Themes()[0];
    };
    struct Case {
        const char* title;
        Shape shape;
        const char* because; // words of the refusal, or nullptr when it fits
    };
    const Case cases[] = {
        {"The Chess Club", {5, 6, 1}, nullptr},
        {"The Chess Club", {5, 8, 1}, nullptr}, // without the six chess pieces
        {"The Chess Club", {6, 8, 1}, "only 3 unordered categories of 8 items"},
        {"The Chess Club", {6, 6, -1}, nullptr},
        {"The Music School", {6, 7, 2}, nullptr},
        {"The Music School", {4, 8, 1}, "its Days has only 7"},
        {"The Music School", {4, 8, -1}, nullptr}, // the days left out
        {"The Farm", {6, 8, 5}, nullptr},
    };
    for (const Case& c : cases) {
        const std::string problem = ThemeProblem(theme(c.title), c.shape);
        const std::string name = std::string(c.title) + " " + std::to_string(c.shape.cats) + "x" +
                                 std::to_string(c.shape.items);
        if (!c.because) {
            EXPECT_EQ(problem, "") << name;
            continue;
        }
        EXPECT_NE(problem.find(c.title), std::string::npos) << name << ": " << problem;
        EXPECT_NE(problem.find(c.because), std::string::npos) << name << ": " << problem;
        const CStory story(theme(c.title), c.shape, 1);
        EXPECT_EQ(story.Problem(), problem) << name;
    }
    // "Any theme" never picks one of them.
    for (uint64_t seed = 0; seed < 40; ++seed)
        EXPECT_NE(Themes()[AnyTheme({6, 8, 1}, seed)].title, "The Chess Club");
}

// A clue file of the biggest shape reads (the made 6x8 game the coach plays
// through in RandomGame_test reads one back); one that claims a category or
// an item more is refused.
TEST(EveryShape, ClueFilesBeyondTheBiggestShapeAreRefused) {
    const std::string whole = testing_support::ReadBytes(
        testing_support::SourcePath("fuzz/corpus/clue_file/biggest.clu"));
    const testing_support::TempDir dir;
    ClueBook book;
    testing_support::WriteBytes(dir.File("big.clu"), whole);
    ASSERT_TRUE(ReadClueFile(dir.File("big.clu"), book));
    const std::string shapeLine = "shape 6 8 1";
    const size_t at = whole.find(shapeLine);
    ASSERT_NE(at, std::string::npos);
    for (const char* claim : {"shape 7 8 1", "shape 6 9 1", "shape 6 8 6"}) {
        std::string bytes = whole;
        bytes.replace(at, shapeLine.size(), claim);
        testing_support::WriteBytes(dir.File("bad.clu"), bytes);
        ClueBook bad;
        int cause = 0;
        EXPECT_FALSE(ReadClueFile(dir.File("bad.clu"), bad, &cause)) << claim;
        EXPECT_EQ(cause, platform::causeInvalidFile) << claim;
        EXPECT_EQ(bad.categories.size(), 0u) << claim;
    }
}

TEST(EveryShape, BigPuzzlesTellComparisonsFromEitherSideTheShelfsFromOne) {
    const ThemeDef* pets = nullptr;
    for (const ThemeDef& t : Themes())
        if (t.title == "The Pet Show")
            pets = &t;
    ASSERT_TRUE(pets);
    for (const Shape shape : {Shape{6, 8, 1}, Shape{5, 6, 1}}) {
        const CStory story(*pets, shape, 3);
        int younger = 0, older = 0;
        for (int x = 0; x < shape.items; ++x)
            for (int y = 0; y < shape.items; ++y) {
                if (x == y)
                    continue;
                const Attr a{0, x}, b{0, y}; // two children by name
                const std::string one = story.ClueText({ClueKind::Before, a, b, {}, 0});
                const std::string two = story.ClueText({ClueKind::Apart, a, b, {}, 2});
                if (one == story.Ref(a) + " is younger than " + story.Ref(b) + ".")
                    ++younger;
                else if (one == story.Ref(b) + " is older than " + story.Ref(a) + ".")
                    ++older;
                else
                    ADD_FAILURE() << one;
                EXPECT_TRUE(
                    two == story.Ref(b) + " is exactly 2 years older than " + story.Ref(a) + "." ||
                    two == story.Ref(a) + " is exactly 2 years younger than " + story.Ref(b) + ".")
                    << two;
            }
        if (CellCount(shape) > kShelfCells) {
            EXPECT_GT(younger, 0);
            EXPECT_GT(older, 0);
        } else {
            EXPECT_EQ(older, 0) << "the shelf's puzzles keep their words";
        }
    }
}

TEST(EveryShape, SolvingOnClueByClueEndsWhereASolveOfAllTheCluesEnds) {
    // The generator's clue choice leans on this (CTieredSolver::AddClue).
    for (int cats = 3; cats <= kMaxCats; ++cats)
        for (int items = 4; items <= kMaxItems; items += 2) {
            const Shape shape{cats, items, cats - 1};
            CRandom random(static_cast<uint64_t>(cats * 10 + items));
            const Solution solution = RandomSolution(shape, random);
            CTieredSolver onward(shape, {});
            std::vector<Clue> clues;
            for (int k = 0; k < 3 * cats * items && !onward.Grid().IsComplete(); ++k) {
                const Clue clue = RandomTrueClue(shape, solution, GenOptions{}, random);
                if (!IsWellFormed(shape, clue))
                    continue;
                clues.push_back(clue);
                ASSERT_TRUE(onward.AddClue(clue, 3));
                if (k % 5 != 0)
                    continue;
                CTieredSolver whole(shape, clues);
                const SolveResult r = whole.Solve(3);
                ASSERT_FALSE(r.contradiction);
                ASSERT_EQ(whole.Grid().Known(), onward.Grid().Known())
                    << cats << "x" << items << " after " << clues.size() << " clues";
                for (int c1 = 0; c1 < cats; ++c1)
                    for (int c2 = c1 + 1; c2 < cats; ++c2)
                        for (int a = 0; a < items; ++a)
                            for (int b = 0; b < items; ++b)
                                ASSERT_EQ(whole.Grid().Get({c1, a}, {c2, b}),
                                          onward.Grid().Get({c1, a}, {c2, b}));
            }
            // Taking a clue back restores the grid it was given.
            const CGrid before = onward.Grid();
            onward.AddClue({ClueKind::Is, {0, 0}, {1, solution.value[1][0]}, {}, 0}, 3);
            onward.DropLastClue(before);
            EXPECT_EQ(onward.Grid().Known(), before.Known());
        }
}
