#pragma once

#include <cstdint>
#include <optional>

// One side of the primary screen in pixels, as the host stores it: the side
// in twips and the twips-per-pixel factor, each rounded to a whole number
// (halves to even), then divided with the remainder dropped. Nothing when a
// factor rounds to 0 or the result does not fit 16 bits.
std::optional<std::int16_t> screenSidePixels(float sideTwips, float twipsPerPixel);
