#pragma once

#include "vector3.h"

// The geometry of a drawn butterfly, apart from GL so it can be checked.

// Wing angle in radians: the wings turn 1000 degrees per second of age.
float wingAngle(float age, float phaseOffset);

// Rotation about world up, in degrees, that turns the figure's front (local
// -z) along the horizontal part of the heading. A heading straight up or
// down gives atan2's answer for two zeros (-180).
float yawDegrees(const Vector3& heading);

// Figure space to world space, as a column-major GL matrix: the figure is
// scaled by 5, turned by yaw degrees about world up, then moved to position.
constexpr float figureScale = 5.0f;
struct Matrix4 {
    float m[16];
};
Matrix4 figureToWorld(const Vector3& position, float yaw);

// The four corners of each wing in figure space, in the order they are sent:
// body front, tip front, tip rear, body rear. The second wing mirrors the
// first through x = 0.
struct WingCorners {
    Vector3 first[4];
    Vector3 second[4];
};
WingCorners wingCorners(float angle, float wingSpan, float bodyLength);

// Texture coordinates (s, t) of the four corners, shared by both wings.
extern const float wingTexCoords[4][2];
