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

TEST(GeneratorShape, PairsThatOnlyRestateOneFactBecomeThatFact) {
    // Five categories of five items, the last ordered (places 0 to 4).
    const Shape shape{5, 5, 4};
    using K = ClueKind;
    const Attr a{0, 0}, b{2, 0}, c{2, 2}, m{3, 2}, x{1, 0}, y{2, 1};
    const Attr p0{4, 0}, p2{4, 2}, p3{4, 3}, p4{4, 4};
    struct Case {
        const char* what;
        std::vector<Clue> clues, merged;
    };
    const Case cases[] = {
        {"either/or and a not leave one choice",
         {{K::EitherOr, a, b, c, 0}, {K::IsNot, a, b, {}, 0}},
         {{K::Is, a, c, {}, 0}}},
        {"the not the other way round",
         {{K::IsNot, b, a, {}, 0}, {K::EitherOr, a, c, b, 0}},
         {{K::Is, a, c, {}, 0}}},
        {"a neither/nor rules out a choice",
         {{K::NeitherNor, a, x, c, 0}, {K::EitherOr, a, b, c, 0}},
         {{K::IsNot, a, x, {}, 0}, {K::Is, a, b, {}, 0}}},
        {"two neither/nors share a half",
         {{K::NeitherNor, m, p2, p4, 0}, {K::NeitherNor, m, p0, p4, 0}},
         {{K::IsNot, m, p2, {}, 0}, {K::NeitherNor, m, p0, p4, 0}}},
        {"a not inside a neither/nor",
         {{K::NeitherNor, m, p2, p4, 0}, {K::IsNot, p4, m, {}, 0}},
         {{K::NeitherNor, m, p2, p4, 0}}},
        {"a not the either/or's category already rules out",
         {{K::EitherOr, a, b, c, 0}, {K::IsNot, a, y, {}, 0}},
         {{K::EitherOr, a, b, c, 0}}},
        {"an is rules out half a neither/nor",
         {{K::NeitherNor, {0, 1}, {1, 2}, b, 0}, {K::Is, {1, 3}, {0, 1}, {}, 0}},
         {{K::IsNot, {0, 1}, b, {}, 0}, {K::Is, {1, 3}, {0, 1}, {}, 0}}},
        {"a comparison rules out the top place",
         {{K::EitherOr, x, p3, p4, 0}, {K::Before, x, b, {}, 0}},
         {{K::Is, x, p3, {}, 0}, {K::Before, x, b, {}, 0}}},
        {"exactly 2 apart rules out the bottom two places",
         {{K::Apart, x, b, {}, 2}, {K::NeitherNor, b, p0, m, 0}, {K::IsNot, p2, b, {}, 0}},
         {{K::Apart, x, b, {}, 2}, {K::IsNot, b, m, {}, 0}, {K::IsNot, p2, b, {}, 0}}},
        {"exactly 4 apart puts b last, so no other item of its category is",
         {{K::Apart, x, b, {}, 4}, {K::NeitherNor, c, p4, m, 0}},
         {{K::Apart, x, b, {}, 4}, {K::IsNot, c, m, {}, 0}}},
        {"two either/ors share one choice",
         {{K::EitherOr, a, b, y, 0}, {K::EitherOr, a, b, c, 0}},
         {{K::Is, a, b, {}, 0}}},
        {"clues about other items stay",
         {{K::IsNot, a, {1, 1}, {}, 0},
          {K::NeitherNor, {0, 1}, {1, 1}, c, 0},
          {K::EitherOr, a, b, c, 0},
          {K::Before, x, y, {}, 0}},
         {}},
    };
    for (const Case& t : cases) {
        std::vector<Clue> clues = t.clues;
        const bool changed = MergeRestatedPairs(shape, clues);
        const std::vector<Clue>& want = t.merged.empty() ? t.clues : t.merged;
        EXPECT_EQ(changed, !t.merged.empty()) << t.what;
        EXPECT_EQ(clues, want) << t.what;
    }
}
