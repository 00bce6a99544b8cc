// The bitmap, icon and cursor writers and the palette mapping, on small pictures.

#include "asset_bytes.h"
#include "bmp_file.h"
#include "icon_file.h"
#include "indexed_image.h"
#include "rle_bitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(BmpWriter, RgbRowsArePaddedBottomUpAndBlueFirst) {
    RgbImage picture(2, 2);
    picture.at(0, 0) = {10, 20, 30}; // top left
    picture.at(1, 1) = {1, 2, 3};    // bottom right
    const Bytes b = encodeRgbBmp(picture);
    ASSERT_EQ(b.size(), 54u + 8 * 2);
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 34), 16u);
    // First stored row is the bottom one: black, then (1, 2, 3) as 3, 2, 1, then 2 padding.
    const Bytes bottom(b.begin() + 54, b.begin() + 62);
    EXPECT_EQ(bottom, (Bytes{0, 0, 0, 3, 2, 1, 0, 0}));
    const Bytes top(b.begin() + 62, b.begin() + 70);
    EXPECT_EQ(top, (Bytes{30, 20, 10, 0, 0, 0, 0, 0}));

    const RgbPicture back = decodeRgbBmp(b);
    ASSERT_EQ(back.width, 2);
    EXPECT_EQ(back.at(0, 0).r, 10);
    EXPECT_EQ(back.at(1, 1).b, 3);
}

TEST(BmpWriter, GreyHasARampTableAndCountsTrailingBytesInTheFileSize) {
    GreyImage picture(3, 2);
    picture.at(2, 0) = 200;
    picture.at(0, 1) = 7;
    const Bytes b = encodeGreyBmp(picture, 2);
    const std::size_t offset = 54 + 1024;
    ASSERT_EQ(b.size(), offset + 4 * 2 + 2);
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), offset);
    EXPECT_EQ(le16(b, 28), 8u);
    EXPECT_EQ(le32(b, 46), 256u);
    EXPECT_EQ(b[54 + 4 * 200], 200);
    EXPECT_EQ(b[54 + 4 * 200 + 3], 0);
    EXPECT_EQ(Bytes(b.begin() + offset, b.end()), (Bytes{7, 0, 0, 0, 0, 0, 200, 0, 0, 0}));
}

