#include "bitmap_file_builder.h"
#include "file_reader.h"
#include "image.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

TEST(FileReader, ReadsSeeksAndReportsTheEnd) {
    TempFile file("reader.bin", {1, 2, 3, 4, 5, 6});
    FileReader reader;
    EXPECT_TRUE(reader.eof()); // no file open yet
    ASSERT_TRUE(reader.open(file.path().c_str()));
    EXPECT_FALSE(reader.eof());
    EXPECT_EQ(reader.size(), 6u);

    std::uint8_t bytes[8] = {};
    ASSERT_TRUE(reader.read(bytes, 2));
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(reader.size(), 6u); // asking the size keeps the position
    ASSERT_TRUE(reader.read(bytes, 1));
    EXPECT_EQ(bytes[0], 3);

    ASSERT_TRUE(reader.seek(4));
    EXPECT_FALSE(reader.read(bytes, 3)); // only two bytes left
    EXPECT_TRUE(reader.eof());

    ASSERT_TRUE(reader.seek(0));
    ASSERT_TRUE(reader.read(bytes, 6));
    EXPECT_EQ(std::memcmp(bytes, "\1\2\3\4\5\6", 6), 0);
    // A position beyond 32 bits is past this end, not cut to byte 2.
    reader.seek((std::uint64_t{1} << 32) + 2);
    EXPECT_FALSE(reader.read(bytes, 1));

    reader.close();
    EXPECT_TRUE(reader.eof());
    EXPECT_FALSE(reader.read(bytes, 1));
    EXPECT_FALSE(reader.seek(0));
    EXPECT_EQ(reader.size(), std::nullopt);
}

TEST(FileReader, OpeningAgainSwitchesFilesAndAFailedOpenLeavesNoneOpen) {
    TempFile first("first.bin", {'a'});
    TempFile second("second.bin", {'b', 'c'});
    FileReader reader;
    ASSERT_TRUE(reader.open(first.path().c_str()));
    ASSERT_TRUE(reader.open(second.path().c_str()));
    char c = 0;
    ASSERT_TRUE(reader.read(&c, 1));
    EXPECT_EQ(c, 'b');

    TempFile missing("missing.bin");
    EXPECT_FALSE(reader.open(missing.path().c_str()));
    EXPECT_FALSE(reader.isOpen());
    EXPECT_TRUE(reader.eof());
    EXPECT_FALSE(reader.read(&c, 1));
}

TEST(Image, AllocateSetsPackedSizesAndZeroArgumentsEmptyIt) {
    Image image;
    EXPECT_EQ(image.pixels(), nullptr);
    ASSERT_TRUE(image.allocate(3, 2, 24));
    EXPECT_EQ(image.rowBytes, 9u);
    EXPECT_EQ(image.byteCount, 18u);
    ASSERT_NE(image.pixels(), nullptr);
    ASSERT_TRUE(image.allocate(5, 3, 16));
    EXPECT_EQ(image.rowBytes, 10u);
    EXPECT_EQ(image.byteCount, 30u);
    ASSERT_TRUE(image.allocate(3, 1, 1)); // depths round up to whole bytes
    EXPECT_EQ(image.rowBytes, 3u);

    for (auto [w, h, bits] : {std::array<std::uint32_t, 3>{0, 4, 8}, {4, 0, 8}, {4, 4, 0}}) {
        ASSERT_TRUE(image.allocate(2, 2, 8));
        EXPECT_FALSE(image.allocate(w, h, bits));
        EXPECT_EQ(image.pixels(), nullptr);
        EXPECT_EQ(image.width + image.height + image.bitsPerPixel + image.byteCount, 0u);
    }
}

TEST(Image, SizesBeyondThirtyTwoBitsAreRefused) {
    Image image;
    EXPECT_FALSE(image.allocate(65536, 65536, 8));
    EXPECT_FALSE(image.allocate(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF));
    EXPECT_FALSE(image.allocate(0x40000000, 1, 32));
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_EQ(image.byteCount, 0u);
}

namespace {

// Counts the releases that reach a derived image.
class CountingImage : public Image {
  public:
    int releases = 0;
    void release() override {
        ++releases;
        Image::release();
    }
};

const char* lastPath = nullptr;
bool recordingReader(const char* path, Image* image) {
    lastPath = path;
    return image->allocate(1, 1, 8);
}

} // namespace

TEST(Image, AllocateReleasesThroughTheVirtualAndLoadCallsTheReader) {
    CountingImage image;
    ASSERT_TRUE(image.allocate(1, 1, 8));
    EXPECT_EQ(image.releases, 1);
    const char* path = "some/path";
    EXPECT_TRUE(image.load(path, recordingReader));
    EXPECT_EQ(lastPath, path);
    EXPECT_EQ(image.releases, 2);
}
