#include "camera.h"

#include <gtest/gtest.h>

#include <cmath>

// The stored views must stay consistent: unit up vectors at right angles to
// the eye, at the distances and elevations the menu promises.
TEST(Camera, UpVectorsAreUnitAndPerpendicular) {
    const float distances[cameraPresetCount] = {97.0f, 53.0f, 112.0f, 65.0f};
    const float elevations[cameraPresetCount] = {45.3f, 17.8f, 86.5f, 86.5f};
    for (int i = 0; i < cameraPresetCount; ++i) {
        const Vector3& e = cameraEyes[i];
        const Vector3& u = cameraUps[i];
        EXPECT_NEAR(length(u), 1.0f, 1e-5f) << i;
        EXPECT_NEAR(e.x * u.x + e.y * u.y + e.z * u.z, 0.0f, 1e-3f) << i;
        EXPECT_NEAR(length(e), distances[i], 0.5f) << i;
        const double elevation = std::asin(e.y / length(e)) * 180.0 / 3.14159265358979;
        EXPECT_NEAR(elevation, elevations[i], 0.1) << i;
    }
}

// The exact stored views, as the menu's four entries choose them.
TEST(Camera, EveryPresetHasItsExactEyeAndUp) {
    const float eyes[cameraPresetCount][3] = {{-1.5e-05f, 68.90426f, 68.272995f},
                                              {0.504718f, 16.16811f, 50.471153f},
                                              {0.068047f, 111.793076f, 6.804664f},
                                              {-0.039494f, 64.87991f, 3.949137f}};
    const float ups[cameraPresetCount][3] = {{0.0f, 0.703845f, -0.710353f},
                                             {-0.00305f, 0.952334f, -0.305043f},
                                             {-0.009981f, 0.060759f, -0.998103f},
                                             {0.009982f, 0.060759f, -0.998103f}};
    const char* names[cameraPresetCount] = {"Oblique Far", "Oblique Near", "Top-Down Far",
                                            "Top-Down Near"};
    for (int i = 0; i < cameraPresetCount; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_STREQ(cameraNames[i], names[i]);
        EXPECT_EQ(cameraEyes[i].x, eyes[i][0]);
        EXPECT_EQ(cameraEyes[i].y, eyes[i][1]);
        EXPECT_EQ(cameraEyes[i].z, eyes[i][2]);
        EXPECT_EQ(cameraUps[i].x, ups[i][0]);
        EXPECT_EQ(cameraUps[i].y, ups[i][1]);
        EXPECT_EQ(cameraUps[i].z, ups[i][2]);
    }
}
