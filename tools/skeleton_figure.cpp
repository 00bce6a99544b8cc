#include "skeleton_figure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double boneHalfWidth = 0.42;

struct Segment {
    Vec2 a;
    Vec2 b;
};

struct Figure {
    std::vector<Segment> bones;
    Vec2 skullCentre;
    double skullRadius = 0.0;
    Vec2 eyeCentre;
    double eyeRadius = 0.0;
};

double radians(double degrees) { return degrees * pi / 180.0; }

// A limb hanging from `root`: both parts measured from straight down, positive forwards.
Vec2 limbEnd(Vec2 root, double length, double angle) {
    return root + Vec2{std::sin(angle), std::cos(angle)} * length;
}

// The figure in its own units, the hip at the origin and y pointing down.
Figure pose(double phase) {
    Figure f;
    const double thigh = 3.3;
    const double shin = 3.3;
    const Vec2 hip{0.0, 0.0};
    const Vec2 shoulder{0.2, -6.2};

    double lowest = 0.0;
    std::vector<Segment> legs;
    for (double side : {0.0, pi}) {
        const double swing = std::sin(phase + side);
        const double thighAngle = radians(34.0) * swing;
        // The knee bends while the leg swings forward, as in a step.
        const double bend = radians(45.0) * std::max(0.0, std::cos(phase + side));
        const Vec2 knee = limbEnd(hip, thigh, thighAngle);
        const Vec2 ankle = limbEnd(knee, shin, thighAngle - bend);
        const Vec2 toe = ankle + Vec2{1.3, 0.0};
        legs.push_back({hip, knee});
        legs.push_back({knee, ankle});
        legs.push_back({ankle, toe});
        lowest = std::max(lowest, ankle.y);
    }
    for (double side : {0.0, pi}) {
        const double swing = -std::sin(phase + side);
        const double upperAngle = radians(30.0) * swing;
        const Vec2 elbow = limbEnd(shoulder, 2.8, upperAngle);
        const Vec2 hand = limbEnd(elbow, 2.6, upperAngle + radians(25.0));
        f.bones.push_back({shoulder, elbow});
        f.bones.push_back({elbow, hand});
    }
    f.bones.insert(f.bones.end(), legs.begin(), legs.end());
    f.bones.push_back({{0.0, -0.2}, {0.2, -7.2}}); // spine and neck
    f.bones.push_back({{-1.4, 0.0}, {1.4, 0.0}});   // pelvis
    f.bones.push_back({{-1.9, -5.9}, {2.1, -5.9}}); // collar bones
    f.bones.push_back({{-1.7, -4.1}, {1.9, -4.1}}); // ribs
    f.bones.push_back({{-1.3, -2.4}, {1.5, -2.4}});
    f.skullCentre = {0.5, -9.3};
    f.skullRadius = 2.2;
    f.eyeCentre = {1.45, -9.5};
    f.eyeRadius = 0.6;

    // Stand on the lower foot.
    for (Segment& s : f.bones) {
        s.a.y -= lowest;
        s.b.y -= lowest;
    }
    f.skullCentre.y -= lowest;
    f.eyeCentre.y -= lowest;
    return f;
}

bool covers(const Figure& f, Vec2 p) {
    if (length(p - f.skullCentre) <= f.skullRadius)
        return length(p - f.eyeCentre) > f.eyeRadius;
    for (const Segment& s : f.bones)
        if (distanceToSegment(p, s.a, s.b) <= boneHalfWidth)
            return true;
    return false;
}

std::uint8_t blend(std::uint8_t under, std::uint8_t over, double coverage) {
    return static_cast<std::uint8_t>(std::lround(under + (over - under) * coverage));
}

} // namespace

void drawSkeleton(RgbImage& picture, Vec2 feet, double stridePhase, double scale, Rgb bone,
                  PixelRect clip) {
    const Figure figure = pose(stridePhase);
    constexpr int samplesPerSide = 4;
    const int left = std::max(clip.left, static_cast<int>(std::floor(feet.x - 8.0 * scale)));
    const int right = std::min(clip.right, static_cast<int>(std::ceil(feet.x + 8.0 * scale)));
    const int top = std::max(clip.top, static_cast<int>(std::floor(feet.y - 20.0 * scale)));
    const int bottom = std::min(clip.bottom, static_cast<int>(std::ceil(feet.y + 2.0 * scale)));
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (!picture.contains(x, y))
                continue;
            int covered = 0;
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    const Vec2 p{x + (sx + 0.5) / samplesPerSide, y + (sy + 0.5) / samplesPerSide};
                    if (covers(figure, (p - feet) * (1.0 / scale)))
                        ++covered;
                }
            }
            if (covered == 0)
                continue;
            const double coverage = static_cast<double>(covered) / (samplesPerSide * samplesPerSide);
            Rgb& pixel = picture.at(x, y);
            pixel = {blend(pixel.r, bone.r, coverage), blend(pixel.g, bone.g, coverage),
                     blend(pixel.b, bone.b, coverage)};
        }
    }
}
