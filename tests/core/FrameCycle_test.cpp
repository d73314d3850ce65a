// The four-frame sprite's animation rule.
#include "board/FrameCycle.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <vector>

using board::CFrameCycle;

TEST(FrameCycle, FromFrameZeroRisingShowsTheSequenceThenWaits) {
    platform::SeedRandom(7);
    CFrameCycle cycle;
    cycle.SetState(0, true, 0);
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(cycle.Tick());
        frames.push_back(cycle.frame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 3, 2, 1, 0, 0}));
    EXPECT_TRUE(cycle.rising());
    const int delay = cycle.delay();
    EXPECT_GE(delay, 1);
    EXPECT_LE(delay, 21);
    // The delay is waited out without a repaint and without moving.
    for (int i = 0; i < delay; ++i) {
        EXPECT_FALSE(cycle.Tick());
        EXPECT_EQ(cycle.frame(), 0);
    }
    EXPECT_TRUE(cycle.Tick());
    EXPECT_EQ(cycle.frame(), 1);
}

TEST(FrameCycle, DelayComesFromTheGeneratorInUnsignedArithmetic) {
    EXPECT_EQ(board::DelayForRandom(0), 1);
    EXPECT_EQ(board::DelayForRandom(1638), 1);
    EXPECT_EQ(board::DelayForRandom(1639), 2);
    EXPECT_EQ(board::DelayForRandom(32766), 20);
    EXPECT_EQ(board::DelayForRandom(32767), 21);

    // ResetDelay draws the next value of the process-wide generator.
    platform::SeedRandom(12345);
    const int r = platform::NextRandom();
    platform::SeedRandom(12345);
    CFrameCycle cycle;
    EXPECT_EQ(cycle.delay(), board::DelayForRandom(r));
}

TEST(FrameCycle, HitWaitsLongerAndRestartsRising) {
    platform::SeedRandom(99);
    CFrameCycle cycle;
    cycle.SetState(0, false, 2);
    platform::SeedRandom(4242);
    const int r = platform::NextRandom();
    platform::SeedRandom(4242);
    cycle.Hit();
    EXPECT_EQ(cycle.delay(), board::DelayForRandom(r) + 5);
    EXPECT_TRUE(cycle.rising());
    EXPECT_EQ(cycle.frame(), 0);
}
