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
