// Compares the bitmap reader with an independent decoder on valid files.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#include <stb/stb_image.h>

#include "bitmap.h"
#include "bitmap_file_builder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct StbPixels {
    std::unique_ptr<stbi_uc, void (*)(void*)> data{nullptr, stbi_image_free};
    int width = 0;
    int height = 0;
};

StbPixels decode(const std::string& path, int components) {
    StbPixels out;
    int stored = 0;
    out.data.reset(stbi_load(path.c_str(), &out.width, &out.height, &stored, components));
    return out;
}

// A picture with bytes that vary by position, channel and seed; fourth bytes
// are never all zero, which the reference decoder treats specially.
BitmapFileBuilder picture(std::int32_t width, std::int32_t height, std::uint16_t bits,
                          unsigned seed) {
    BitmapFileBuilder b;
    b.width = width;
    b.height = height;
    b.bitsPerPixel = bits;
    if (bits == 8)
        b.colourTable = BitmapFileBuilder::greyRamp();
    const std::int32_t rows = height < 0 ? -height : height;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * (bits / 8u);
    for (std::int32_t y = 0; y < rows; ++y) {
        std::vector<std::uint8_t> row(rowBytes);
        for (std::size_t i = 0; i < rowBytes; ++i)
            row[i] = static_cast<std::uint8_t>(
                (i * 37 + static_cast<std::size_t>(y) * 101 + seed * 13) ^ (i >> 3));
        b.storedRows.push_back(row);
    }
    return b;
}

} // namespace

TEST(ReadBmpReference, AgreesWithAnIndependentDecoder) {
    struct Case {
        std::int32_t width;
        std::int32_t height;
        std::uint16_t bits;
    };
    const Case cases[] = {{64, 64, 8},  {5, 3, 8},  {7, -4, 8},  {1, 1, 24},   {2, 5, 24},
                          {13, -9, 24}, {3, 3, 32}, {6, -2, 32}, {64, 64, 24}, {31, 17, 32}};
    unsigned seed = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "@" << c.bits);
        TempFile file("reference.bmp", picture(c.width, c.height, c.bits, ++seed).bytes());
        Image image;
        ASSERT_TRUE(readBmp(file.path().c_str(), &image));
        const int components = static_cast<int>(c.bits / 8);
        const StbPixels reference = decode(file.path(), components);
        ASSERT_TRUE(reference.data);
        ASSERT_EQ(static_cast<std::uint32_t>(reference.width), image.width);
        ASSERT_EQ(static_cast<std::uint32_t>(reference.height), image.height);
        ASSERT_EQ(image.byteCount, image.width * image.height * static_cast<unsigned>(components));
        EXPECT_TRUE(
            std::equal(image.pixels(), image.pixels() + image.byteCount, reference.data.get()));
    }
}
