#pragma once

#include <cmath>

// Three single-precision floats: positions, headings and colours (x, y, z
// read as red, green, blue), laid out so a colour can go to glColor3fv.
// The operations are defined here so the flock update can inline them.
struct Vector3 {
    float x;
    float y;
    float z;
};

inline void set(Vector3& v, float x, float y, float z) {
    v.x = x;
    v.y = y;
    v.z = z;
}

inline Vector3& scale(Vector3& v, float f) {
    v.x = f * v.x;
    v.y = f * v.y;
    v.z = f * v.z;
    return v;
}

// out may be the same object as a.
inline void add(Vector3& out, const Vector3& a, const Vector3& b) {
    out.x = a.x + b.x;
    out.y = a.y + b.y;
    out.z = a.z + b.z;
}

// The square root is taken in double precision, then rounded to float.
inline float length(const Vector3& v) {
    const float sum = v.x * v.x + v.y * v.y + v.z * v.z;
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

// Divides v by its length; returns the length it had. v must not be zero.
inline float normalize(Vector3& v) {
    const float len = length(v);
    scale(v, 1.0f / len);
    return len;
}

// A random direction of length 1: a normalised point of the cube [-1, 1]^3.
void randomizeUnit(Vector3& v);
