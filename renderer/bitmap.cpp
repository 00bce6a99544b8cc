#include "bitmap.h"

#include "file_reader.h"
#include "memory_reader.h"

#include <climits>
#include <cstring>
#include <memory>
#include <new>

namespace {

// The reading below takes a FileReader or a MemoryReader alike.

// Little-endian fields read one by one from the file, whatever the host's
// byte order.
template <typename Reader> bool readU16(Reader& file, std::uint16_t& value) {
    std::uint8_t b[2];
    if (!file.read(b, sizeof b))
        return false;
    value = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    return true;
}

template <typename Reader> bool readU32(Reader& file, std::uint32_t& value) {
    std::uint8_t b[4];
    if (!file.read(b, sizeof b))
        return false;
    value = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
            (std::uint32_t{b[3]} << 24);
    return true;
}

template <typename Reader> bool readI32(Reader& file, std::int32_t& value) {
    std::uint32_t raw = 0;
    if (!readU32(file, raw))
        return false;
    // Two's complement reinterpretation without implementation-defined casts.
    value =
        raw <= INT32_MAX ? static_cast<std::int32_t>(raw) : -static_cast<std::int32_t>(~raw) - 1;
    return true;
}

struct BitmapHeader {
    std::uint32_t pixelOffset = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
};

// The 54 bytes of the file header and the classic info header, in order.
template <typename Reader> bool readHeader(Reader& file, BitmapHeader& header) {
    std::uint8_t b = 0;
    std::uint8_t m = 0;
    std::uint32_t ignored32 = 0;
    std::uint16_t ignored16 = 0;
    if (!file.read(&b, 1) || !file.read(&m, 1) || b != 'B' || m != 'M')
        return false;
    return readU32(file, ignored32)              // file size
           && readU32(file, ignored32)           // reserved
           && readU32(file, header.pixelOffset)  //
           && readU32(file, ignored32)           // info header size
           && readI32(file, header.width)        //
           && readI32(file, header.height)       //
           && readU16(file, ignored16)           // planes
           && readU16(file, header.bitsPerPixel) //
           && readU32(file, header.compression)  //
           && readU32(file, ignored32)           // image size
           && readU32(file, ignored32)           // horizontal pixels per metre
           && readU32(file, ignored32)           // vertical pixels per metre
           && readU32(file, ignored32)           // colours used
           && readU32(file, ignored32);          // important colours
}

bool supportedDepth(std::uint16_t bits) {
    return bits == 8 || bits == 24 || bits == 32;
}

void convertRow(const std::uint8_t* source, std::uint8_t* target, std::uint32_t width,
                std::uint32_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 8:
        std::memcpy(target, source, width);
        break;
    case 24:
        for (std::uint32_t x = 0; x < width; ++x, source += 3, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
        break;
    case 32:
        for (std::uint32_t x = 0; x < width; ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = source[3];
        }
        break;
    default:
        break;
    }
}

// The bitmap from the start of file into image, which is empty.
template <typename Reader> bool readBitmap(Reader& file, Image* image) {
    BitmapHeader header;
    if (!readHeader(file, header))
        return false;
    if (header.compression != 0 || header.width == 0 || header.height == 0)
        return false;
    if (!supportedDepth(header.bitsPerPixel))
        return false;
    // Sizes are bounded before any arithmetic on them: a negative width has no
    // meaning, and INT_MIN has no positive row count.
    if (header.width < 0 || header.height == INT32_MIN)
        return false;
    const std::uint32_t width = static_cast<std::uint32_t>(header.width);
    const std::uint32_t rows = header.height > 0 ? static_cast<std::uint32_t>(header.height)
                                                 : static_cast<std::uint32_t>(-header.height);
    if (width > maxBitmapSide || rows > maxBitmapSide)
        return false;

    const std::uint64_t pixelBytes = std::uint64_t{header.bitsPerPixel / 8u} * width;
    const std::uint64_t stride = (pixelBytes + 3) / 4 * 4;
    const std::uint64_t size = stride * rows;
    if (size > UINT32_MAX)
        return false;

    // The pixel data must lie within the file before anything is allocated
    // for it, so a tiny file cannot claim gigabytes.
    const std::optional<std::uint64_t> fileSize = file.size();
    if (!fileSize || header.pixelOffset > *fileSize || size > *fileSize - header.pixelOffset)
        return false;
    if (!file.seek(header.pixelOffset))
        return false;

    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[size]);
    if (!buffer || !file.read(buffer.get(), static_cast<std::size_t>(size)))
        return false;

    if (!image->allocate(width, rows, header.bitsPerPixel))
        return false;
    const bool bottomUp = header.height > 0;
    for (std::uint32_t i = 0; i < rows; ++i) {
        const std::uint32_t sourceRow = bottomUp ? rows - 1 - i : i;
        convertRow(buffer.get() + sourceRow * stride,
                   image->pixels() + std::size_t{i} * image->rowBytes, width, header.bitsPerPixel);
    }
    return true;
}

} // namespace

bool readBmp(const char* path, Image* image) {
    if (image == nullptr)
        return false;
    image->release();
    FileReader file;
    if (!file.open(path))
        return false;
    return readBitmap(file, image);
}

bool readBmpBytes(const std::uint8_t* bytes, std::size_t size, Image* image) {
    if (image == nullptr)
        return false;
    image->release();
    MemoryReader reader(bytes, size);
    return readBitmap(reader, image);
}
