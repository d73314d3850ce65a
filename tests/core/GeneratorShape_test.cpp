// The generator makes every shape within its limits and refuses, with a
// reason and without touching its arrays, every shape beyond them.
#include "puzzlegen/Generator.h"
#include "reasoning/ExactSolver.h"

#include <gtest/gtest.h>

using namespace puzzlegen;

TEST(GeneratorShape, MakesShapesWithinTheLimitsAndRefusesTheRest) {
    struct Case {
        Shape shape;
        const char* because; // a word of the refusal, or nullptr when it is made
    };
    const Case cases[] = {
        {{2, 2, -1}, nullptr},
        {{2, 3, 1}, nullptr},
        {{3, 2, -1}, nullptr},
        {{3, 4, 0}, nullptr},
        {{kMaxCats, kMaxItems, -1}, nullptr},
        {{kMaxCats, kMaxItems, kMaxCats - 1}, nullptr},
        {{0, 4, -1}, "categories"},
        {{1, 4, -1}, "categories"},
        {{kMaxCats + 1, 4, -1}, "categories"},
        {{kMaxCats + 1, kMaxItems, -1}, "categories"},
        {{8, 8, -1}, "categories"},
        {{3, 0, -1}, "items"},
        {{3, 1, -1}, "items"},
        {{3, kMaxItems + 1, -1}, "items"},
        {{kMaxCats, kMaxItems + 1, 1}, "items"},
        {{3, 4, 3}, "no such category"},
        {{3, 4, -2}, "no such category"},
    };
    for (const Case& c : cases) {
        const Shape& shape = c.shape;
        const std::string name = std::to_string(shape.cats) + "x" + std::to_string(shape.items) +
                                 " ordered " + std::to_string(shape.ordered);
        const std::string problem = ShapeProblem(shape);
        GeneratedPuzzle p;
        p.attempt = -7;
        const bool made = Generate(shape, 11, GenOptions{}, p);
        if (c.because) {
            EXPECT_NE(problem.find(c.because), std::string::npos) << name << ": " << problem;
            EXPECT_NE(problem.find("cannot make"), std::string::npos) << name << ": " << problem;
            EXPECT_FALSE(made) << name;
            EXPECT_EQ(p.attempt, -7) << name << " was worked on";
            continue;
        }
        EXPECT_EQ(problem, "") << name;
        ASSERT_TRUE(made) << name;
        Solution only;
        ASSERT_EQ(CExactSolver(shape, p.clues).Count(2, &only), 1) << name;
        EXPECT_EQ(only, p.solution) << name;
    }
}
