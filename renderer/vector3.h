#pragma once

// Three single-precision floats: positions, headings and colours (x, y, z
// read as red, green, blue), laid out so a colour can go to glColor3fv.
struct Vector3 {
    float x;
    float y;
    float z;
};

void set(Vector3& v, float x, float y, float z);
Vector3& scale(Vector3& v, float f);
// out may be the same object as a.
void add(Vector3& out, const Vector3& a, const Vector3& b);
float length(const Vector3& v);
// Divides v by its length; returns the length it had. v must not be zero.
float normalize(Vector3& v);
// A random direction of length 1: a normalised point of the cube [-1, 1]^3.
void randomizeUnit(Vector3& v);
