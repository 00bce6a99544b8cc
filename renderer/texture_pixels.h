#pragma once

#include "image.h"

#include <cstdint>
#include <optional>
#include <vector>

// The pixels a butterfly texture is built from, prepared without GL.

enum class PixelLayout { Luminance, LuminanceAlpha, Rgb, Rgba };

struct TexturePixels {
    PixelLayout layout;
    int components; // 1, 2, 3 or 4
    std::uint32_t width;
    std::uint32_t height;
    std::vector<std::uint8_t> pixels; // packed rows, row 0 first
};

struct TexturePlan {
    bool accepted;                       // false: the texture is released, the kind untextured
    std::optional<TexturePixels> upload; // empty with accepted: nothing is uploaded
};

// Combines a colour picture with an optional alpha picture. An 8- or 24-bit
// colour picture given an alpha picture needs it 8-bit and of the same size
// (grey and alpha pairs, or red, green, blue and alpha); otherwise it is
// rejected. Without an alpha picture, or at 32 bits, the colour picture is
// used alone; an empty picture or an unsupported depth uploads nothing.
TexturePlan planTexture(const Image& colour, const Image* alpha);
