// The reasoning engine: clues, the exact solver and the tiered solver.
#include "reasoning/ExactSolver.h"
#include "reasoning/TieredSolver.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace reasoning;

namespace {

Solution Identity(const Shape& shape) {
    Solution s;
    s.cats = shape.cats;
    s.items = shape.items;
    for (int c = 0; c < shape.cats; ++c)
        for (int e = 0; e < shape.items; ++e)
            s.value[c][e] = e;
    return s;
}

// A random well-formed clue of any kind that is true of the solution.
Clue RandomTrueClue(const Shape& shape, const Solution& truth, CRandom& random) {
    for (;;) {
        Clue c;
        c.kind = static_cast<ClueKind>(random.Below(kClueKinds));
        c.a = {random.Below(shape.cats), random.Below(shape.items)};
        c.b = {random.Below(shape.cats), random.Below(shape.items)};
        c.c = {random.Below(2) ? c.b.cat : random.Below(shape.cats), random.Below(shape.items)};
        c.steps = 1 + random.Below(shape.items - 1);
        c.d = {random.Below(2) ? c.c.cat : random.Below(shape.cats), random.Below(shape.items)};
        c.order = shape.alsoOrdered && random.Below(2) ? 1 : -1;
        if (IsWellFormed(shape, c) && Holds(shape, c, truth))
            return c;
    }
}

} // namespace

// ---- Clues ----------------------------------------------------------------

TEST(Clues, EachKindHoldsExactlyWhenItsStatementIsTrue) {
    const Shape shape{3, 4, 2};
    Solution s = Identity(shape); // entity e has item e everywhere; order = item
    const Attr a0{0, 0}, b0{1, 0}, b1{1, 1}, b2{1, 2};
    EXPECT_TRUE(Holds(shape, {ClueKind::Is, a0, b0, {}, 0}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::Is, a0, b1, {}, 0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::IsNot, a0, b1, {}, 0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::EitherOr, a0, b1, b0, 0}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::EitherOr, a0, b1, b2, 0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::NeitherNor, a0, b1, b2, 0}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::NeitherNor, a0, b0, b2, 0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::Before, a0, b2, {}, 0}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::Before, b2, a0, {}, 0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::Apart, a0, b2, {}, 2}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::Apart, a0, b2, {}, 1}, s));
    // Of a and b, one is c and the other d: either way round, never one entity.
    const Attr a1{0, 1}, c0{2, 0}, c1{2, 1};
    EXPECT_TRUE(Holds(shape, {ClueKind::OneOther, a0, a1, b1, 0, b0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::OneOther, a0, c1, b1, 0, b0}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::OneOther, a0, a1, b0, 0, b2}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::OneOther, a0, b0, c0, 0, c1}, s));
    EXPECT_FALSE(Holds(shape, {ClueKind::OneOther, a0, c1, b0, 0, b0}, s));
    // Swap two entities' ordered items: the order follows the entity.
    std::swap(s.value[2][0], s.value[2][3]);
    EXPECT_FALSE(Holds(shape, {ClueKind::Before, a0, b2, {}, 0}, s));
    EXPECT_TRUE(Holds(shape, {ClueKind::Apart, b2, a0, {}, 1}, s));
    // A comparison in a second ordered category, which has not moved.
    const Shape two{3, 4, 2, 1 << 1};
    EXPECT_TRUE(Holds(two, {ClueKind::Before, a0, {0, 2}, {}, 0, {}, 1}, s));
    EXPECT_FALSE(Holds(two, {ClueKind::Before, a0, {0, 2}, {}, 0}, s));
}

TEST(Clues, MalformedCluesAreRefused) {
    const Shape shape{3, 4, 2};
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::Is, {0, 0}, {0, 1}, {}, 0}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::Is, {0, 0}, {1, 4}, {}, 0}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::EitherOr, {0, 0}, {1, 1}, {2, 1}, 0}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::Before, {2, 0}, {1, 1}, {}, 0}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::Apart, {0, 0}, {1, 1}, {}, 0}));
    EXPECT_FALSE(IsWellFormed({3, 4, -1}, {ClueKind::Before, {0, 0}, {1, 1}, {}, 0}));
    EXPECT_TRUE(IsWellFormed(shape, {ClueKind::Apart, {0, 0}, {1, 1}, {}, 3}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::OneOther, {0, 0}, {0, 1}, {0, 2}, 0, {1, 0}}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::OneOther, {0, 0}, {2, 1}, {1, 1}, 0, {1, 1}}));
    EXPECT_TRUE(IsWellFormed(shape, {ClueKind::OneOther, {0, 0}, {2, 1}, {1, 1}, 0, {1, 0}}));
    EXPECT_FALSE(IsWellFormed(shape, {ClueKind::Before, {0, 0}, {2, 1}, {}, 0, {}, 1}));
    EXPECT_FALSE(IsWellFormed({3, 4, 2, 1 << 1}, {ClueKind::Before, {0, 0}, {1, 1}, {}, 0, {}, 1}));
    EXPECT_TRUE(IsWellFormed({3, 4, 2, 1 << 1}, {ClueKind::Before, {0, 0}, {2, 1}, {}, 0, {}, 1}));
}

// ---- Exact solver -----------------------------------------------------------

TEST(ExactSolver, CountsEverySolutionOfAnOpenGrid) {
    // No clues: every pair of permutations of the two other categories.
    EXPECT_EQ(CExactSolver({3, 4, -1}, {}).Count(10000), 24 * 24);
    EXPECT_EQ(CExactSolver({4, 4, 1}, {}).Count(100000), 24 * 24 * 24);
}