TEST(BmpWriter, RunLengthRowsStoreEachRunOnceAndOtherPixelsAsTheyAre) {
    // One row pinned byte for byte: a run, an odd stretch with its pad byte, a pair, the end.
    IndexedImage row{{{0, 0, 0}, {9, 9, 9}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
                     Raster<std::uint8_t>(8, 1),
                     Mask(8, 1)};
    const std::uint8_t indices[] = {4, 4, 4, 1, 2, 3, 0, 0};
    for (int x = 0; x < 8; ++x)
        row.indices.at(x, 0) = indices[x];
    const Bytes b = encodeRunLengthBmp(row);
    const std::size_t offset = 54 + 5 * 4;
    ASSERT_EQ(b.size(), offset + 12);
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(le32(b, 10), offset);
    EXPECT_EQ(le16(b, 28), 8u);
    EXPECT_EQ(le32(b, 30), 1u); // BI_RLE8
    EXPECT_EQ(le32(b, 34), 12u);
    EXPECT_EQ(le32(b, 46), 5u);
    EXPECT_EQ(b[54 + 4 * 2], 3); // blue of entry 2
    EXPECT_EQ(Bytes(b.begin() + offset, b.end()), (Bytes{3, 4, 0, 3, 1, 2, 3, 0, 2, 0, 0, 1}));

    // Runs and stretches longer than one record holds, and lone pixels between pairs: the
    // host's expansion gives every index back.
    IndexedImage wide{
        {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, Raster<std::uint8_t>(600, 3), Mask(600, 3)};
    for (int x = 0; x < 600; ++x) {
        wide.indices.at(x, 0) = 1;
        wide.indices.at(x, 1) = static_cast<std::uint8_t>(x % 4);
        wide.indices.at(x, 2) = static_cast<std::uint8_t>(x % 7 == 0 ? 3 : (x / 2) % 3);
    }
    const Bytes encoded = encodeRunLengthBmp(wide);
    const auto plain = expandRle8Bitmap(encoded.data(), encoded.size());
    ASSERT_TRUE(plain);
    const std::size_t plainOffset = le32(*plain, 10);
    ASSERT_EQ(plain->size(), plainOffset + 600 * 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 600; ++x)
            ASSERT_EQ((*plain)[plainOffset + static_cast<std::size_t>((2 - y) * 600 + x)],
                      wide.indices.at(x, y))
                << x << "," << y;
}

IndexedImage smallIndexed() {
    IndexedImage image{{{0, 0, 0}, {255, 255, 255}, {0, 0, 255}},
                       Raster<std::uint8_t>(3, 2),
                       Mask(3, 2)};
    image.indices.at(0, 0) = 1;
    image.indices.at(1, 0) = 2;
    image.indices.at(2, 1) = 1;
    image.transparent.at(2, 0) = 1;
    return image;
}

TEST(IconWriter, PacksFourBitPixelsHighNibbleFirstAndMasksMostSignificantBitFirst) {
    const auto bytes = encodeCursor(smallIndexed(), 4, {1, 0});
    ASSERT_TRUE(bytes);
    const Bytes& b = *bytes;
    const std::size_t colours = 22 + 40 + 16 * 4;
    ASSERT_EQ(b.size(), colours + 4 * 2 + 4 * 2);
    EXPECT_EQ(le16(b, 2), 2u);
    EXPECT_EQ(b[8], 16);
    EXPECT_EQ(le16(b, 10), 1u);
    EXPECT_EQ(le16(b, 12), 0u);
    EXPECT_EQ(les32(b, 30), 4); // doubled height
    EXPECT_EQ(le32(b, 42), 16u); // colour and mask rows
    EXPECT_EQ(b[22 + 40 + 4 * 2], 255); // blue of entry 2
    // Bottom row: indices 0, 0, 1; top row: 1, 2, 0.
    EXPECT_EQ(Bytes(b.begin() + colours, b.begin() + colours + 8),
              (Bytes{0x00, 0x10, 0, 0, 0x12, 0x00, 0, 0}));
    // Mask: bottom row clear of holes, top row's third pixel transparent.
    EXPECT_EQ(Bytes(b.begin() + colours + 8, b.end()), (Bytes{0, 0, 0, 0, 0x20, 0, 0, 0}));
}

TEST(IconWriter, EightBitIconsHoldPlanesAndDepthInTheirEntry) {
    const auto bytes = encodeIcon(smallIndexed(), 8);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(le16(*bytes, 2), 1u);
    EXPECT_EQ(le16(*bytes, 10), 1u);
    EXPECT_EQ(le16(*bytes, 12), 8u);
    EXPECT_EQ((*bytes)[8], 0);
    EXPECT_EQ(le32(*bytes, 14), bytes->size() - 22);
}

TEST(IconWriter, RefusesWhatTheFormatCannotHold) {
    IndexedImage tooManyColours = smallIndexed();
    tooManyColours.palette.resize(17);
    EXPECT_FALSE(encodeIcon(tooManyColours, 4));
    EXPECT_TRUE(encodeIcon(tooManyColours, 8));

    IndexedImage badIndex = smallIndexed();
    badIndex.indices.at(0, 1) = 3;
    EXPECT_FALSE(encodeIcon(badIndex, 8));

    EXPECT_FALSE(encodeIcon(smallIndexed(), 24));
    EXPECT_FALSE(encodeCursor(smallIndexed(), 4, {3, 0}));
    EXPECT_FALSE(encodeCursor(smallIndexed(), 4, {0, 2}));
    EXPECT_FALSE(encodeCursor(smallIndexed(), 4, {-1, 0}));
    EXPECT_TRUE(encodeCursor(smallIndexed(), 4, {2, 1}));
}

TEST(PaletteMapping, KeepsTheCommonestColoursAndMapsTheRestToTheNearest) {
    RgbImage picture(20, 20, {200, 10, 10});
    Mask clear(20, 20);
    for (int x = 0; x < 20; ++x) {
        picture.at(x, 0) = {10, 10, static_cast<std::uint8_t>(100 + x)}; // rare blues
        picture.at(x, 1) = {10, 200, 10};
    }
    clear.at(5, 5) = 1;
    const auto indexed = toIndexed(picture, clear, 4);
    ASSERT_TRUE(indexed);
    ASSERT_EQ(indexed->palette.size(), 4u);
    const auto colourOf = [&](int x, int y) { return indexed->palette[indexed->indices.at(x, y)]; };
    EXPECT_EQ(colourOf(5, 5), (Rgb{0, 0, 0})) << "transparent pixels use black";
    EXPECT_EQ(colourOf(7, 7), (Rgb{200, 10, 10}));
    EXPECT_EQ(colourOf(3, 1), (Rgb{10, 200, 10}));
    // One blue is kept; every other blue maps to it rather than to red or green.
    for (int x = 0; x < 20; ++x)
        EXPECT_GE(colourOf(x, 0).b, 100);
    EXPECT_EQ(indexed->transparent.at(5, 5), 1);

    EXPECT_FALSE(toIndexed(picture, Mask(3, 3), 4));
    EXPECT_FALSE(toIndexed(picture, clear, 0));
    EXPECT_FALSE(toIndexed(picture, clear, 257));
}

} // namespace
