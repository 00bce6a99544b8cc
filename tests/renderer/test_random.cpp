#include "random.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Random, FirstValuesFromStateOne) {
    resetRandom();
    EXPECT_EQ(nextRandom(), 41);
    EXPECT_EQ(nextRandom(), 18467);
    EXPECT_EQ(nextRandom(), 6334);
}

TEST(Random, EndsAreExactAndMinusOneToOneNeverGivesZero) {
    // 2^20 steps of the sequence visit every output 0..32767, so the exact
    // ends must both appear.
    resetRandom();
    float lowest = 10.0f;
    float highest = -10.0f;
    for (int i = 0; i < (1 << 20); ++i) {
        const float kindDraw = randomRange(1.0f, 5.99f);
        lowest = std::min(lowest, kindDraw);
        highest = std::max(highest, kindDraw);
        ASSERT_LE(kindDraw, 5.99f);
        ASSERT_GE(kindDraw, 1.0f);
    }
    EXPECT_EQ(lowest, 1.0f);
    EXPECT_EQ(highest, 5.99f);

    for (int r = 0; r <= randomMax; ++r) {
        const float t = static_cast<float>(r) / static_cast<float>(randomMax);
        ASSERT_NE(-1.0f + 2.0f * t, 0.0f) << r;
    }
}

TEST(Random, SameSequenceAfterReset) {
    resetRandom();
    const float a = randomRange(-180.0f, 180.0f);
    resetRandom();
    EXPECT_EQ(randomRange(-180.0f, 180.0f), a);
}
