#include "bitmap.h"
#include "bitmap_file_builder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes memoryOf(const Image& image) {
    return Bytes(image.pixels(), image.pixels() + image.byteCount);
}

void expectEmpty(const Image& image) {
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_EQ(image.bitsPerPixel, 0u);
    EXPECT_EQ(image.width, 0u);
    EXPECT_EQ(image.height, 0u);
    EXPECT_EQ(image.rowBytes, 0u);
    EXPECT_EQ(image.byteCount, 0u);
}

// A small valid 24-bit file, 3 × 2, whose bytes differ everywhere.
BitmapFileBuilder small24() {
    BitmapFileBuilder b;
    b.width = 3;
    b.height = 2;
    b.bitsPerPixel = 24;
    b.storedRows = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {11, 12, 13, 14, 15, 16, 17, 18, 19}};
    return b;
}

// Reads the bytes as a file into image, and from memory: the two readers
// must give the same result and the same picture.
bool readBytes(const std::string& name, const Bytes& bytes, Image& image) {
    TempFile file(name, bytes);
    Image fromMemory;
    const bool memoryResult = readBmpBytes(bytes.data(), bytes.size(), &fromMemory);
    const bool fileResult = readBmp(file.path().c_str(), &image);
    EXPECT_EQ(memoryResult, fileResult) << name;
    EXPECT_EQ(fromMemory.width, image.width) << name;
    EXPECT_EQ(fromMemory.height, image.height) << name;
    EXPECT_EQ(fromMemory.bitsPerPixel, image.bitsPerPixel) << name;
    if (fileResult && memoryResult) {
        EXPECT_EQ(memoryOf(fromMemory), memoryOf(image)) << name;
    }
    return fileResult;
}

} // namespace

TEST(ReadBmp, BottomUpAndTopDownFilesGiveTheSamePicture) {
    BitmapFileBuilder bottomUp = small24();
    BitmapFileBuilder topDown = small24();
    topDown.height = -2;
    std::swap(topDown.storedRows[0], topDown.storedRows[1]);

    Image a;
    Image b;
    ASSERT_TRUE(readBytes("bottom_up.bmp", bottomUp.bytes(), a));
    ASSERT_TRUE(readBytes("top_down.bmp", topDown.bytes(), b));
    EXPECT_EQ(a.bitsPerPixel, 24u);
    EXPECT_EQ(a.width, 3u);
    EXPECT_EQ(a.height, 2u);
    EXPECT_EQ(a.rowBytes, 9u);
    EXPECT_EQ(a.byteCount, 18u);
    // The last stored row of a bottom-up file is the top row in memory, and
    // each blue, green, red triple becomes red, green, blue.
    const Bytes expected{13, 12, 11, 16, 15, 14, 19, 18, 17, 3, 2, 1, 6, 5, 4, 9, 8, 7};
    EXPECT_EQ(memoryOf(a), expected);
    EXPECT_EQ(memoryOf(b), expected);
    EXPECT_EQ(b.height, 2u);
}

TEST(ReadBmp, TwentyFourBitPixelIsStoredBlueGreenRed) {
    BitmapFileBuilder b;
    b.width = 1;
    b.height = 1;
    b.storedRows = {{10, 20, 30}};
    Image image;
    ASSERT_TRUE(readBytes("one_pixel.bmp", b.bytes(), image));
    EXPECT_EQ(memoryOf(image), (Bytes{30, 20, 10}));
}

TEST(ReadBmp, ThirtyTwoBitKeepsTheFourthByteAsAlpha) {
    BitmapFileBuilder b;
    b.width = 2;
    b.height = -2;
    b.bitsPerPixel = 32;
    b.storedRows = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}};
    Image image;
    ASSERT_TRUE(readBytes("rgba.bmp", b.bytes(), image));
    EXPECT_EQ(image.bitsPerPixel, 32u);
    EXPECT_EQ(image.rowBytes, 8u);
    EXPECT_EQ(memoryOf(image), (Bytes{3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12, 15, 14, 13, 16}));
}

TEST(ReadBmp, FileRowsArePaddedButMemoryRowsAreNot) {
    BitmapFileBuilder b;
    b.width = 2;
    b.height = 3;
    b.storedRows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}};
    const Bytes file = b.bytes();
    ASSERT_EQ(file.size(), 54u + 3 * 8); // 6 bytes of pixels and 2 of padding per row
    Image image;
    ASSERT_TRUE(readBytes("padded.bmp", file, image));
    EXPECT_EQ(image.rowBytes, 6u);
    EXPECT_EQ(image.byteCount, 18u);
    EXPECT_EQ(memoryOf(image),
              (Bytes{15, 14, 13, 18, 17, 16, 9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));
}

