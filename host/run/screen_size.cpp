#include "screen_size.h"

#include "text_conversions.h"

std::optional<std::int16_t> screenSidePixels(float sideTwips, float twipsPerPixel) {
    std::optional<std::int32_t> twips = roundHalfEvenToInt32(sideTwips);
    std::optional<std::int16_t> perPixel = roundHalfEvenToInt16(twipsPerPixel);
    if (!twips || !perPixel || *perPixel == 0) {
        return std::nullopt;
    }
    std::int32_t pixels = *twips / *perPixel;
    if (pixels < INT16_MIN || pixels > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(pixels);
}
