#include "rle_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t get32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// A run-length-encoded file of width × height with four colours (entry i is i, 10 + i,
// 20 + i) and the given runs.
Bytes rleFile(int width, int height, const Bytes& runs) {
    const std::size_t offset = 14 + 40 + 16;
    Bytes file(offset + runs.size(), 0);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, static_cast<std::uint32_t>(file.size()));
    put32(file, 10, offset);
    put32(file, 14, 40);
    put32(file, 18, static_cast<std::uint32_t>(width));
    put32(file, 22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 8;
    file[30] = 1; // BI_RLE8
    put32(file, 34, static_cast<std::uint32_t>(runs.size()));
    put32(file, 38, 2835);
    put32(file, 46, 4);
    for (std::uint8_t i = 0; i < 4; ++i) {
        file[54 + 4 * i] = i;
        file[55 + 4 * i] = 10 + i;
        file[56 + 4 * i] = 20 + i;
    }
    std::copy(runs.begin(), runs.end(), file.begin() + offset);
    return file;
}

// Six pixels wide, three rows; bottom row: a run and an odd absolute stretch with its pad
// byte; middle row: one pixel, then a jump to the top row's fifth pixel; top row: a run.
const Bytes sample = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 1, 2, 0, 2, 3, 1, 2, 3, 0, 1};

TEST(RleBitmap, ExpandsRunsStretchesAndJumpsToAPlainBitmapFile) {
    const Bytes file = rleFile(6, 3, sample);
    const auto plain = expandRle8Bitmap(file.data(), file.size());
    ASSERT_TRUE(plain);
    const Bytes& b = *plain;
    const std::size_t offset = 14 + 40 + 16;
    ASSERT_EQ(b.size(), offset + 8 * 3);
    EXPECT_EQ(get32(b, 2), b.size());
    EXPECT_EQ(get32(b, 10), offset);
    EXPECT_EQ(get32(b, 14), 40u);
    EXPECT_EQ(get32(b, 30), 0u) << "uncompressed";
    EXPECT_EQ(get32(b, 34), 24u);
    EXPECT_EQ(get32(b, 46), 4u);
    EXPECT_EQ(Bytes(b.begin() + 54, b.begin() + offset),
              (Bytes{0, 10, 20, 0, 1, 11, 21, 0, 2, 12, 22, 0, 3, 13, 23, 0}));
    // Rows padded to 8 bytes, bottom first; skipped pixels are index 0.
    EXPECT_EQ(Bytes(b.begin() + offset, b.end()), (Bytes{1, 1, 1, 2, 3, 1, 0, 0, //
                                                         2, 0, 0, 0, 0, 0, 0, 0, //
                                                         0, 0, 0, 0, 3, 3, 0, 0}));
}

TEST(RleBitmap, RefusesWhatIsNotASoundRunLengthEncodedFile) {
    const Bytes good = rleFile(6, 3, sample);
    ASSERT_TRUE(expandRle8Bitmap(good.data(), good.size()));
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_FALSE(expandRle8Bitmap(good.data(), size)) << "cut to " << size << " bytes";
    }
    EXPECT_FALSE(expandRle8Bitmap(nullptr, good.size()));

    const auto refused = [](const Bytes& file) {
        return !expandRle8Bitmap(file.data(), file.size());
    };
    EXPECT_TRUE(refused(rleFile(6, 1, {7, 1, 0, 1}))) << "run past the row's end";
    EXPECT_TRUE(refused(rleFile(6, 1, {4, 1, 0, 3, 1, 2, 3, 0, 0, 1}))) << "stretch past the end";
    EXPECT_TRUE(refused(rleFile(6, 1, {0, 2, 7, 0, 0, 1}))) << "jump past the row's end";
    EXPECT_TRUE(refused(rleFile(6, 2, {0, 2, 0, 3, 0, 1}))) << "jump above the top";
    EXPECT_TRUE(refused(rleFile(6, 1, {1, 1, 0, 0, 1, 1, 0, 1}))) << "a row above the top";
    EXPECT_TRUE(refused(rleFile(6, 1, {0, 0, 0, 0, 0, 1}))) << "two rows ended in one";
    EXPECT_TRUE(refused(rleFile(6, 1, {6, 1, 0, 0}))) << "no end-of-bitmap mark";
    EXPECT_FALSE(refused(rleFile(6, 1, {6, 1, 0, 0, 0, 1}))) << "the last row ended, then the mark";

    const auto changed = [&good](std::size_t at, std::uint8_t value) {
        Bytes file = good;
        file[at] = value;
        return file;
    };
    EXPECT_TRUE(refused(changed(30, 0))) << "uncompressed";
    EXPECT_TRUE(refused(changed(28, 4))) << "4 bits per pixel";
    EXPECT_TRUE(refused(changed(25, 0xFF))) << "top-down";
    EXPECT_TRUE(refused(changed(10, 60))) << "pixels inside the colour table";
    // A stated data size cuts the runs short of their end mark.
    EXPECT_TRUE(refused(changed(34, 18)));
}

} // namespace
