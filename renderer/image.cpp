#include "image.h"

#include <new>

// The pixel array is owned and freed with the image.
Image::~Image() = default;

void Image::release() {
    pixels_.reset();
    bitsPerPixel = 0;
    width = 0;
    height = 0;
    rowBytes = 0;
    byteCount = 0;
}

bool Image::allocate(std::uint32_t newWidth, std::uint32_t newHeight,
                     std::uint32_t newBitsPerPixel) {
    release();
    if (newWidth == 0 || newHeight == 0 || newBitsPerPixel == 0)
        return false;
    const std::uint64_t newRowBytes =
        std::uint64_t{newWidth} * ((std::uint64_t{newBitsPerPixel} + 7) / 8);
    if (newRowBytes > UINT32_MAX)
        return false;
    const std::uint64_t newByteCount = newRowBytes * newHeight;
    if (newByteCount > UINT32_MAX)
        return false;
    pixels_.reset(new (std::nothrow) std::uint8_t[newByteCount]);
    if (!pixels_)
        return false;
    bitsPerPixel = newBitsPerPixel;
    width = newWidth;
    height = newHeight;
    rowBytes = static_cast<std::uint32_t>(newRowBytes);
    byteCount = static_cast<std::uint32_t>(newByteCount);
    return true;
}

bool Image::load(const char* path, ImageReader reader) {
    if (reader == nullptr)
        return false;
    return reader(path, this);
}
