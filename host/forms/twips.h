#pragma once

#include <cmath>

namespace forms {

// Sizes and positions of forms and controls are kept in twips, 1440 per
// inch. A screen of 96 dots per inch has 15 twips per pixel; other
// resolutions give other factors, not always whole numbers (7.5 at 192).
constexpr int twipsPerInch = 1440;

inline float twipsPerPixelFor(int dotsPerInch) {
    return dotsPerInch > 0 ? static_cast<float>(twipsPerInch) / static_cast<float>(dotsPerInch)
                           : 15.0f;
}

// Whole pixels for a length in twips, rounded to nearest with halves to even.
inline int twipsToPixels(int twips, float twipsPerPixel) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / twipsPerPixel));
}

inline int pixelsToTwips(int pixels, float twipsPerPixel) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixels) * twipsPerPixel));
}

} // namespace forms
