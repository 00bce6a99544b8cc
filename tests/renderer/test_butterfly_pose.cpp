#include "butterfly_pose.h"

#include <gtest/gtest.h>

TEST(ButterflyPose, WingsHangDownAtAngleZeroAndSpreadAtNinety) {
    WingCorners w = wingCorners(wingAngle(0.0f, 0.0f), 2.0f, 1.0f);
    EXPECT_EQ(w.first[1].y, -1.0f);
    EXPECT_EQ(w.first[1].z, -0.5f);
    EXPECT_EQ(w.first[2].z, 0.5f);
    EXPECT_EQ(w.second[2].y, -1.0f);
    EXPECT_EQ(w.first[0].x, 0.0f);
    EXPECT_EQ(w.first[3].z, 0.5f);

    // 0.09 s of age is 90 degrees: tips level with the body, out to the sides.
    w = wingCorners(wingAngle(0.09f, 0.0f), 2.0f, 1.0f);
    EXPECT_NEAR(w.first[1].x, -1.0f, 1e-5f);
    EXPECT_NEAR(w.second[1].x, 1.0f, 1e-5f);
    EXPECT_NEAR(w.first[1].y, 0.0f, 1e-5f);

    // The phase offset shifts in degrees.
    EXPECT_FLOAT_EQ(wingAngle(0.0f, 180.0f), 3.1415927f);
}

TEST(ButterflyPose, YawTurnsTheFrontAlongTheHeading) {
    EXPECT_EQ(yawDegrees({0.0f, 0.0f, -1.0f}), 0.0f);
    EXPECT_FLOAT_EQ(yawDegrees({1.0f, 0.0f, 0.0f}), -90.0f);
    EXPECT_FLOAT_EQ(yawDegrees({-1.0f, 0.0f, 0.0f}), 90.0f);
    // Climbing or diving does not pitch the figure.
    EXPECT_FLOAT_EQ(yawDegrees({1.0f, 5.0f, 0.0f}), -90.0f);
    // Straight up: both arguments zero.
    EXPECT_FLOAT_EQ(yawDegrees({0.0f, 1.0f, 0.0f}), -180.0f);
}

TEST(ButterflyPose, TextureCornersPutTheBodyAtSOne) {
    EXPECT_EQ(wingTexCoords[0][0], 1.0f);
    EXPECT_EQ(wingTexCoords[0][1], 0.0f);
    EXPECT_EQ(wingTexCoords[2][0], 0.0f);
    EXPECT_EQ(wingTexCoords[2][1], 1.0f);
}

namespace {
Vector3 apply(const Matrix4& t, const Vector3& p) {
    const float* m = t.m;
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}
void expectAt(const Vector3& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}
} // namespace

// A wing of 1 x 1 figure units is drawn 5 x 5 world units, its front along
// the heading: at angle 0 the front tip hangs 5 below and 2.5 ahead of the
// body's centre, the rear of the body lies 2.5 behind it.
TEST(ButterflyPose, FigureIsDrawnFiveTimesLargerFrontAlongTheHeading) {
    const Vector3 at{10.0f, 2.0f, -3.0f};
    const Vector3 frontTip{0.0f, -1.0f, -0.5f};
    const Vector3 rearBody{0.0f, 0.0f, 0.5f};
    const Matrix4 east = figureToWorld(at, yawDegrees({1.0f, 0.0f, 0.0f}));
    expectAt(apply(east, frontTip), 12.5f, -3.0f, -3.0f);
    expectAt(apply(east, rearBody), 7.5f, 2.0f, -3.0f);
    const Matrix4 north = figureToWorld(at, yawDegrees({0.0f, 0.0f, -1.0f}));
    expectAt(apply(north, frontTip), 10.0f, -3.0f, -5.5f);
    expectAt(apply(north, rearBody), 10.0f, 2.0f, -0.5f);
}