TEST(ReadBmp, EightBitValuesAreTakenAsTheyAreWhateverTheColourTable) {
    BitmapFileBuilder b;
    b.width = 3; // one byte of padding per row
    b.height = 2;
    b.bitsPerPixel = 8;
    b.colourTable.assign(1024, 0xFF); // every index maps to white
    b.storedRows = {{0, 1, 2}, {200, 0, 255}};
    Image image;
    ASSERT_TRUE(readBytes("white_table.bmp", b.bytes(), image));
    EXPECT_EQ(image.bitsPerPixel, 8u);
    EXPECT_EQ(image.rowBytes, 3u);
    EXPECT_EQ(memoryOf(image), (Bytes{200, 0, 255, 0, 1, 2}));
}

TEST(ReadBmp, ShippedSizeGreyPictureReadsExactly) {
    BitmapFileBuilder b;
    b.width = 64;
    b.height = 64;
    b.bitsPerPixel = 8;
    b.colourTable = BitmapFileBuilder::greyRamp();
    for (int y = 0; y < 64; ++y) {
        Bytes row;
        for (int x = 0; x < 64; ++x)
            row.push_back(static_cast<std::uint8_t>(x * 4 + y));
        b.storedRows.push_back(row);
    }
    // The host's files end with two bytes after the pixels; they are not read.
    Bytes file = b.bytes();
    file.insert(file.end(), {0, 0});
    ASSERT_EQ(file.size(), 5176u);
    ASSERT_EQ(file[10] | file[11] << 8, 1078);
    Image image;
    ASSERT_TRUE(readBytes("shipped.bmp", file, image));
    EXPECT_EQ(image.byteCount, 4096u);
    // Memory row 0 is stored row 63.
    EXPECT_EQ(image.pixels()[0], 63);
    EXPECT_EQ(image.pixels()[5], 5 * 4 + 63);
    EXPECT_EQ(image.pixels()[63 * 64 + 1], 4);
}

TEST(ReadBmp, LongerInfoHeadersAndGapsBeforeThePixelsAreSkipped) {
    BitmapFileBuilder b = small24();
    b.infoHeaderSize = 124;
    Bytes file = b.bytes();
    // Move the pixels 6 bytes further on and point the offset there.
    file.insert(file.begin() + 14 + 124, 6, 0xAB);
    BitmapFileBuilder::poke32(file, 10, 14 + 124 + 6);
    Image image;
    ASSERT_TRUE(readBytes("v5_header.bmp", file, image));
    EXPECT_EQ(memoryOf(image)[0], 13);
}

TEST(ReadBmp, LargestAcceptedSide) {
    BitmapFileBuilder wide;
    wide.width = maxBitmapSide;
    wide.height = -1;
    wide.bitsPerPixel = 8;
    wide.storedRows = {Bytes(maxBitmapSide, 7)};
    Image image;
    ASSERT_TRUE(readBytes("widest.bmp", wide.bytes(), image));
    EXPECT_EQ(image.width, 16384u);
    EXPECT_EQ(image.pixels()[16383], 7);

    wide.width = 1;
    wide.height = -maxBitmapSide;
    wide.storedRows.assign(maxBitmapSide, Bytes{9});
    ASSERT_TRUE(readBytes("tallest.bmp", wide.bytes(), image));
    EXPECT_EQ(image.height, 16384u);
    EXPECT_EQ(image.byteCount, 16384u);
}

// Every rejected file gives false and leaves an image that held a picture
// before empty.
class ReadBmpRejects : public ::testing::Test {
  protected:
    void expectRejected(const Bytes& bytes, const char* what) {
        SCOPED_TRACE(what);
        Image image;
        ASSERT_TRUE(readBytes("before.bmp", small24().bytes(), image));
        EXPECT_FALSE(readBytes("rejected.bmp", bytes, image));
        expectEmpty(image);
    }
    void expectRejected(const BitmapFileBuilder& b, const char* what) {
        expectRejected(b.bytes(), what);
    }
    static Bytes withField(Bytes bytes, std::size_t at, std::uint32_t value) {
        BitmapFileBuilder::poke32(bytes, at, value);
        return bytes;
    }
};

TEST_F(ReadBmpRejects, WrongSignature) {
    Bytes file = small24().bytes();
    file[0] = 'M';
    file[1] = 'B';
    expectRejected(file, "MB");
    file[0] = 'B';
    file[1] = 'A';
    expectRejected(file, "BA");
}

TEST_F(ReadBmpRejects, CompressedFiles) {
    BitmapFileBuilder b = small24();
    b.compression = 1;
    expectRejected(b, "RLE8");
    BitmapFileBuilder bitfields;
    bitfields.width = 1;
    bitfields.height = 1;
    bitfields.bitsPerPixel = 32;
    bitfields.compression = 3;
    bitfields.storedRows = {{1, 2, 3, 4}};
    expectRejected(bitfields, "bit fields");
}

