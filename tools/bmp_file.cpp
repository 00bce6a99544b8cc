#include "bmp_file.h"

#include "byte_writer.h"

namespace {

constexpr std::uint32_t fileHeaderBytes = 14;
constexpr std::uint32_t infoHeaderBytes = 40;

std::uint32_t paddedRowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void writeHeaders(ByteWriter& out, int width, int height, int bitsPerPixel,
                  std::uint32_t paletteEntries, std::uint32_t fileBytes) {
    const std::uint32_t pixelOffset = fileHeaderBytes + infoHeaderBytes + paletteEntries * 4;
    out.u8('B');
    out.u8('M');
    out.u32(fileBytes);
    out.u32(0);
    out.u32(pixelOffset);

    out.u32(infoHeaderBytes);
    out.i32(width);
    out.i32(height);
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(0); // uncompressed
    out.u32(paddedRowBytes(width, bitsPerPixel) * static_cast<std::uint32_t>(height));
    out.u32(2835); // 72 dots per inch
    out.u32(2835);
    out.u32(paletteEntries);
    out.u32(0);
}

} // namespace

std::vector<std::uint8_t> encodeGreyBmp(const GreyImage& image, std::size_t trailingZeros) {
    const std::uint32_t rowBytes = paddedRowBytes(image.width(), 8);
    const std::uint32_t fileBytes = fileHeaderBytes + infoHeaderBytes + 256 * 4 +
                                    rowBytes * static_cast<std::uint32_t>(image.height()) +
                                    static_cast<std::uint32_t>(trailingZeros);
    ByteWriter out;
    writeHeaders(out, image.width(), image.height(), 8, 256, fileBytes);
    for (std::uint32_t level = 0; level < 256; ++level) {
        out.u8(level);
        out.u8(level);
        out.u8(level);
        out.u8(0);
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x)
            out.u8(image.at(x, y));
        out.zeros(rowBytes - static_cast<std::uint32_t>(image.width()));
    }
    out.zeros(trailingZeros);
    return out.take();
}

std::vector<std::uint8_t> encodeRgbBmp(const RgbImage& image) {
    const std::uint32_t rowBytes = paddedRowBytes(image.width(), 24);
    const std::uint32_t fileBytes =
        fileHeaderBytes + infoHeaderBytes + rowBytes * static_cast<std::uint32_t>(image.height());
    ByteWriter out;
    writeHeaders(out, image.width(), image.height(), 24, 0, fileBytes);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb pixel = image.at(x, y);
            out.u8(pixel.b);
            out.u8(pixel.g);
            out.u8(pixel.r);
        }
        out.zeros(rowBytes - static_cast<std::uint32_t>(image.width()) * 3);
    }
    return out.take();
}

std::vector<std::uint8_t> encodeIndexedBmp(const IndexedImage& image) {
    const int width = image.indices.width();
    const int height = image.indices.height();
    const auto entries = static_cast<std::uint32_t>(image.palette.size());
    const std::uint32_t rowBytes = paddedRowBytes(width, 8);
    const std::uint32_t fileBytes = fileHeaderBytes + infoHeaderBytes + entries * 4 +
                                    rowBytes * static_cast<std::uint32_t>(height);
    ByteWriter out;
    writeHeaders(out, width, height, 8, entries, fileBytes);
    for (const Rgb& colour : image.palette) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            out.u8(image.indices.at(x, y));
        out.zeros(rowBytes - static_cast<std::uint32_t>(width));
    }
    return out.take();
}
