// The puzzle generator and its solvers.
#include "tools/puzzlegen/ExactSolver.h"
#include "tools/puzzlegen/Generator.h"
#include "tools/puzzlegen/HumanSolver.h"

#include <gtest/gtest.h>

using namespace puzzlegen;

namespace {} // namespace

TEST(PuzzleGenSweep, EveryPuzzleIsUniqueMinimalAndGradedConsistently) {
    const Shape shapes[] = {{3, 4, -1}, {3, 5, 2}, {4, 4, 3}, {4, 5, 1}, {5, 5, 4}, {5, 6, 2}};
    int made = 0;
    for (const Shape& shape : shapes) {
        const int seeds = shape.cats * shape.items >= 25 ? 15 : 40;
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
                rest.erase(rest.begin() + drop);
                EXPECT_GE(CExactSolver(shape, rest).Count(2), 2)
                    << "clue " << drop << " is not needed, seed " << seed;
            }
            EXPECT_TRUE(p.grading.solved);
            EXPECT_GE(p.grading.hardestTier, 1);
            EXPECT_LE(p.grading.hardestTier, 4);
        }
    }
    EXPECT_GT(made, 150);
}
