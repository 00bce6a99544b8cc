#include "icon_file.h"

#include "byte_writer.h"

namespace {

constexpr std::uint32_t directoryBytes = 6;
constexpr std::uint32_t entryBytes = 16;
constexpr std::uint32_t infoHeaderBytes = 40;

std::uint32_t paddedRowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

bool fits(const IndexedImage& image, int bitsPerPixel) {
    const int w = image.indices.width();
    const int h = image.indices.height();
    if ((bitsPerPixel != 4 && bitsPerPixel != 8) || w < 1 || h < 1 || w > 256 || h > 256)
        return false;
    if (image.transparent.width() != w || image.transparent.height() != h)
        return false;
    const std::size_t entries = std::size_t{1} << bitsPerPixel;
    if (image.palette.empty() || image.palette.size() > entries)
        return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (image.indices.at(x, y) >= image.palette.size())
                return false;
    return true;
}

std::vector<std::uint8_t> encode(const IndexedImage& image, int bitsPerPixel, bool cursor,
                                 HotSpot hotSpot) {
    const int w = image.indices.width();
    const int h = image.indices.height();
    const std::uint32_t entries = 1u << bitsPerPixel;
    const std::uint32_t colourBytes = paddedRowBytes(w, bitsPerPixel) * h;
    const std::uint32_t maskBytes = paddedRowBytes(w, 1) * h;
    const std::uint32_t imageBytes = infoHeaderBytes + entries * 4 + colourBytes + maskBytes;

    ByteWriter out;
    out.u16(0);
    out.u16(cursor ? 2 : 1);
    out.u16(1);

    out.u8(w == 256 ? 0 : static_cast<std::uint32_t>(w));
    out.u8(h == 256 ? 0 : static_cast<std::uint32_t>(h));
    out.u8(entries < 256 ? entries : 0);
    out.u8(0);
    // An icon entry holds planes and depth here; a cursor entry holds its hot spot instead.
    out.u16(cursor ? static_cast<std::uint32_t>(hotSpot.x) : 1);
    out.u16(cursor ? static_cast<std::uint32_t>(hotSpot.y) : static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(imageBytes);
    out.u32(directoryBytes + entryBytes);

    out.u32(infoHeaderBytes);
    out.i32(w);
    out.i32(h * 2); // colour rows and mask rows together
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(0);
    out.u32(colourBytes + maskBytes);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);

    for (std::uint32_t i = 0; i < entries; ++i) {
        const Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{};
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }

    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(paddedRowBytes(w, bitsPerPixel), 0);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t index = image.indices.at(x, y);
            if (bitsPerPixel == 8)
                row[x] = index;
            else
                row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        for (std::uint8_t b : row)
            out.u8(b);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(paddedRowBytes(w, 1), 0);
        for (int x = 0; x < w; ++x)
            if (image.transparent.at(x, y))
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        for (std::uint8_t b : row)
            out.u8(b);
    }
    return out.take();
}

} // namespace

std::optional<std::vector<std::uint8_t>> encodeIcon(const IndexedImage& image, int bitsPerPixel) {
    if (!fits(image, bitsPerPixel))
        return std::nullopt;
    return encode(image, bitsPerPixel, false, {});
}

std::optional<std::vector<std::uint8_t>> encodeCursor(const IndexedImage& image, int bitsPerPixel,
                                                      HotSpot hotSpot) {
    if (!fits(image, bitsPerPixel) || hotSpot.x < 0 || hotSpot.y < 0 ||
        hotSpot.x >= image.indices.width() || hotSpot.y >= image.indices.height())
        return std::nullopt;
    return encode(image, bitsPerPixel, true, hotSpot);
}
