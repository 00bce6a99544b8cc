#include "frame_probe.h"

#include <gtest/gtest.h>

TEST(FrameProbe, CountsWallTimeFromFirstStartToLastEndIncludingGaps) {
    FrameProbe probe(1000);
    probe.addFrame(1000, 1010, 1100); // 10 ticks updating
    probe.addFrame(1500, 1530, 2000); // a 400-tick gap before it counts too
    EXPECT_EQ(probe.frames(), 2);
    EXPECT_DOUBLE_EQ(probe.seconds(), 1.0);
    EXPECT_DOUBLE_EQ(probe.framesPerSecond(), 2.0);
    EXPECT_DOUBLE_EQ(probe.updateShare(), 0.04);
    EXPECT_EQ(probe.report(), "frames 2, 1.00 s, 2.0 fps, flock update 4.00 % of frame time");
}

TEST(FrameProbe, NoFramesOrNoClockGiveZeroesNotDivisionByZero) {
    FrameProbe empty(1000);
    EXPECT_EQ(empty.framesPerSecond(), 0.0);
    EXPECT_EQ(empty.updateShare(), 0.0);
    FrameProbe noClock(0);
    noClock.addFrame(0, 5, 10);
    EXPECT_EQ(noClock.seconds(), 0.0);
    EXPECT_EQ(noClock.framesPerSecond(), 0.0);
}
