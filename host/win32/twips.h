#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace win32 {

// The dialog's layout and the screen's size are given in twips, 1440 per
// inch. A screen of 96 dots per inch has 15 twips per pixel; other
// resolutions give other factors, not always whole numbers (7.5 at 192).
constexpr int twipsPerInch = 1440;

inline float twipsPerPixelFor(int dotsPerInch) {
    return dotsPerInch > 0 ? static_cast<float>(twipsPerInch) / static_cast<float>(dotsPerInch)
                           : 15.0f;
}

// Whole pixels for a length in twips: the length rounded to whole twips,
// divided in single precision, rounded again (both roundings to nearest,
// halves to even) and limited to the 16-bit range of painting coordinates.
// A factor that is not positive gives 0.
inline int twipsToPixels(double twips, float twipsPerPixel) {
    if (!(twipsPerPixel > 0.0f) || !std::isfinite(twips)) {
        return 0;
    }
    const double whole = std::nearbyint(std::clamp(twips, -2147483648.0, 2147483647.0));
    const float pixels = static_cast<float>(whole) / twipsPerPixel;
    const double rounded = std::nearbyint(static_cast<double>(pixels));
    return static_cast<int>(std::clamp(rounded, double(INT16_MIN), double(INT16_MAX)));
}

inline int pixelsToTwips(int pixels, float twipsPerPixel) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixels) * twipsPerPixel));
}

} // namespace win32
