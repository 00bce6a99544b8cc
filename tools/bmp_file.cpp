#include "bmp_file.h"

#include "byte_writer.h"

#include <algorithm>

namespace {

constexpr std::uint32_t fileHeaderBytes = 14;
constexpr std::uint32_t infoHeaderBytes = 40;

std::uint32_t paddedRowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

constexpr std::uint32_t uncompressed = 0;
constexpr std::uint32_t runLengthEncoded8 = 1;

void writeHeaders(ByteWriter& out, int width, int height, int bitsPerPixel,
                  std::uint32_t paletteEntries, std::uint32_t fileBytes,
                  std::uint32_t compression = uncompressed, std::uint32_t imageBytes = 0) {
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
    out.u32(compression);
    out.u32(compression == uncompressed
                ? paddedRowBytes(width, bitsPerPixel) * static_cast<std::uint32_t>(height)
                : imageBytes);
    out.u32(2835); // 72 dots per inch
    out.u32(2835);
    out.u32(paletteEntries);
    out.u32(0);
}

void writePalette(ByteWriter& out, const std::vector<Rgb>& palette) {
    for (const Rgb& colour : palette) {
        out.u8(colour.b);
        out.u8(colour.g);
        out.u8(colour.r);
        out.u8(0);
    }
}

// Indices that differ from their neighbours, as absolute runs of at most 255 (padded to an
// even length); fewer than three are cheaper as runs of one.
void writeLiterals(ByteWriter& out, const std::uint8_t* indices, std::size_t count) {
    while (count > 0) {
        const std::size_t length = std::min<std::size_t>(count, 255);
        if (length < 3) {
            for (std::size_t i = 0; i < length; ++i) {
                out.u8(1);
                out.u8(indices[i]);
            }
        } else {
            out.u8(0);
            out.u8(static_cast<std::uint32_t>(length));
            for (std::size_t i = 0; i < length; ++i)
                out.u8(indices[i]);
            out.zeros(length & 1);
        }
        indices += length;
        count -= length;
    }
}

// One row: every repetition of an index as a run of at most 255, everything else literally.
void writeRunLengthRow(ByteWriter& out, const std::vector<std::uint8_t>& row) {
    std::size_t literalStart = 0;
    std::size_t x = 0;
    while (x < row.size()) {
        std::size_t run = 1;
        while (x + run < row.size() && run < 255 && row[x + run] == row[x])
            ++run;
        if (run < 2) {
            ++x;
            continue;
        }
        writeLiterals(out, row.data() + literalStart, x - literalStart);
        out.u8(static_cast<std::uint32_t>(run));
        out.u8(row[x]);
        x += run;
        literalStart = x;
    }
    writeLiterals(out, row.data() + literalStart, row.size() - literalStart);
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

std::vector<std::uint8_t> encodeRunLengthBmp(const IndexedImage& image) {
    const int width = image.indices.width();
    const int height = image.indices.height();
    ByteWriter pixels;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width));
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            row[static_cast<std::size_t>(x)] = image.indices.at(x, y);
        writeRunLengthRow(pixels, row);
        // End of line, or after the top row end of bitmap.
        pixels.u8(0);
        pixels.u8(y > 0 ? 0 : 1);
    }
    const std::vector<std::uint8_t> encoded = pixels.take();

    const auto entries = static_cast<std::uint32_t>(image.palette.size());
    const auto imageBytes = static_cast<std::uint32_t>(encoded.size());
    ByteWriter out;
    writeHeaders(out, width, height, 8, entries,
                 fileHeaderBytes + infoHeaderBytes + entries * 4 + imageBytes, runLengthEncoded8,
                 imageBytes);
    writePalette(out, image.palette);
    std::vector<std::uint8_t> bytes = out.take();
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    return bytes;
}
