#include "texture_pixels.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>

namespace {

// True when the image holds the packed pixels its fields describe. Images
// built with Image::allocate always do; this guards hand-filled ones.
bool hasPixels(const Image& image, std::uint32_t bitsPerPixel) {
    if (image.bitsPerPixel != bitsPerPixel || image.pixels() == nullptr || image.width == 0 ||
        image.height == 0)
        return false;
    const std::uint64_t rowBytes = std::uint64_t{image.width} * (bitsPerPixel / 8);
    return image.rowBytes == rowBytes && image.byteCount == rowBytes * image.height;
}

bool sameSize(const Image& a, const Image& b) {
    return a.width == b.width && a.height == b.height;
}

// A plan with room for width × height pixels of the layout, or nothing when
// that memory cannot be had.
std::optional<TexturePixels> makePixels(PixelLayout layout, int components, const Image& like) {
    const std::uint64_t bytes =
        std::uint64_t{like.width} * like.height * static_cast<std::uint64_t>(components);
    if (bytes > static_cast<std::uint64_t>(PTRDIFF_MAX))
        return std::nullopt;
    TexturePixels result{layout, components, like.width, like.height, {}};
    try {
        result.pixels.resize(static_cast<std::size_t>(bytes));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return result;
}

TexturePlan rejected() {
    return TexturePlan{false, std::nullopt};
}
TexturePlan nothingToUpload() {
    return TexturePlan{true, std::nullopt};
}

TexturePlan withAlpha(const Image& colour, const Image& alpha) {
    const bool grey = colour.bitsPerPixel == 8;
    if (!hasPixels(colour, colour.bitsPerPixel) || !hasPixels(alpha, 8) || !sameSize(colour, alpha))
        return rejected();
    std::optional<TexturePixels> out = grey ? makePixels(PixelLayout::LuminanceAlpha, 2, colour)
                                            : makePixels(PixelLayout::Rgba, 4, colour);
    if (!out)
        return rejected();

    const std::size_t count = std::size_t{colour.width} * colour.height;
    const std::uint8_t* c = colour.pixels();
    const std::uint8_t* a = alpha.pixels();
    std::uint8_t* target = out->pixels.data();
    for (std::size_t i = 0; i < count; ++i) {
        if (grey) {
            *target++ = c[i];
        } else {
            *target++ = c[3 * i];
            *target++ = c[3 * i + 1];
            *target++ = c[3 * i + 2];
        }
        *target++ = a[i];
    }
    return TexturePlan{true, std::move(out)};
}

TexturePlan alone(const Image& colour) {
    PixelLayout layout;
    int components;
    switch (colour.bitsPerPixel) {
    case 8:
        layout = PixelLayout::Luminance;
        components = 1;
        break;
    case 24:
        layout = PixelLayout::Rgb;
        components = 3;
        break;
    case 32:
        layout = PixelLayout::Rgba;
        components = 4;
        break;
    default:
        return nothingToUpload();
    }
    if (!hasPixels(colour, colour.bitsPerPixel))
        return nothingToUpload();
    std::optional<TexturePixels> out = makePixels(layout, components, colour);
    if (!out)
        return rejected();
    std::copy(colour.pixels(), colour.pixels() + colour.byteCount, out->pixels.begin());
    return TexturePlan{true, std::move(out)};
}

} // namespace

TexturePlan planTexture(const Image& colour, const Image* alpha) {
    if (alpha != nullptr && (colour.bitsPerPixel == 8 || colour.bitsPerPixel == 24))
        return withAlpha(colour, *alpha);
    return alone(colour);
}
