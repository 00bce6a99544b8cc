#include "asset_set.h"

#include "app_icon.h"
#include "banner_art.h"
#include "bmp_file.h"
#include "hand_cursor.h"
#include "icon_file.h"
#include "option_marks.h"
#include "wing_art.h"

#include <cstdio>
#include <fstream>

namespace {

// Two zero bytes follow the texture pixels: the files are 5,176 bytes long, the size the
// host's embedded copies have always had.
constexpr std::size_t textureTrailingZeros = 2;

std::string numbered(const char* prefix, int number, const char* suffix) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%02d%s", prefix, number, suffix);
    return text;
}

} // namespace

std::optional<std::vector<AssetFile>> generateAssets() {
    std::vector<AssetFile> files;

    for (int kind = 1; kind <= wingKindCount; ++kind) {
        const WingPictures wing = drawWing(kind);
        files.push_back({numbered("textures/Butterfly", kind, ".bmp"),
                         encodeGreyBmp(wing.wing, textureTrailingZeros)});
        files.push_back({numbered("textures/Butterfly", kind, "a.bmp"),
                         encodeGreyBmp(wing.mask, textureTrailingZeros)});
    }

    const RgbImage icon = drawAppIcon();
    const std::optional<IndexedImage> indexedIcon =
        toIndexed(icon, Mask(appIconPixels, appIconPixels, 0), 256);
    if (!indexedIcon)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> iconBytes = encodeIcon(*indexedIcon, 8);
    if (!iconBytes)
        return std::nullopt;
    files.push_back({"dialog/icon.ico", std::move(*iconBytes)});

    files.push_back({"dialog/mark_off.bmp", encodeRgbBmp(drawOptionMark(false))});
    files.push_back({"dialog/mark_on.bmp", encodeRgbBmp(drawOptionMark(true))});

    const CursorPicture hand = drawHandCursor();
    const std::optional<IndexedImage> indexedHand = toIndexed(hand.colours, hand.transparent, 16);
    if (!indexedHand)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> cursorBytes =
        encodeCursor(*indexedHand, 4, handCursorHotSpot);
    if (!cursorBytes)
        return std::nullopt;
    files.push_back({"dialog/hand.cur", std::move(*cursorBytes)});

    for (int frame = 1; frame <= bannerFrameCount; ++frame) {
        const std::optional<RgbImage> picture = drawBannerFrame(frame);
        if (!picture)
            return std::nullopt;
        files.push_back({numbered("dialog/banner", frame, ".bmp"), encodeRgbBmp(*picture)});
    }
    return files;
}

bool writeAssets(const std::vector<AssetFile>& files, const std::filesystem::path& folder,
                 std::string& error) {
    for (const AssetFile& file : files) {
        const std::filesystem::path path = folder / file.path;
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) {
            error = "cannot create " + path.parent_path().string() + ": " + ec.message();
            return false;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
