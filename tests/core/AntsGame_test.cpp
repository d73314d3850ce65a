#include "reward/AntsGame.h"
#include "reward/Texts.h"

#include <climits>
#include <gtest/gtest.h>

using reward::AntRect;
using reward::AntView;
using Step = CAntsGame::TickStep;

namespace {

// Plays the introduction through: the first tick shows it, then it closes.
void CloseIntro(CAntsGame& game) {
    ASSERT_EQ(game.BeginTick(), Step::ShowIntro);
    game.IntroClosed();
}

} // namespace

TEST(AntsTime, ScoreTimesThreeTenthsAtLeastFive) {
    EXPECT_EQ(reward::TimeForScore(0), 5);
    EXPECT_EQ(reward::TimeForScore(16), 5);
    EXPECT_EQ(reward::TimeForScore(17), 5);
    EXPECT_EQ(reward::TimeForScore(20), 6);
    EXPECT_EQ(reward::TimeForScore(33), 9);
    EXPECT_EQ(reward::TimeForScore(50), 15);
    EXPECT_EQ(reward::TimeForScore(100), 30);
    EXPECT_EQ(reward::TimeForScore(-40), 5);
    EXPECT_EQ(reward::TimeForScore(INT_MAX), static_cast<int>(INT_MAX * 3LL / 10));
}

TEST(AntsGame, TicksWhileTheIntroductionIsOpenNeitherRepeatNorAdvanceIt) {
    CAntsGame game;
    game.Start(50, "Kim");
    EXPECT_TRUE(game.IntroNotYetShown());
    EXPECT_EQ(game.BeginTick(), Step::ShowIntro);
    EXPECT_FALSE(game.IntroNotYetShown());
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(game.BeginTick(), Step::Wait);
    EXPECT_TRUE(game.IntroPending());
    EXPECT_EQ(game.TimeLeft(), 15);
    EXPECT_EQ(game.TickCounter(), 4);
    game.IntroClosed();
    EXPECT_EQ(game.BeginTick(), Step::Run);
}

TEST(AntsGame, AGameOfTSecondsLastsTPlusOneSecondsAfterTheIntroduction) {
    for (int score : {0, 33, 100}) {
        CAntsGame game;
        game.Start(score, "Kim");
        const int t = game.TimeLeft();
        CloseIntro(game);
        std::vector<std::string> shown{game.TimeText()};
        int ticks = 0;
        for (;;) {
            ASSERT_EQ(game.BeginTick(), Step::Run);
            ++ticks;
            if (game.CountDown())
                break;
            if (shown.back() != game.TimeText())
                shown.push_back(game.TimeText());
            ASSERT_LT(ticks, 1000);
        }
        EXPECT_EQ(ticks, (t + 1) * 4) << score;
        // T unpadded, then T-1 ... 00 zero-padded, once per second.
        ASSERT_EQ(shown.size(), static_cast<size_t>(t + 1));
        EXPECT_EQ(shown.front(), std::to_string(t));
        EXPECT_EQ(shown[1], (t - 1 < 10 ? "0" : "") + std::to_string(t - 1));
        EXPECT_EQ(shown.back(), "00");
        EXPECT_EQ(game.TimeLeft(), -1);
    }
}

TEST(AntsGame, EndRunsOnceAndLaterTicksWait) {
    CAntsGame game;
    game.Start(0, "Kim");
    CloseIntro(game);
    EXPECT_TRUE(game.End());
    EXPECT_FALSE(game.End());
    EXPECT_EQ(game.BeginTick(), Step::Wait);
    EXPECT_FALSE(game.CountDown());
}

TEST(AntsGame, EndMessagesAndTableEntries) {
    struct Case {
        int caught;
        const char* message;
        const char* entry;
    };
    for (const Case& c :
         {Case{0, "You did not catch any ants.", "00\tKim"},
          Case{1, "You caught an ant!", "01\tKim"}, Case{2, "You caught 2 ants!", "02\tKim"},
          Case{12, "You caught 12 ants!", "12\tKim"},
          Case{100, "You caught 100 ants!", "100\tKim"}}) {
        CAntsGame game;
        game.Start(100, "Kim");
        for (int i = 0; i < c.caught; ++i)
            game.Catch();
        EXPECT_EQ(game.AntsCaught(), c.caught);
        EXPECT_EQ(game.CaughtText(), std::to_string(c.caught));
        EXPECT_EQ(game.EndMessage(), c.message);
        EXPECT_EQ(game.TableEntry(), c.entry);
    }
}

TEST(AntsCatch, BoxesHoldLeftAndTopButNotRightAndBottom) {
    AntRect box{10, 20, 30, 44};
    EXPECT_TRUE(box.Contains(10, 20));
    EXPECT_TRUE(box.Contains(29, 43));
    EXPECT_FALSE(box.Contains(30, 30));
    EXPECT_FALSE(box.Contains(15, 44));
    EXPECT_FALSE(box.Contains(9, 30));
}

TEST(AntsCatch, EveryRisenAntUnderThePointIsHit) {
    std::vector<AntView> ants{
        {{0, 0, 40, 40}, 2},    // under the point, risen
        {{10, 10, 50, 50}, 0},  // under the point, in its hole
        {{20, 20, 60, 60}, 3},  // under the point, risen
        {{100, 0, 140, 40}, 1}, // elsewhere
        {{}, 1},                // empty box
    };
    EXPECT_EQ(reward::AntsHitAt(ants, 25, 25), (std::vector<int>{0, 2}));
    EXPECT_TRUE(reward::AntsHitAt(ants, 15, 45).empty()); // only the sunk ant
    EXPECT_TRUE(reward::AntsHitAt(ants, 0, 0) == std::vector<int>{0});
    EXPECT_TRUE(reward::AntsHitAt(ants, 200, 200).empty());
}
