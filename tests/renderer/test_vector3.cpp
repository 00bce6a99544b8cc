#include "random.h"
#include "vector3.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Vector3, NormalizeReturnsOldLength) {
    Vector3 v{};
    set(v, 0.0f, 2.0f, 0.0f);
    EXPECT_EQ(normalize(v), 2.0f);
    EXPECT_EQ(v.y, 1.0f);
    EXPECT_EQ(length(v), 1.0f);

    set(v, 3.0f, 4.0f, 12.0f);
    EXPECT_EQ(normalize(v), 13.0f);
    EXPECT_NEAR(length(v), 1.0f, 1e-6f);
}

TEST(Vector3, AddInPlaceAndScale) {
    Vector3 v{1.0f, 2.0f, 3.0f};
    const Vector3 w{0.5f, -2.0f, 10.0f};
    add(v, v, w);
    EXPECT_EQ(v.x, 1.5f);
    EXPECT_EQ(v.y, 0.0f);
    EXPECT_EQ(v.z, 13.0f);
    Vector3& same = scale(v, 2.0f);
    EXPECT_EQ(&same, &v);
    EXPECT_EQ(v.x, 3.0f);
    EXPECT_EQ(v.z, 26.0f);
}

TEST(Vector3, LengthTakesTheRootInDoublePrecision) {
    const Vector3 v{1.0f, 1.0f, 1.0f};
    EXPECT_EQ(length(v), static_cast<float>(std::sqrt(3.0)));
}

TEST(Vector3, RandomizeUnitUsesThreeDrawsAndGivesUnitLength) {
    resetRandom();
    Vector3 v{};
    randomizeUnit(v);
    EXPECT_NEAR(length(v), 1.0f, 1e-6f);
    // The fourth value of the sequence follows the three used.
    resetRandom();
    nextRandom();
    nextRandom();
    nextRandom();
    const int fourth = nextRandom();
    resetRandom();
    randomizeUnit(v);
    EXPECT_EQ(nextRandom(), fourth);
}

TEST(Vector3, RandomizeUnitFirstDirectionIsExact) {
    // From state 1 the cube point is (41, 18467, 6334) mapped to [-1, 1].
    resetRandom();
    Vector3 v{};
    randomizeUnit(v);
    const float x = -1.0f + 2.0f * (41.0f / 32767.0f);
    const float y = -1.0f + 2.0f * (18467.0f / 32767.0f);
    const float z = -1.0f + 2.0f * (6334.0f / 32767.0f);
    const float len = static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y + z * z)));
    const float inv = 1.0f / len;
    EXPECT_EQ(v.x, inv * x);
    EXPECT_EQ(v.y, inv * y);
    EXPECT_EQ(v.z, inv * z);
}
