#include "vector3.h"

#include "random.h"

#include <cmath>

void set(Vector3& v, float x, float y, float z) {
    v.x = x;
    v.y = y;
    v.z = z;
}

Vector3& scale(Vector3& v, float f) {
    v.x = f * v.x;
    v.y = f * v.y;
    v.z = f * v.z;
    return v;
}

void add(Vector3& out, const Vector3& a, const Vector3& b) {
    out.x = a.x + b.x;
    out.y = a.y + b.y;
    out.z = a.z + b.z;
}

float length(const Vector3& v) {
    const float sum = v.x * v.x + v.y * v.y + v.z * v.z;
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

float normalize(Vector3& v) {
    const float len = length(v);
    scale(v, 1.0f / len);
    return len;
}

void randomizeUnit(Vector3& v) {
    v.x = randomRange(-1.0f, 1.0f);
    v.y = randomRange(-1.0f, 1.0f);
    v.z = randomRange(-1.0f, 1.0f);
    normalize(v);
}
