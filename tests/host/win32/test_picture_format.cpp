// Checks of picture file bytes: sound files pass with their layout, broken
// ones are refused before any of their sizes is trusted.
#include "picture_bytes.h"
#include "picture_format.h"

#include <gtest/gtest.h>

#include <climits>

using namespace picture_bytes;

namespace {

std::optional<win32::BitmapFileLayout> inspect(const Bytes& bytes) {
    return win32::inspectBitmapFile(bytes.data(), bytes.size());
}

Bytes sampleBitmap() {
    return greyBitmap(5, 3, [](int x, int y) { return x * 10 + y; });
}

} // namespace

TEST(PictureFormat, KindComesFromTheFileSignature) {
    Bytes bitmap = sampleBitmap();
    Bytes icon = iconFile({{16, 0xFF0000FF}}, false);
    Bytes cursor = iconFile({{32, 0xFF00FF00, 3, 4}}, true);
    EXPECT_EQ(win32::pictureFileKind(bitmap.data(), bitmap.size()), win32::PictureFileKind::Bitmap);
    EXPECT_EQ(win32::pictureFileKind(icon.data(), icon.size()), win32::PictureFileKind::Icon);
    EXPECT_EQ(win32::pictureFileKind(cursor.data(), cursor.size()), win32::PictureFileKind::Cursor);
    Bytes text = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_FALSE(win32::pictureFileKind(text.data(), text.size()));
    EXPECT_FALSE(win32::pictureFileKind(bitmap.data(), 1));
}

TEST(PictureFormat, SoundBitmapsGiveTheirLayout) {
    auto grey = inspect(sampleBitmap());
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->width, 5);
    EXPECT_EQ(grey->height, 3);
    EXPECT_EQ(grey->bitsPerPixel, 8);
    EXPECT_EQ(grey->infoOffset, 14u);
    EXPECT_EQ(grey->infoSize, 40u + 256 * 4);
    EXPECT_EQ(grey->pixelOffset, 14u + 40 + 1024);
    EXPECT_EQ(grey->pixelSize, 8u * 3);

    auto topDown = inspect(rgbBitmap(
        3, 2, [](int, int) { return 0x112233u; }, true));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->height, -2);
    EXPECT_EQ(topDown->pixelSize, 12u * 2);
}

TEST(PictureFormat, BrokenBitmapsAreRefused) {
    const Bytes good = sampleBitmap();
    auto broken = [&](auto change) {
        Bytes bytes = good;
        change(bytes);
        return !inspect(bytes);
    };
    EXPECT_TRUE(broken([](Bytes& b) { b.resize(30); }));     // short header
    EXPECT_TRUE(broken([](Bytes& b) { b.pop_back(); }));     // short rows
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 14, 12); })); // old core header
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 18, static_cast<std::uint32_t>(-5)); })); // width
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 18, 0); }));
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 22, 0x80000000u); })); // INT_MIN height
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 22, 0); }));
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 18, 16385); }));       // beyond the limit
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 10, 0xFFFFFFF0u); })); // offset past end
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 10, 20); }));          // into the header
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 30, 1); }));           // RLE compressed
    EXPECT_TRUE(broken([](Bytes& b) { set32(b, 46, 257); }));         // too many colours
    EXPECT_TRUE(broken([](Bytes& b) { b[28] = 7; }));                 // bits per pixel
    EXPECT_TRUE(broken([](Bytes& b) { b[26] = 2; }));                 // planes
    // Width and height that would overflow 32 bits of stride times rows.
    EXPECT_TRUE(broken([](Bytes& b) {
        set32(b, 18, 16384);
        set32(b, 22, 16384);
    }));
    EXPECT_FALSE(win32::inspectBitmapFile(nullptr, 0));
}

TEST(PictureFormat, IconFilesGiveThePreferredImage) {
    Bytes icon = iconFile({{16, 0xFF0000FF}, {32, 0xFF00FF00}, {48, 0xFFFF0000}}, false);
    auto image = win32::inspectIconFile(icon.data(), icon.size(), 32);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
    EXPECT_FALSE(image->cursor);
    EXPECT_EQ(image->offset, 6u + 3 * 16 + (40 + 16 * 16 * 4 + 4 * 16));

    auto widest = win32::inspectIconFile(icon.data(), icon.size(), 24);
    ASSERT_TRUE(widest);
    EXPECT_EQ(widest->width, 48);

    Bytes cursor = iconFile({{32, 0xFF000000, 12, 1}}, true);
    auto hand = win32::inspectIconFile(cursor.data(), cursor.size(), 32);
    ASSERT_TRUE(hand);
    EXPECT_TRUE(hand->cursor);
    EXPECT_EQ(hand->hotspotX, 12);
    EXPECT_EQ(hand->hotspotY, 1);
}

TEST(PictureFormat, BrokenIconFilesAreRefused) {
    const Bytes good = iconFile({{16, 0xFF0000FF}}, false);
    auto refused = [](const Bytes& bytes) {
        return !win32::inspectIconFile(bytes.data(), bytes.size(), 32);
    };
    Bytes moreEntries = good;
    moreEntries[4] = 200; // entries reaching past the end
    EXPECT_TRUE(refused(moreEntries));
    Bytes farOffset = good;
    set32(farOffset, 6 + 12, 0xFFFFFFF0u);
    EXPECT_TRUE(refused(farOffset));
    Bytes longImage = good;
    set32(longImage, 6 + 8, static_cast<std::uint32_t>(good.size()));
    EXPECT_TRUE(refused(longImage));
    Bytes tinyImage = good;
    set32(tinyImage, 6 + 8, 8);
    EXPECT_TRUE(refused(tinyImage));
    Bytes truncated(good.begin(), good.end() - 1);
    EXPECT_TRUE(refused(truncated));
    Bytes bitmap = sampleBitmap();
    EXPECT_TRUE(refused(bitmap));
}
