#pragma once

// Bytes of small .bmp, .ico and .cur files, composed field by field.

#include <cstdint>
#include <vector>

namespace picture_bytes {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

inline void set32(Bytes& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline void putInfoHeader(Bytes& out, std::int32_t width, std::int32_t height, int bits,
                          std::uint32_t colours, std::uint32_t compression = 0) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, compression);
    put32(out, 0);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
}

inline std::uint32_t stride(int width, int bits) {
    return ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4;
}

// An 8-bit grey bitmap with the grey-ramp colour table; pixel (x, y) with
// y = 0 at the top is grey(x, y).
template <class Grey> Bytes greyBitmap(int width, int height, Grey grey) {
    std::uint32_t rowBytes = stride(width, 8);
    std::uint32_t offset = 14 + 40 + 256 * 4;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + rowBytes * height);
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, width, height, 8, 0);
    for (int i = 0; i < 256; ++i) {
        out.push_back(static_cast<std::uint8_t>(i));
        out.push_back(static_cast<std::uint8_t>(i));
        out.push_back(static_cast<std::uint8_t>(i));
        out.push_back(0);
    }
    for (int row = height - 1; row >= 0; --row) {
        for (std::uint32_t x = 0; x < rowBytes; ++x) {
            out.push_back(static_cast<int>(x) < width ? grey(static_cast<int>(x), row) : 0);
        }
    }
    return out;
}

// A 24-bit bitmap; colour(x, y) returns 0x00RRGGBB with y = 0 at the top.
template <class Colour> Bytes rgbBitmap(int width, int height, Colour colour, bool topDown) {
    std::uint32_t rowBytes = stride(width, 24);
    std::uint32_t offset = 14 + 40;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + rowBytes * height);
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, width, topDown ? -height : height, 24, 0);
    for (int i = 0; i < height; ++i) {
        int row = topDown ? i : height - 1 - i;
        for (int x = 0; x < width; ++x) {
            std::uint32_t value = colour(x, row);
            out.push_back(static_cast<std::uint8_t>(value));
            out.push_back(static_cast<std::uint8_t>(value >> 8));
            out.push_back(static_cast<std::uint8_t>(value >> 16));
        }
        for (std::uint32_t pad = width * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

// One image of an icon or cursor file: a 32-bit BITMAPINFOHEADER image with
// doubled height, every pixel 0xAARRGGBB = argb, and an all-zero AND mask.
inline Bytes iconImage(int side, std::uint32_t argb) {
    Bytes out;
    putInfoHeader(out, side, side * 2, 32, 0);
    for (int i = 0; i < side * side; ++i) {
        put32(out, argb);
    }
    std::uint32_t maskRow = stride(side, 1);
    out.insert(out.end(), maskRow * side, 0);
    return out;
}

struct IconEntry {
    int side;
    std::uint32_t argb;
    int hotspotX = 0;
    int hotspotY = 0;
};

// An .ico (cursor false) or .cur file holding the given images in order.
inline Bytes iconFile(const std::vector<IconEntry>& entries, bool cursor) {
    Bytes out;
    put16(out, 0);
    put16(out, cursor ? 2 : 1);
    put16(out, static_cast<std::uint32_t>(entries.size()));
    std::vector<Bytes> images;
    for (const IconEntry& entry : entries) {
        images.push_back(iconImage(entry.side, entry.argb));
    }
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& entry = entries[i];
        out.push_back(static_cast<std::uint8_t>(entry.side >= 256 ? 0 : entry.side));
        out.push_back(static_cast<std::uint8_t>(entry.side >= 256 ? 0 : entry.side));
        out.push_back(0);
        out.push_back(0);
        put16(out, cursor ? entry.hotspotX : 1);
        put16(out, cursor ? entry.hotspotY : 32);
        put32(out, static_cast<std::uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

} // namespace picture_bytes
