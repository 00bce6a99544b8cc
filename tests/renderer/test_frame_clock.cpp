#include "frame_clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(FrameClock, IntervalMeasuresTheTimeBetweenTicks) {
    FrameClock clock;
    EXPECT_EQ(clock.interval(), 0.0f);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    clock.tick();
    // Generous bounds: only that the unit is seconds and the counter runs.
    EXPECT_GT(clock.interval(), 0.03f);
    EXPECT_LT(clock.interval(), 5.0f);
    clock.tick();
    EXPECT_GE(clock.interval(), 0.0f);
    EXPECT_LT(clock.interval(), 0.03f);
}
