#pragma once

#include "indexed_image.h"

#include <cstdint>
#include <optional>
#include <vector>

// Single-image .ico and .cur files: a 6-byte directory, one 16-byte entry and the image as
// a 40-byte info header with doubled height, the colour table, the colour (XOR) rows and the
// 1-bit transparency (AND) rows, all bottom-up.

struct HotSpot {
    int x = 0;
    int y = 0;
};

// Fails when the palette does not fit the depth (4 or 8 bits per pixel), the picture is
// empty or larger than 256 pixels a side, or the hot spot lies outside the picture.
std::optional<std::vector<std::uint8_t>> encodeIcon(const IndexedImage& image, int bitsPerPixel);
std::optional<std::vector<std::uint8_t>> encodeCursor(const IndexedImage& image, int bitsPerPixel,
                                                      HotSpot hotSpot);
