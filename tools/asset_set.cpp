#include "asset_set.h"

#include "app_icon.h"
#include "art_scale.h"
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

// Whether the palette form shows every pixel in its own colour.
bool sameColours(const IndexedImage& indexed, const RgbImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (indexed.palette[indexed.indices.at(x, y)] != picture.at(x, y))
                return false;
    return true;
}

// The dialog's pictures at one display scale: "dialog/mark_on.bmp" at 100 %,
// "dialog/mark_on_150.bmp" at 150 % and so on.
bool addDialogPictures(std::vector<AssetFile>& files, int percent) {
    const auto name = [percent](const std::string& stem, const char* extension) {
        return "dialog/" + stem + (percent == 100 ? "" : "_" + std::to_string(percent)) + extension;
    };

    const RgbImage icon = drawAppIcon(percent);
    const std::optional<IndexedImage> indexedIcon =
        toIndexed(icon, Mask(icon.width(), icon.height(), 0), 256);
    if (!indexedIcon)
        return false;
    std::optional<std::vector<std::uint8_t>> iconBytes = encodeIcon(*indexedIcon, 8);
    if (!iconBytes)
        return false;
    files.push_back({name("icon", ".ico"), std::move(*iconBytes)});

    files.push_back({name("mark_off", ".bmp"), encodeRgbBmp(drawOptionMark(false, percent))});
    files.push_back({name("mark_on", ".bmp"), encodeRgbBmp(drawOptionMark(true, percent))});

    const CursorPicture hand = drawHandCursor(percent);
    const std::optional<IndexedImage> indexedHand = toIndexed(hand.colours, hand.transparent, 16);
    if (!indexedHand)
        return false;
    std::optional<std::vector<std::uint8_t>> cursorBytes =
        encodeCursor(*indexedHand, 4, hand.hotSpot);
    if (!cursorBytes)
        return false;
    files.push_back({name("hand", ".cur"), std::move(*cursorBytes)});

    for (int frame = 1; frame <= bannerFrameCount; ++frame) {
        const std::optional<RgbImage> picture = drawBannerFrame(frame, percent);
        if (!picture)
            return false;
        // A score of colours on a mostly black field: a palette keeps them exactly, and the
        // rows' long runs of one colour shrink to a few bytes each.
        const std::optional<IndexedImage> indexed =
            toIndexed(*picture, Mask(picture->width(), picture->height(), 0), 256);
        if (!indexed || !sameColours(*indexed, *picture))
            return false;
        std::vector<std::uint8_t> bytes = encodeRunLengthBmp(*indexed);
        files.push_back({name(numbered("banner", frame, ""), ".bmp"), std::move(bytes)});
    }
    return true;
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

    for (const int percent : artScalePercents)
        if (!addDialogPictures(files, percent))
            return std::nullopt;
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
