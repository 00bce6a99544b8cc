#pragma once

#include "vector3.h"

// The four fixed views. Every camera looks at the origin; each up vector is
// of unit length and at right angles to its eye vector.
constexpr int cameraPresetCount = 4;
extern const Vector3 cameraEyes[cameraPresetCount];
extern const Vector3 cameraUps[cameraPresetCount];
extern const char* const cameraNames[cameraPresetCount];
