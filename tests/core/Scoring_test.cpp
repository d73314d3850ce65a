// Verdicts of a quick check, the cost of help, and the score of a game.
#include "puzzle/Scoring.h"
#include "puzzle/Texts.h"

#include <gtest/gtest.h>

#include <set>

using namespace scoring;

TEST(QuickCheck, EveryVerdictTextAndSound) {
    struct Case {
        int marked, correct;
        const char* text;
        const char* sound;
    } cases[] = {
        {0, 0, "No item is marked true.", "data\\clue.wav"},
        {1, 1, "The item marked true is correct.", "data\\corcheck.wav"},
        {1, 0, "The item marked true is incorrect.", "data\\inccheck.wav"},
        {2, 1, "Of the 2 items marked true, 1 of them is correct.", "data\\inccheck.wav"},
        {3, 0, "Of the 3 items marked true, 0 of them are correct.", "data\\inccheck.wav"},
        {4, 4, "Of the 4 items marked true, 4 of them are correct.", "data\\corcheck.wav"},
        {5, 3, "Of the 5 items marked true, 3 of them are correct.", "data\\inccheck.wav"},
        {12, 1, "Of the 12 items marked true, 1 of them is correct.", "data\\inccheck.wav"},
    };
    for (const Case& c : cases) {
        Verdict v = QuickCheckVerdict(c.marked, c.correct);
        EXPECT_EQ(v.text, c.text) << c.marked << "/" << c.correct;
        EXPECT_EQ(v.sound, c.sound) << c.marked << "/" << c.correct;
    }
}

TEST(Cost, PointsAndAverageExamples) {
    struct Case {
        int hints, trueCells, points, average;
    } cases[] = {
        {10, 20, 1, 70}, {5, 10, 2, 70}, {6, 8, 2, 72},  {20, 31, 1, 49}, {40, 60, 1, 0},
        {3, 12, 2, 70},  {0, 1, 30, 70}, {1, 14, 2, 70}, {0, 0, 1, 100}, // no hints and no true
                                                                         // cells
    };
    for (const Case& c : cases) {
        int points = -1, average = -1;
        GameData(c.hints, c.trueCells, points, average);
        EXPECT_EQ(points, c.points) << c.hints << "+" << c.trueCells;
        EXPECT_EQ(average, c.average) << c.hints << "+" << c.trueCells;
    }
}

TEST(EndScore, SolvedGameScoresItsRawScore) {
    // H = 3, T = 12: 2 points; 2 checks and 2 hints taken: raw 92.
    EXPECT_EQ(RawScore(2, 2, 3, 12), 92);
    EXPECT_EQ(EndScore(2, 2, 3, 12, 12), 92);
    // H = 40, T = 60: 1 point, a game without help scores 100.
    EXPECT_EQ(EndScore(0, 0, 40, 60, 60), 100);
    // 10 hints, 20 true cells, 3 checks, 4 hints taken: raw 93.
    EXPECT_EQ(EndScore(3, 4, 10, 20, 20), 93);
}

TEST(EndScore, ShownSolutionScalesByTheShareFound) {
    EXPECT_EQ(EndScore(14, 0, 20, 10, 4), 34); // raw 86, T = 10, R = 4
    EXPECT_EQ(EndScore(3, 4, 10, 20, 15), 69); // raw 93 x 15 / 20 = 69.75
}

TEST(EndScore, DoublePrecisionLosesAPointOnSomeRaws) {
    // T = 7, 9 hints (1 point each): 39 items give raw 61, which scores 60.
    EXPECT_EQ(RawScore(39, 0, 9, 7), 61);
    EXPECT_EQ(EndScore(39, 0, 9, 7, 7), 60);
    // T = 11, 20 hints (1 point each): exactly the raws 15, 30, 49, 60 and 98
    // lose a point.
    std::set<int> losing;
    for (int raw = 1; raw <= 100; ++raw) {
        int score = EndScore(100 - raw, 0, 20, 11, 11);
        if (score != raw) {
            EXPECT_EQ(score, raw - 1);
            losing.insert(raw);
        }
    }
    EXPECT_EQ(losing, (std::set<int>{15, 30, 49, 60, 98}));
}

TEST(EndScore, NeverBelowOne) {
    EXPECT_EQ(RawScore(60, 50, 20, 10), -10);
    EXPECT_EQ(EndScore(60, 50, 20, 10, 10), 1); // raw <= 0
    EXPECT_EQ(EndScore(100, 0, 20, 10, 10), 1); // raw 0
    EXPECT_EQ(EndScore(0, 0, 5, 10, 0), 1);     // nothing found
    EXPECT_EQ(EndScore(98, 0, 20, 10, 1), 1);   // 2 / 10 x 1 truncates to 0
}

TEST(EndScore, DamagedRecordsNeitherDivideByZeroNorLeaveTheRange) {
    EXPECT_EQ(EndScore(0, 0, 0, 0, 3), 1);    // T = 0, R > 0
    EXPECT_EQ(EndScore(0, 0, 5, -4, 3), 1);   // negative T
    EXPECT_EQ(EndScore(0, 0, 0, 5, 50), 100); // more found than there are
    EXPECT_EQ(EndScore(-500, 0, 0, 5, 5), 100);
    EXPECT_EQ(EndScore(2000000000, 2000000000, 2000000000, 2000000000, 5), 1);
    int points = 0, average = 0;
    GameData(2000000000, 2000000000, points, average);
    EXPECT_EQ(points, 1);
    EXPECT_LT(average, 0);
}
