#include "bitmap.h"
#include "bitmap_file_builder.h"
#include "texture_pixels.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// An image whose byte i is start + i.
void fill(Image& image, std::uint32_t width, std::uint32_t height, std::uint32_t bits,
          std::uint8_t start) {
    ASSERT_TRUE(image.allocate(width, height, bits));
    for (std::uint32_t i = 0; i < image.byteCount; ++i)
        image.pixels()[i] = static_cast<std::uint8_t>(start + i);
}

Bytes memoryOf(const Image& image) {
    return Bytes(image.pixels(), image.pixels() + image.byteCount);
}

void expectUpload(const TexturePlan& plan, PixelLayout layout, int components, std::uint32_t width,
                  std::uint32_t height, const Bytes& pixels) {
    ASSERT_TRUE(plan.accepted);
    ASSERT_TRUE(plan.upload.has_value());
    EXPECT_EQ(plan.upload->layout, layout);
    EXPECT_EQ(plan.upload->components, components);
    EXPECT_EQ(plan.upload->width, width);
    EXPECT_EQ(plan.upload->height, height);
    EXPECT_EQ(plan.upload->pixels, pixels);
}

void expectRejected(const TexturePlan& plan) {
    EXPECT_FALSE(plan.accepted);
    EXPECT_FALSE(plan.upload.has_value());
}

void expectNothingUploaded(const TexturePlan& plan) {
    EXPECT_TRUE(plan.accepted);
    EXPECT_FALSE(plan.upload.has_value());
}

} // namespace

TEST(PlanTexture, GreyWithAlphaGivesLuminanceAlphaPairs) {
    Image colour;
    Image alpha;
    fill(colour, 2, 2, 8, 10);
    fill(alpha, 2, 2, 8, 200);
    expectUpload(planTexture(colour, &alpha), PixelLayout::LuminanceAlpha, 2, 2, 2,
                 {10, 200, 11, 201, 12, 202, 13, 203});
}

TEST(PlanTexture, RgbWithAlphaGivesRgba) {
    Image colour;
    Image alpha;
    fill(colour, 2, 1, 24, 1);
    fill(alpha, 2, 1, 8, 90);
    expectUpload(planTexture(colour, &alpha), PixelLayout::Rgba, 4, 2, 1,
                 {1, 2, 3, 90, 4, 5, 6, 91});
}

TEST(PlanTexture, GreyOrRgbWithAnUnfitAlphaIsRejected) {
    for (std::uint32_t colourBits : {8u, 24u}) {
        SCOPED_TRACE(colourBits);
        Image colour;
        fill(colour, 4, 4, colourBits, 0);
        Image alpha;
        expectRejected(planTexture(colour, &alpha)); // failed read: empty
        fill(alpha, 5, 4, 8, 0);
        expectRejected(planTexture(colour, &alpha));
        fill(alpha, 4, 5, 8, 0);
        expectRejected(planTexture(colour, &alpha));
        for (std::uint32_t alphaBits : {16u, 24u, 32u}) {
            fill(alpha, 4, 4, alphaBits, 0);
            expectRejected(planTexture(colour, &alpha));
        }
    }
}

TEST(PlanTexture, ThirtyTwoBitColourIsUsedAloneWhateverTheAlpha) {
    Image colour;
    fill(colour, 2, 2, 32, 5);
    const Bytes own = memoryOf(colour);
    Image alpha;
    expectUpload(planTexture(colour, nullptr), PixelLayout::Rgba, 4, 2, 2, own);
    expectUpload(planTexture(colour, &alpha), PixelLayout::Rgba, 4, 2, 2, own);
    fill(alpha, 2, 2, 8, 0);
    expectUpload(planTexture(colour, &alpha), PixelLayout::Rgba, 4, 2, 2, own);
    fill(alpha, 3, 7, 24, 0);
    expectUpload(planTexture(colour, &alpha), PixelLayout::Rgba, 4, 2, 2, own);
}

