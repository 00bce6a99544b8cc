#include "asset_bytes.h"

#include "rle_bitmap.h"

#include <fstream>
#include <iterator>

Bytes readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le16(const Bytes& bytes, std::size_t offset) {
    if (offset + 2 > bytes.size())
        return 0;
    return bytes[offset] | (std::uint32_t{bytes[offset + 1]} << 8);
}

std::uint32_t le32(const Bytes& bytes, std::size_t offset) {
    if (offset + 4 > bytes.size())
        return 0;
    return le16(bytes, offset) | (le16(bytes, offset + 2) << 16);
}

std::int32_t les32(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(le32(bytes, offset));
}

RgbPicture decodeRgbBmp(const Bytes& bytes) {
    if (le32(bytes, 30) == 1) {
        const auto plain = expandRle8Bitmap(bytes.data(), bytes.size());
        return plain ? decodeRgbBmp(*plain) : RgbPicture{};
    }
    RgbPicture picture;
    const std::uint32_t bits = le16(bytes, 28);
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || (bits != 24 && bits != 8) ||
        le32(bytes, 30) != 0)
        return picture;
    const int width = les32(bytes, 18);
    const int height = les32(bytes, 22);
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        return picture;
    const std::size_t entries = bits == 8 ? (le32(bytes, 46) ? le32(bytes, 46) : 256) : 0;
    const std::size_t table = 14 + le32(bytes, 14);
    const std::size_t stride = (static_cast<std::size_t>(width) * bits / 8 + 3) / 4 * 4;
    const std::size_t offset = le32(bytes, 10);
    if (entries > 256 || table + entries * 4 > offset || offset + stride * height > bytes.size())
        return picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::size_t p = row + static_cast<std::size_t>(x) * 3;
            if (bits == 8) {
                const std::size_t index = bytes[row + static_cast<std::size_t>(x)];
                if (index >= entries)
                    return RgbPicture{};
                p = table + index * 4;
            }
            picture.pixels.push_back({bytes[p + 2], bytes[p + 1], bytes[p]});
        }
    }
    return picture;
}

IconPicture decodeIconImage(const Bytes& bytes) {
    IconPicture picture;
    const std::size_t header = le32(bytes, 18);
    const int width = les32(bytes, header + 4);
    const int doubledHeight = les32(bytes, header + 8);
    const int bits = static_cast<int>(le16(bytes, header + 14));
    if (width <= 0 || width > 256 || doubledHeight <= 0 || doubledHeight % 2 != 0 ||
        doubledHeight > 512 || (bits != 1 && bits != 4 && bits != 8) || le32(bytes, header) != 40)
        return picture;
    const int height = doubledHeight / 2;
    const std::size_t table = header + 40;
    const std::size_t colourStride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    const std::size_t colours = table + (std::size_t{4} << bits);
    const std::size_t mask = colours + colourStride * height;
    if (mask + maskStride * height > bytes.size())
        return picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            const int byte = bytes[colours + row * colourStride + bit / 8];
            const int index = (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
            const std::size_t entry = table + static_cast<std::size_t>(index) * 4;
            picture.colours.push_back({bytes[entry + 2], bytes[entry + 1], bytes[entry]});
            const int maskByte = bytes[mask + row * maskStride + static_cast<std::size_t>(x) / 8];
            picture.transparent.push_back(((maskByte >> (7 - x % 8)) & 1) != 0);
        }
    }
    return picture;
}