TEST_F(ReadBmpRejects, ZeroSizes) {
    BitmapFileBuilder b = small24();
    b.width = 0;
    expectRejected(b, "zero width");
    b = small24();
    b.height = 0;
    expectRejected(b, "zero height");
}

TEST_F(ReadBmpRejects, UnsupportedDepths) {
    for (std::uint16_t bits : {0, 1, 4, 16, 48}) {
        BitmapFileBuilder b = small24();
        b.bitsPerPixel = bits;
        b.storedRows.assign(2, Bytes(12, 1)); // enough data for any of them
        expectRejected(b, std::to_string(bits).c_str());
    }
}

TEST_F(ReadBmpRejects, FilesEndingInsideTheHeaders) {
    const Bytes file = small24().bytes();
    for (std::size_t length : {0, 1, 2, 9, 13, 14, 20, 29, 30, 53}) {
        expectRejected(Bytes(file.begin(), file.begin() + static_cast<long>(length)),
                       std::to_string(length).c_str());
    }
}

TEST_F(ReadBmpRejects, FilesEndingInsideThePixels) {
    const Bytes file = small24().bytes();
    expectRejected(Bytes(file.begin(), file.end() - 1), "one byte short");
    expectRejected(Bytes(file.begin(), file.begin() + 54), "no pixels at all");
}

TEST_F(ReadBmpRejects, PixelOffsetPastTheData) {
    const Bytes file = small24().bytes();
    const auto size = static_cast<std::uint32_t>(file.size());
    expectRejected(withField(file, 10, size + 1), "past the end");
    expectRejected(withField(file, 10, size), "at the end");
    expectRejected(withField(file, 10, 55), "data runs one byte past the end");
    expectRejected(withField(file, 10, 0xFFFFFFFF), "largest offset");
}

TEST_F(ReadBmpRejects, HostileSizes) {
    const Bytes file = small24().bytes();
    expectRejected(withField(file, 18, static_cast<std::uint32_t>(-3)), "negative width");
    expectRejected(withField(file, 18, 0x80000000), "INT_MIN width");
    expectRejected(withField(file, 22, 0x80000000), "INT_MIN height");
    expectRejected(withField(file, 18, maxBitmapSide + 1), "wide");
    expectRejected(withField(file, 22, maxBitmapSide + 1), "tall");
    expectRejected(withField(file, 22, static_cast<std::uint32_t>(-maxBitmapSide - 1)),
                   "tall top-down");
    expectRejected(withField(file, 18, 0x7FFFFFFF), "INT_MAX width");
    expectRejected(withField(withField(file, 18, 0x40000000), 22, 0x40000000),
                   "stride times rows beyond 32 bits");
    // Within the side limit, but far more pixel data than the file holds.
    expectRejected(withField(withField(file, 18, maxBitmapSide), 22, maxBitmapSide),
                   "claims a gigabyte");
}

TEST_F(ReadBmpRejects, SidesAboveTheLimitEvenWithAllTheirData) {
    BitmapFileBuilder wide;
    wide.width = maxBitmapSide + 1;
    wide.height = 1;
    wide.bitsPerPixel = 8;
    wide.storedRows = {Bytes(maxBitmapSide + 1, 1)};
    expectRejected(wide, "wide");
    BitmapFileBuilder tall;
    tall.width = 1;
    tall.height = -(maxBitmapSide + 1);
    tall.bitsPerPixel = 8;
    tall.storedRows.assign(maxBitmapSide + 1, Bytes{1});
    expectRejected(tall, "tall");
}

TEST(ReadBmp, MissingFileOrNoImage) {
    Image image;
    const auto missing = std::filesystem::temp_directory_path() / "kalendra_no_such.bmp";
    EXPECT_FALSE(readBmp(missing.string().c_str(), &image));
    expectEmpty(image);
    TempFile file("valid.bmp", small24().bytes());
    EXPECT_FALSE(readBmp(file.path().c_str(), nullptr));
    EXPECT_FALSE(readBmp(nullptr, &image));
    EXPECT_FALSE(readBmpBytes(nullptr, 0, &image));
    const Bytes bytes = small24().bytes();
    EXPECT_FALSE(readBmpBytes(bytes.data(), bytes.size(), nullptr));
}

TEST(ReadBmp, ThroughImageLoad) {
    TempFile file("load.bmp", small24().bytes());
    Image image;
    EXPECT_TRUE(image.load(file.path().c_str(), readBmp));
    EXPECT_EQ(image.width, 3u);
    EXPECT_FALSE(image.load(file.path().c_str(), nullptr));
}