TEST(ExactSolver, AgreesWithBruteForceOnRandomClueSets) {
    // 3 categories of 4 items: 576 candidate solutions, checked one by one.
    const Shape shape{3, 4, 2, 1 << 1}; // categories 2 and 1 ordered
    std::vector<Solution> all;
    int p1[4] = {0, 1, 2, 3};
    do {
        int p2[4] = {0, 1, 2, 3};
        do {
            Solution s = Identity(shape);
            for (int e = 0; e < 4; ++e) {
                s.value[1][e] = p1[e];
                s.value[2][e] = p2[e];
            }
            all.push_back(s);
        } while (std::next_permutation(p2, p2 + 4));
    } while (std::next_permutation(p1, p1 + 4));
    CRandom random(42);
    for (int round = 0; round < 150; ++round) {
        const Solution truth = all[random.Below(static_cast<int>(all.size()))];
        std::vector<Clue> clues;
        const int count = 1 + random.Below(6);
        while (static_cast<int>(clues.size()) < count) {
            const Clue c = RandomTrueClue(shape, truth, random);
            if (IsWellFormed(shape, c))
                clues.push_back(c);
        }
        int expected = 0;
        for (const Solution& s : all) {
            bool ok = true;
            for (const Clue& c : clues)
                ok = ok && Holds(shape, c, s);
            expected += ok;
        }
        EXPECT_EQ(CExactSolver(shape, clues).Count(1000), expected) << "round " << round;
    }
}

TEST(ExactSolver, ContradictoryCluesHaveNoSolution) {
    const Shape shape{3, 4, 2};
    const std::vector<Clue> clues = {{ClueKind::Is, {0, 0}, {1, 0}, {}, 0},
                                     {ClueKind::IsNot, {0, 0}, {1, 0}, {}, 0}};
    EXPECT_EQ(CExactSolver(shape, clues).Count(2), 0);
    const std::vector<Clue> order = {{ClueKind::Before, {0, 0}, {0, 1}, {}, 0},
                                     {ClueKind::Before, {0, 1}, {0, 0}, {}, 0}};
    EXPECT_EQ(CExactSolver(shape, order).Count(2), 0);
}

// ---- Tiered solver -----------------------------------------------------------

TEST(TieredSolver, DirectMarksOfEachKind) {
    const Shape shape{3, 4, 2};
    const auto is = DirectMarks(shape, {ClueKind::Is, {0, 1}, {1, 2}, {}, 0});
    ASSERT_EQ(is.size(), 1u);
    EXPECT_TRUE(is[0].yes);
    const auto either = DirectMarks(shape, {ClueKind::EitherOr, {0, 1}, {1, 2}, {1, 3}, 0});
    ASSERT_EQ(either.size(), 2u); // items 0 and 1 of category 1 are ruled out
    EXPECT_EQ(either[0].y, (Attr{1, 0}));
    EXPECT_EQ(either[1].y, (Attr{1, 1}));
    const auto apart = DirectMarks(shape, {ClueKind::Apart, {0, 1}, {1, 2}, {}, 2});
    // a is not b; a not in the last two places; b not in the first two.
    ASSERT_EQ(apart.size(), 5u);
    EXPECT_EQ(apart[1].y, (Attr{2, 2}));
    EXPECT_EQ(apart[4].y, (Attr{2, 1}));
}

TEST(TieredSolver, OrderingNeedsTierThree) {
    const Shape shape{3, 4, 2};
    Solution s = Identity(shape);
    // Name 3 is second once "not third, not fourth" and "not first" are in;
    // only the ordering then shows that name 0, earlier than name 3, is first.
    const std::vector<Clue> clues = {
        {ClueKind::Before, {0, 0}, {0, 3}, {}, 0}, {ClueKind::IsNot, {0, 3}, {2, 2}, {}, 0},
        {ClueKind::IsNot, {0, 3}, {2, 3}, {}, 0},  {ClueKind::Is, {1, 1}, {2, 3}, {}, 0},
        {ClueKind::Is, {0, 0}, {1, 0}, {}, 0},     {ClueKind::Is, {0, 1}, {1, 1}, {}, 0},
        {ClueKind::Is, {0, 2}, {1, 2}, {}, 0},
    };
    s.value[2][0] = 0;
    s.value[2][1] = 3;
    s.value[2][2] = 2;
    s.value[2][3] = 1;
    ASSERT_EQ(CExactSolver(shape, clues).Count(5), 1);
    CTieredSolver low(shape, clues);
    EXPECT_FALSE(low.Solve(2).solved);
    CTieredSolver full(shape, clues);
    const SolveResult r = full.Solve(3);
    EXPECT_TRUE(r.solved);
    EXPECT_EQ(r.hardestTier, 3);
    EXPECT_TRUE(full.Grid().AgreesWith(s));
    EXPECT_EQ(Grade(r), 2);
}

TEST(TieredSolver, ContradictionIsReportedNotSolved) {
    const Shape shape{3, 4, -1};
    const std::vector<Clue> clues = {{ClueKind::Is, {0, 0}, {1, 0}, {}, 0},
                                     {ClueKind::Is, {0, 1}, {1, 0}, {}, 0}};
    const SolveResult r = CTieredSolver(shape, clues).Solve(4);
    EXPECT_TRUE(r.contradiction);
    EXPECT_FALSE(r.solved);
}
