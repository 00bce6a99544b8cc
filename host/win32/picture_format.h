#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace win32 {

// Checks of picture file bytes before any of them reach the system: every
// size and offset is proven to lie inside the given bytes, so a picture
// built from the result never reads past them.

enum class PictureFileKind { Bitmap, Icon, Cursor };

std::optional<PictureFileKind> pictureFileKind(const std::uint8_t* data, std::size_t size);

// A Windows bitmap file: BITMAPFILEHEADER, an info header of 40 bytes or one
// of its longer versions, colour masks and colour table, then the rows.
struct BitmapFileLayout {
    int width = 0;
    int height = 0; // negative: rows stored top-down
    int bitsPerPixel = 0;
    std::size_t infoOffset = 14; // the BITMAPINFO the system is given
    std::size_t infoSize = 0;    // header, masks and colour table
    std::size_t pixelOffset = 0;
    std::size_t pixelSize = 0; // stride × rows
};

constexpr int largestPictureSide = 16384;

std::optional<BitmapFileLayout> inspectBitmapFile(const std::uint8_t* data, std::size_t size);

// One image of an icon or cursor file (ICONDIR with ICONDIRENTRY records).
struct IconFileImage {
    bool cursor = false;
    int width = 0;
    int height = 0;
    int hotspotX = 0; // cursors only
    int hotspotY = 0;
    std::size_t offset = 0; // image data: BITMAPINFOHEADER and masks, or PNG
    std::size_t size = 0;
};

// Picks the image whose width equals preferredWidth, or else the widest;
// the first of equals wins. Zero in a size byte means 256.
std::optional<IconFileImage> inspectIconFile(const std::uint8_t* data, std::size_t size,
                                             int preferredWidth);

} // namespace win32
