#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

double length(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

Vec2 lerp(Vec2 a, Vec2 b, double t) { return a + (b - a) * t; }

Outline smoothClosed(const Outline& corners, int passes) {
    Outline current = corners;
    for (int pass = 0; pass < passes && current.size() >= 3; ++pass) {
        Outline next;
        next.reserve(current.size() * 2);
        for (std::size_t i = 0; i < current.size(); ++i) {
            const Vec2 a = current[i];
            const Vec2 b = current[(i + 1) % current.size()];
            next.push_back(lerp(a, b, 0.25));
            next.push_back(lerp(a, b, 0.75));
        }
        current = std::move(next);
    }
    return current;
}

Polyline quadraticCurve(Vec2 from, Vec2 control, Vec2 to, int segments) {
    Polyline points;
    for (int i = 0; i <= segments; ++i) {
        const double t = static_cast<double>(i) / segments;
        points.push_back(lerp(lerp(from, control, t), lerp(control, to, t), t));
    }
    return points;
}

bool contains(const Outline& outline, Vec2 p) {
    bool inside = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const Vec2 a = outline[i];
        const Vec2 b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

double distanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab = b - a;
    const double lengthSquared = ab.x * ab.x + ab.y * ab.y;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / lengthSquared, 0.0, 1.0);
    return length(p - (a + ab * t));
}

double distanceToPolyline(const Polyline& line, Vec2 p) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < line.size(); ++i)
        best = std::min(best, distanceToSegment(p, line[i - 1], line[i]));
    if (line.size() == 1)
        best = length(p - line[0]);
    return best;
}

double distanceToOutline(const Outline& outline, Vec2 p) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++)
        best = std::min(best, distanceToSegment(p, outline[j], outline[i]));
    return best;
}
