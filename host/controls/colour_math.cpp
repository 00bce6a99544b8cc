#include "colour_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

ColourParts SplitColour(Colour value) {
    return {value & 0xFF, (value / 256) & 0xFF, (value / 65536) & 0xFF};
}

Colour BlendColour(Colour from, Colour to, int steps, int step) {
    if (steps < 1) {
        return from;
    }
    const ColourParts a = SplitColour(from);
    const ColourParts b = SplitColour(to);
    const auto blend = [&](int x, int y) { return x - ((x - y) / steps) * step; };
    return Rgb(blend(a.red, b.red), blend(a.green, b.green), blend(a.blue, b.blue));
}

Colour ShadowColour(Colour background, int opacityPercent) {
    return BlendColour(0, background, 100, 100 - opacityPercent);
}

Colour GradientColour(Colour top, Colour bottom, int rows, int i) {
    const ColourParts t = SplitColour(top);
    const ColourParts b = SplitColour(bottom);
    const auto component = [&](int topPart, int bottomPart) {
        // A single-row gradient has no step; it is drawn in the bottom colour.
        const float step =
            rows == 0 ? 0.0f : static_cast<float>(topPart - bottomPart) / static_cast<float>(rows);
        const float value = static_cast<float>(bottomPart) + step * static_cast<float>(i);
        return static_cast<int>(std::nearbyint(value));
    };
    return Rgb(component(t.red, b.red), component(t.green, b.green), component(t.blue, b.blue));
}

int TwipsToPixels(double twips, float twipsPerPixel) {
    if (!(twipsPerPixel > 0.0f) || !std::isfinite(twips)) {
        return 0;
    }
    const double whole = std::nearbyint(std::clamp(twips, -2147483648.0, 2147483647.0));
    const float pixels = static_cast<float>(whole) / twipsPerPixel;
    const double rounded = std::nearbyint(static_cast<double>(pixels));
    return static_cast<int>(std::clamp(rounded, double(INT16_MIN), double(INT16_MAX)));
}
