#pragma once

#include "indexed_image.h"
#include "raster.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Windows bitmap files, rows stored bottom-up, 40-byte info header; uncompressed unless
// said otherwise.

// 8 bits per pixel with a 256-entry grey-ramp colour table (entry i is grey i), so each
// byte is the grey level itself. `trailingZeros` zero bytes follow the pixel data.
std::vector<std::uint8_t> encodeGreyBmp(const GreyImage& image, std::size_t trailingZeros = 0);

// 24 bits per pixel, blue-green-red.
std::vector<std::uint8_t> encodeRgbBmp(const RgbImage& image);

// 8 bits per pixel through the image's palette (at most 256 entries, all of them in the
// colour table), the rows run-length encoded (BI_RLE8): each repetition of an index stored
// once with its count, other stretches as they are. Every pixel is given, so nothing is left
// to a decoder's choice; the transparency mask is not stored.
std::vector<std::uint8_t> encodeRunLengthBmp(const IndexedImage& image);
