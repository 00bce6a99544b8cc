#pragma once

#include <vector>

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, double k) { return {a.x * k, a.y * k}; }
double length(Vec2 v);
Vec2 lerp(Vec2 a, Vec2 b, double t);

// A polygon whose last point joins its first.
using Outline = std::vector<Vec2>;
// An open chain of segments.
using Polyline = std::vector<Vec2>;

// Corner cutting: each pass replaces every edge by its 1/4 and 3/4 points, which rounds
// a coarse hand-placed polygon into a smooth curve that stays inside its hull.
Outline smoothClosed(const Outline& corners, int passes);

// Points of the quadratic curve from `from` through the pull of `control` to `to`.
Polyline quadraticCurve(Vec2 from, Vec2 control, Vec2 to, int segments);

bool contains(const Outline& outline, Vec2 p);
double distanceToSegment(Vec2 p, Vec2 a, Vec2 b);
double distanceToPolyline(const Polyline& line, Vec2 p);
double distanceToOutline(const Outline& outline, Vec2 p);
