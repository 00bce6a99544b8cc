#include "app_icon.h"

#include "art_scale.h"
#include "geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double middle = appIconPixels / 2.0;

// The left wings in icon pixels; the right ones mirror them.
const Outline& foreWing() {
    static const Outline outline = smoothClosed({{15.0, 10.5},
                                                 {11.0, 6.0},
                                                 {6.0, 3.5},
                                                 {2.0, 3.5},
                                                 {0.8, 7.0},
                                                 {2.0, 12.0},
                                                 {4.5, 15.5},
                                                 {9.0, 17.0},
                                                 {15.0, 16.0}},
                                                3);
    return outline;
}

const Outline& hindWing() {
    static const Outline outline = smoothClosed({{15.0, 15.0},
                                                 {9.0, 16.5},
                                                 {4.0, 18.5},
                                                 {2.5, 23.0},
                                                 {4.5, 27.5},
                                                 {9.0, 29.5},
                                                 {13.0, 28.0},
                                                 {15.2, 22.0}},
                                                3);
    return outline;
}

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

constexpr Colour black{0, 0, 0};
constexpr Colour edgeGreen{0.68, 0.92, 0.18};
constexpr Colour violetInner{0.30, 0.14, 0.72};
constexpr Colour violetOuter{0.48, 0.40, 1.00};
constexpr Colour bodyColour{0.30, 0.26, 0.22};
constexpr Colour antennaColour{0.75, 0.75, 0.70};

Colour colourAt(Vec2 p) {
    // Everything is symmetric about the body.
    const Vec2 left{p.x > middle ? appIconPixels - p.x : p.x, p.y};

    const auto inEllipse = [&](Vec2 c, double rx, double ry) {
        const double dx = (left.x - c.x) / rx;
        const double dy = (left.y - c.y) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    if (inEllipse({middle, 8.4}, 1.6, 1.6) || inEllipse({middle, 13.5}, 1.5, 3.6) ||
        inEllipse({middle, 21.0}, 1.1, 6.5))
        return bodyColour;
    if (distanceToSegment(left, {middle - 0.6, 7.2}, {11.8, 2.2}) < 0.45 ||
        length(left - Vec2{11.6, 2.0}) < 0.95)
        return antennaColour;

    for (const Outline* wing : {&foreWing(), &hindWing()}) {
        if (!contains(*wing, left))
            continue;
        const double edge = distanceToOutline(*wing, left);
        if (edge < 1.3 && left.x < middle - 1.8)
            return edgeGreen;
        // Lighter towards the tips, like the sheen of the wing.
        const double reach = std::clamp((middle - left.x) / middle, 0.0, 1.0);
        Colour c = mix(violetInner, violetOuter, reach);
        // Two yellow-green spots near each fore-wing tip.
        if (wing == &foreWing() &&
            (length(left - Vec2{5.0, 7.0}) < 1.1 || length(left - Vec2{7.5, 9.5}) < 0.9))
            c = edgeGreen;
        return c;
    }
    return black;
}

std::uint8_t channel(double sum, int samples) {
    return toByte(sum / samples);
}

} // namespace

RgbImage drawAppIcon(int percent) {
    // The butterfly is drawn in the units of the 32-pixel icon at every scale.
    const int side = scaledPixels(appIconPixels, percent);
    const double unit = static_cast<double>(appIconPixels) / side;
    RgbImage icon(side, side);
    constexpr int samplesPerSide = 6;
    constexpr int samples = samplesPerSide * samplesPerSide;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            double r = 0.0, g = 0.0, b = 0.0;
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    const Colour c = colourAt({(x + (sx + 0.5) / samplesPerSide) * unit,
                                               (y + (sy + 0.5) / samplesPerSide) * unit});
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            icon.at(x, y) = {channel(r, samples), channel(g, samples), channel(b, samples)};
        }
    }
    return icon;
}