TEST(PlanTexture, ColourWithoutAlphaIsUploadedAlone) {
    Image grey;
    fill(grey, 3, 2, 8, 40);
    expectUpload(planTexture(grey, nullptr), PixelLayout::Luminance, 1, 3, 2, memoryOf(grey));
    Image rgb;
    fill(rgb, 1, 2, 24, 70);
    expectUpload(planTexture(rgb, nullptr), PixelLayout::Rgb, 3, 1, 2, memoryOf(rgb));
}

TEST(PlanTexture, EmptyOrOtherDepthColourUploadsNothing) {
    Image empty;
    Image alpha;
    fill(alpha, 2, 2, 8, 0);
    expectNothingUploaded(planTexture(empty, nullptr));
    expectNothingUploaded(planTexture(empty, &alpha));
    Image sixteen;
    fill(sixteen, 2, 2, 16, 0);
    expectNothingUploaded(planTexture(sixteen, nullptr));
    expectNothingUploaded(planTexture(sixteen, &alpha));
}

TEST(PlanTexture, InconsistentFieldsAreNotTrusted) {
    // Fields that claim pixels the image does not hold.
    Image claims;
    claims.bitsPerPixel = 8;
    claims.width = claims.height = claims.rowBytes = 4;
    claims.byteCount = 16;
    Image alpha;
    fill(alpha, 4, 4, 8, 0);
    expectRejected(planTexture(claims, &alpha));
    expectRejected(planTexture(alpha, &claims));
    expectNothingUploaded(planTexture(claims, nullptr));

    Image wrongRows;
    fill(wrongRows, 4, 4, 8, 0);
    wrongRows.width = 8; // rowBytes and byteCount no longer match
    expectRejected(planTexture(wrongRows, &alpha));
    expectNothingUploaded(planTexture(wrongRows, nullptr));
}

// The start-up case end to end: pictures read from real files.
TEST(PlanTexture, PicturesReadFromFiles) {
    auto greyFile = [](std::int32_t width, std::int32_t height, std::uint8_t base) {
        BitmapFileBuilder b;
        b.width = width;
        b.height = height;
        b.bitsPerPixel = 8;
        b.colourTable = BitmapFileBuilder::greyRamp();
        for (std::int32_t y = 0; y < height; ++y)
            b.storedRows.push_back(
                Bytes(static_cast<std::size_t>(width), static_cast<std::uint8_t>(base + y)));
        return b.bytes();
    };
    TempFile colourFile("wing.alo", greyFile(64, 64, 0));
    TempFile alphaFile("winga.alo", greyFile(64, 64, 100));
    TempFile wideAlphaFile("wide_a.alo", greyFile(65, 64, 100));
    TempFile missingFile("no_wing.alo");

    Image colour;
    Image alpha;
    colour.load(colourFile.path().c_str(), readBmp);
    alpha.load(alphaFile.path().c_str(), readBmp);
    const TexturePlan plan = planTexture(colour, &alpha);
    ASSERT_TRUE(plan.accepted);
    ASSERT_TRUE(plan.upload.has_value());
    EXPECT_EQ(plan.upload->layout, PixelLayout::LuminanceAlpha);
    ASSERT_EQ(plan.upload->pixels.size(), 64u * 64u * 2u);
    // Top row first: stored row 63 carries grey 63 and alpha 163.
    EXPECT_EQ(plan.upload->pixels[0], 63);
    EXPECT_EQ(plan.upload->pixels[1], 163);
    EXPECT_EQ(plan.upload->pixels.back(), 100);

    Image wideAlpha;
    EXPECT_TRUE(wideAlpha.load(wideAlphaFile.path().c_str(), readBmp));
    expectRejected(planTexture(colour, &wideAlpha));

    Image missingAlpha;
    EXPECT_FALSE(missingAlpha.load(missingFile.path().c_str(), readBmp));
    expectRejected(planTexture(colour, &missingAlpha));

    Image missingColour;
    EXPECT_FALSE(missingColour.load(missingFile.path().c_str(), readBmp));
    expectNothingUploaded(planTexture(missingColour, &alpha));
}
