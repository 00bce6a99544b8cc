#include "colour_math.h"

#include <cmath>
#include <cstdint>

namespace controls {

ColourParts splitColour(Colour colour) {
    const auto value = static_cast<std::int32_t>(colour);
    return {value & 0xFF, (value / 256) & 0xFF, (value / 65536) & 0xFF};
}

Colour blendColour(Colour from, Colour to, int steps, int step) {
    if (steps < 1) {
        return from;
    }
    const ColourParts a = splitColour(from);
    const ColourParts b = splitColour(to);
    const auto blend = [&](int x, int y) { return x - ((x - y) / steps) * step; };
    return rgb(blend(a.red, b.red), blend(a.green, b.green), blend(a.blue, b.blue));
}

Colour shadowColour(Colour background, int opacityPercent) {
    return blendColour(0, background, 100, 100 - opacityPercent);
}

Colour gradientColour(Colour top, Colour bottom, int rows, int i) {
    const ColourParts t = splitColour(top);
    const ColourParts b = splitColour(bottom);
    const auto component = [&](int topPart, int bottomPart) {
        // A single-row gradient has no step; it is drawn in the bottom colour.
        const float step =
            rows == 0 ? 0.0f : static_cast<float>(topPart - bottomPart) / static_cast<float>(rows);
        const float value = static_cast<float>(bottomPart) + step * static_cast<float>(i);
        return static_cast<int>(std::nearbyint(value));
    };
    return rgb(component(t.red, b.red), component(t.green, b.green), component(t.blue, b.blue));
}

} // namespace controls
