#include "picture_format.h"

namespace win32 {

namespace {

std::uint32_t u16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t u32(const std::uint8_t* p) {
    return u16(p) | u16(p + 2) << 16;
}

std::int32_t s32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(u32(p));
}

constexpr std::size_t fileHeaderSize = 14;
constexpr std::uint32_t compressionRgb = 0;
constexpr std::uint32_t compressionBitfields = 3;

bool isKnownInfoSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

} // namespace

std::optional<PictureFileKind> pictureFileKind(const std::uint8_t* data, std::size_t size) {
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        return PictureFileKind::Bitmap;
    }
    if (size >= 6 && u16(data) == 0 && u16(data + 4) > 0) {
        if (u16(data + 2) == 1) {
            return PictureFileKind::Icon;
        }
        if (u16(data + 2) == 2) {
            return PictureFileKind::Cursor;
        }
    }
    return std::nullopt;
}

std::optional<BitmapFileLayout> inspectBitmapFile(const std::uint8_t* data, std::size_t size) {
    if (!data || size < fileHeaderSize + 40 || data[0] != 'B' || data[1] != 'M') {
        return std::nullopt;
    }
    const std::uint8_t* info = data + fileHeaderSize;
    std::uint32_t infoHeaderSize = u32(info);
    if (!isKnownInfoSize(infoHeaderSize) || fileHeaderSize + infoHeaderSize > size) {
        return std::nullopt;
    }
    BitmapFileLayout layout;
    std::int32_t width = s32(info + 4);
    std::int32_t height = s32(info + 8);
    std::uint32_t planes = u16(info + 12);
    std::uint32_t bits = u16(info + 14);
    std::uint32_t compression = u32(info + 16);
    std::uint32_t coloursUsed = u32(info + 32);
    if (width <= 0 || width > largestPictureSide || height == 0 || height < -largestPictureSide ||
        height > largestPictureSide || planes != 1) {
        return std::nullopt;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return std::nullopt;
    }
    if (compression != compressionRgb &&
        !(compression == compressionBitfields && (bits == 16 || bits == 32))) {
        return std::nullopt;
    }
    std::uint64_t colours = 0;
    if (bits <= 8) {
        std::uint32_t most = 1u << bits;
        if (coloursUsed > most) {
            return std::nullopt;
        }
        colours = coloursUsed ? coloursUsed : most;
    } else {
        // A table may follow for palette devices; it is skipped, not used.
        colours = coloursUsed;
    }
    std::uint64_t masks = (compression == compressionBitfields && infoHeaderSize == 40) ? 12 : 0;
    std::uint64_t infoSize = infoHeaderSize + masks + colours * 4;
    std::uint64_t pixelOffset = u32(data + 10);
    std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    std::uint64_t rows =
        static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    std::uint64_t pixelSize = stride * rows;
    if (fileHeaderSize + infoSize > pixelOffset || pixelOffset > size ||
        pixelSize > size - pixelOffset) {
        return std::nullopt;
    }
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = static_cast<int>(bits);
    layout.infoSize = static_cast<std::size_t>(infoSize);
    layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
    layout.pixelSize = static_cast<std::size_t>(pixelSize);
    return layout;
}

std::optional<IconFileImage> inspectIconFile(const std::uint8_t* data, std::size_t size,
                                             int preferredWidth) {
    auto kind = data ? pictureFileKind(data, size) : std::nullopt;
    if (!kind || *kind == PictureFileKind::Bitmap) {
        return std::nullopt;
    }
    std::size_t count = u16(data + 4);
    if (6 + 16 * count > size) {
        return std::nullopt;
    }
    std::optional<IconFileImage> chosen;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = data + 6 + 16 * i;
        IconFileImage image;
        image.cursor = *kind == PictureFileKind::Cursor;
        image.width = entry[0] ? entry[0] : 256;
        image.height = entry[1] ? entry[1] : 256;
        if (image.cursor) {
            image.hotspotX = static_cast<int>(u16(entry + 4));
            image.hotspotY = static_cast<int>(u16(entry + 6));
        }
        std::uint64_t bytes = u32(entry + 8);
        std::uint64_t offset = u32(entry + 12);
        // At least a BITMAPINFOHEADER (or a PNG signature and header).
        if (bytes < 40 || offset > size || bytes > size - offset) {
            return std::nullopt;
        }
        image.offset = static_cast<std::size_t>(offset);
        image.size = static_cast<std::size_t>(bytes);
        bool better = !chosen || (chosen->width != preferredWidth &&
                                  (image.width == preferredWidth || image.width > chosen->width));
        if (better) {
            chosen = image;
        }
    }
    return chosen;
}

} // namespace win32
