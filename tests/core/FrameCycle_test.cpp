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

TEST(FrameCycle, DelayComesFromTheGeneratorInUnsignedArithmeticAndAHitWaitsLonger) {
    EXPECT_EQ(board::DelayForRandom(0), 1);
    EXPECT_EQ(board::DelayForRandom(1638), 1);
    EXPECT_EQ(board::DelayForRandom(1639), 2);
    EXPECT_EQ(board::DelayForRandom(32766), 20);
    EXPECT_EQ(board::DelayForRandom(32767), 21);

    // A new cycle draws its delay from the process-wide generator (seed 12345
    // gives 7584: 5 ticks); a hit draws again and waits five ticks longer
    // (seed 4242 gives 13891: 9 + 5).
    platform::SeedRandom(12345);
    CFrameCycle cycle;
    EXPECT_EQ(cycle.delay(), 5);
    cycle.SetState(0, false, 2);
    platform::SeedRandom(4242);
    cycle.Hit();
    EXPECT_EQ(cycle.delay(), 14);
    EXPECT_TRUE(cycle.rising());
    EXPECT_EQ(cycle.frame(), 0);
}
