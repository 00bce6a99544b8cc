#include "asset_previews.h"

#include "app_icon.h"
#include "banner_art.h"
#include "hand_cursor.h"
#include "option_marks.h"
#include "raster.h"
#include "wing_art.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

constexpr Rgb gap{64, 64, 64};

// Copies `picture` into `sheet` at (left, top), each pixel as a square of `scale`.
void paste(RgbImage& sheet, const RgbImage& picture, int left, int top, int scale) {
    for (int y = 0; y < picture.height() * scale; ++y)
        for (int x = 0; x < picture.width() * scale; ++x)
            if (sheet.contains(left + x, top + y))
                sheet.at(left + x, top + y) = picture.at(x / scale, y / scale);
}

bool save(const RgbImage& sheet, const std::filesystem::path& path, std::string& error) {
    std::vector<unsigned char> bytes;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            bytes.insert(bytes.end(), {sheet.at(x, y).r, sheet.at(x, y).g, sheet.at(x, y).b});
    if (!stbi_write_png(path.string().c_str(), sheet.width(), sheet.height(), 3, bytes.data(),
                        sheet.width() * 3)) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

RgbImage greyToRgb(const GreyImage& grey) {
    RgbImage out(grey.width(), grey.height());
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            out.at(x, y) = {grey.at(x, y), grey.at(x, y), grey.at(x, y)};
    return out;
}

// Both wings spread flat, blended over the renderer's sky as it draws them.
RgbImage wholeButterfly(const WingPictures& wing, const double tint[3]) {
    const int n = wingPicturePixels;
    const double sky[3] = {0.0, 0.0, 0.95};
    RgbImage out(2 * n, n);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < 2 * n; ++x) {
            const int source = x < n ? x : 2 * n - 1 - x;
            const double alpha = wing.mask.at(source, y) / 255.0;
            const double level = wing.wing.at(source, y) / 255.0;
            std::uint8_t c[3];
            for (int i = 0; i < 3; ++i)
                c[i] = toByte(alpha * level * tint[i] + (1.0 - alpha) * sky[i]);
            out.at(x, y) = {c[0], c[1], c[2]};
        }
    }
    return out;
}

bool writeWings(const std::filesystem::path& folder, std::string& error) {
    const double tints[wingKindCount][3] = {{1, 1, 1}, {1, 1, 0}, {1, 0, 0}, {1, 0, 1}, {1, 0, 1}};
    const int scale = 5;
    const int n = wingPicturePixels;
    const int rowHeight = (n + 4) * scale;
    RgbImage sheet((4 * n + 8) * scale, rowHeight * wingKindCount, gap);
    for (int kind = 1; kind <= wingKindCount; ++kind) {
        const WingPictures wing = drawWing(kind);
        const int top = (kind - 1) * rowHeight;
        paste(sheet, wholeButterfly(wing, tints[kind - 1]), 0, top, scale);
        paste(sheet, greyToRgb(wing.mask), (2 * n + 4) * scale, top, scale);
        paste(sheet, greyToRgb(wing.wing), (3 * n + 8) * scale, top, scale);
    }
    return save(sheet, folder / "wings.png", error);
}

bool writeDialog(const std::filesystem::path& folder, std::string& error) {
    const int scale = 10;
    RgbImage sheet((32 * 2 + 12 * 2 + 12) * scale, 36 * scale, {200, 200, 200});
    paste(sheet, drawAppIcon(), 2 * scale, 2 * scale, scale);

    const CursorPicture hand = drawHandCursor();
    RgbImage cursor(handCursorPixels, handCursorPixels);
    for (int y = 0; y < handCursorPixels; ++y)
        for (int x = 0; x < handCursorPixels; ++x)
            cursor.at(x, y) = hand.transparent.at(x, y)
                                  ? ((x / 4 + y / 4) % 2 ? Rgb{150, 170, 150} : Rgb{200, 220, 200})
                                  : hand.colours.at(x, y);
    cursor.at(handCursorHotSpot.x, handCursorHotSpot.y) = {255, 0, 0};
    paste(sheet, cursor, 36 * scale, 2 * scale, scale);

    paste(sheet, drawOptionMark(false), 71 * scale, 2 * scale, scale);
    paste(sheet, drawOptionMark(true), 85 * scale, 2 * scale, scale);
    return save(sheet, folder / "dialog.png", error);
}

bool writeBanner(const std::filesystem::path& folder, std::string& error) {
    const int scale = 3;
    const int columns = 4;
    const int cellWidth = (bannerWidth + 4) * scale;
    const int cellHeight = (bannerHeight + 4) * scale;
    RgbImage sheet(columns * cellWidth, (bannerFrameCount / columns) * cellHeight, gap);
    for (int frame = 1; frame <= bannerFrameCount; ++frame) {
        const std::optional<RgbImage> picture = drawBannerFrame(frame);
        if (!picture) {
            error = "banner frame " + std::to_string(frame) + " cannot be drawn";
            return false;
        }
        paste(sheet, *picture, ((frame - 1) % columns) * cellWidth,
              ((frame - 1) / columns) * cellHeight, scale);
    }
    return save(sheet, folder / "banner.png", error);
}

} // namespace

bool writePreviews(const std::filesystem::path& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create " + folder.string() + ": " + ec.message();
        return false;
    }
    return writeWings(folder, error) && writeDialog(folder, error) && writeBanner(folder, error);
}
