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
