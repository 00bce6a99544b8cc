#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Reading the committed asset files field by field, independently of the code that wrote them.

using Bytes = std::vector<std::uint8_t>;

inline std::filesystem::path committedAsset(const std::string& relative) {
    return std::filesystem::path(KALENDRA_ASSETS_DIR) / relative;
}

Bytes readBytes(const std::filesystem::path& path);

// Little-endian fields; 0 when the field lies beyond the end, so a short file fails the
// checks instead of reading out of bounds.
std::uint32_t le16(const Bytes& bytes, std::size_t offset);
std::uint32_t le32(const Bytes& bytes, std::size_t offset);
std::int32_t les32(const Bytes& bytes, std::size_t offset);

struct Pixel {
    int r = 0;
    int g = 0;
    int b = 0;
};

// An uncompressed 24-bit or 8-bit (palette) bottom-up bitmap, or an 8-bit run-length-encoded
// one (rle_bitmap.h), row 0 at the top; empty when the file is not one.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
RgbPicture decodeRgbBmp(const Bytes& bytes);

// One image of an .ico or .cur file: colours through its table and the transparency mask.
struct IconPicture {
    int width = 0;
    int height = 0;
    std::vector<Pixel> colours;
    std::vector<bool> transparent;
    const Pixel& at(int x, int y) const { return colours[static_cast<std::size_t>(y * width + x)]; }
    bool clear(int x, int y) const { return transparent[static_cast<std::size_t>(y * width + x)]; }
};
IconPicture decodeIconImage(const Bytes& bytes);
