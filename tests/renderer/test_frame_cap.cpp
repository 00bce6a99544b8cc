#include "frame_cap.h"

#include <gtest/gtest.h>

TEST(FrameCap, RateIsTheDisplaysOrSixtyWhenUnknown) {
    for (int unknown : {0, 1, -5}) {
        FrameCap cap(unknown, 1000000);
        EXPECT_EQ(cap.rate(), 60);
        EXPECT_FALSE(cap.rateReported());
        EXPECT_STREQ(cap.describe(), "frames capped at 60 Hz (display rate unknown)");
    }
    FrameCap fast(144, 1000000);
    EXPECT_EQ(fast.rate(), 144);
    EXPECT_STREQ(fast.describe(), "frames capped at 144 Hz (the display's rate)");
    // 2 % short of the display's period: 1/51 s at 50 Hz.
    EXPECT_EQ(FrameCap(50, 1000000).periodTicks(), 19607);
}

TEST(FrameCap, FastFramesWaitForTheRestOfThePeriodSlowOnesDoNot) {
    FrameCap cap(50, 1000000);
    const std::int64_t period = cap.periodTicks();
    EXPECT_EQ(cap.nextFrameAt(1000), 1000); // the first frame starts the count
    EXPECT_EQ(cap.nextFrameAt(5000), 1000 + period);
    // The wait overshot by 300 ticks: the next wait is that much shorter.
    EXPECT_EQ(cap.nextFrameAt(1000 + period + 300 + 4000), 1000 + 2 * period);
    // A frame that takes longer than a period starts a new count at once.
    const std::int64_t late = 1000 + 3 * period + 7000;
    EXPECT_EQ(cap.nextFrameAt(late), late);
    EXPECT_EQ(cap.nextFrameAt(late + 10), late + period);
}

TEST(FrameCap, OneSecondOfInstantFramesWithSloppyWaitsGivesTheDisplaysRate) {
    const std::int64_t second = 10000000;
    FrameCap cap(60, second);
    std::int64_t now = 0;
    int frames = 0;
    for (int i = 0; now < second; ++i) {
        ++frames;
        // Each wait ends up to 0.9 ms late, as a system timer may.
        now = cap.nextFrameAt(now + 20) + (i * 3571) % 9000;
    }
    // 61.2 frames a second (2 % above 60), plus the first, which has no
    // frame before it to wait for; waits that lost their overshoot would
    // give about 60.
    EXPECT_GE(frames, 62);
    EXPECT_LE(frames, 63);
}
