#include "rle_bitmap.h"

#include <algorithm>

namespace {

std::uint32_t u16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t u32(const std::uint8_t* p) {
    return u16(p) | u16(p + 2) << 16;
}

void put32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t plainInfoSize = 40;
constexpr std::uint32_t compressionRle8 = 1;
constexpr std::int32_t largestSide = 16384;

// Decodes the runs into rows of stride bytes, bottom row first.
bool decodeRuns(const std::uint8_t* in, std::size_t size, std::size_t width, std::size_t height,
                std::size_t stride, std::uint8_t* rows) {
    std::size_t x = 0;
    std::size_t y = 0;
    std::size_t at = 0;
    while (at + 2 <= size) {
        std::size_t count = in[at];
        std::uint8_t value = in[at + 1];
        at += 2;
        if (count > 0) { // a run of one index
            if (y >= height || count > width - x) {
                return false;
            }
            for (std::size_t i = 0; i < count; ++i) {
                rows[y * stride + x++] = value;
            }
        } else if (value == 0) { // end of line
            if (y >= height) {
                return false;
            }
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // jump right and up
            if (at + 2 > size || in[at] > width - x || in[at + 1] > height - y) {
                return false;
            }
            x += in[at];
            y += in[at + 1];
            at += 2;
        } else { // `value` indices as they are, padded to an even count
            std::size_t padded = value + (value & 1u);
            if (y >= height || value > width - x || padded > size - at) {
                return false;
            }
            for (std::size_t i = 0; i < value; ++i) {
                rows[y * stride + x++] = in[at + i];
            }
            at += padded;
        }
    }
    return false;
}

} // namespace

std::optional<std::vector<std::uint8_t>> expandRle8Bitmap(const std::uint8_t* data,
                                                          std::size_t size) {
    if (!data || size < fileHeaderSize + plainInfoSize || data[0] != 'B' || data[1] != 'M') {
        return std::nullopt;
    }
    const std::uint8_t* info = data + fileHeaderSize;
    std::uint32_t infoSize = u32(info);
    auto width = static_cast<std::int32_t>(u32(info + 4));
    auto height = static_cast<std::int32_t>(u32(info + 8));
    std::uint32_t coloursUsed = u32(info + 32);
    // Run-length-encoded rows are always stored bottom-up: the height is positive.
    if (infoSize < plainInfoSize || infoSize > size - fileHeaderSize || u16(info + 12) != 1 ||
        u16(info + 14) != 8 || u32(info + 16) != compressionRle8 || width <= 0 ||
        width > largestSide || height <= 0 || height > largestSide || coloursUsed > 256) {
        return std::nullopt;
    }
    std::size_t colours = coloursUsed ? coloursUsed : 256;
    std::size_t tableOffset = fileHeaderSize + infoSize;
    std::size_t pixelOffset = u32(data + 10);
    if (tableOffset + colours * 4 > pixelOffset || pixelOffset > size) {
        return std::nullopt;
    }
    std::size_t encodedSize = size - pixelOffset;
    if (std::uint32_t stated = u32(info + 20); stated != 0 && stated < encodedSize) {
        encodedSize = stated;
    }

    auto stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
    std::size_t plainOffset = fileHeaderSize + plainInfoSize + colours * 4;
    std::size_t pixelSize = stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> plain(plainOffset + pixelSize, 0);
    if (!decodeRuns(data + pixelOffset, encodedSize, static_cast<std::size_t>(width),
                    static_cast<std::size_t>(height), stride, plain.data() + plainOffset)) {
        return std::nullopt;
    }

    plain[0] = 'B';
    plain[1] = 'M';
    put32(&plain[2], static_cast<std::uint32_t>(plain.size()));
    put32(&plain[10], static_cast<std::uint32_t>(plainOffset));
    std::uint8_t* header = &plain[fileHeaderSize];
    // Size, width, height, planes and depth, then the resolution and colour counts, as stored.
    std::copy(info, info + 16, header);
    put32(header, plainInfoSize);
    put32(header + 20, static_cast<std::uint32_t>(pixelSize));
    std::copy(info + 24, info + plainInfoSize, header + 24);
    std::copy(data + tableOffset, data + tableOffset + colours * 4, header + plainInfoSize);
    return plain;
}
