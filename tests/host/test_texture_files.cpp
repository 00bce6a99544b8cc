#include "texture_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(TextureFiles, PathsAreTheOnesTheRendererReads) {
    EXPECT_EQ(textureFilePath(1, false), "C:\\tolvek_temp\\Butterfly01.alo");
    EXPECT_EQ(textureFilePath(3, true), "C:\\tolvek_temp\\Butterfly03a.alo");
    EXPECT_EQ(textureFilePath(5, true), "C:\\tolvek_temp\\Butterfly05a.alo");
    EXPECT_EQ(textureResourceName(2, false), "BUTTERFLY02");
    EXPECT_EQ(textureResourceName(4, true), "BUTTERFLY04A");
}

std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string scratchPath(const char* name) {
    return ::testing::TempDir() + name;
}

TEST(TextureFiles, WritingReplacesTheWholeFile) {
    std::string path = scratchPath("kalendra_texture_write.alo");
    {
        std::ofstream older(path, std::ios::binary);
        older << std::string(10000, 'x');
    }
    std::vector<std::uint8_t> bytes = {'B', 'M', 0, 1, 2, 0xFF, '\r', '\n', 0x1A};
    ASSERT_TRUE(writeFileBytes(path, bytes));
    EXPECT_EQ(readAll(path), std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(writeFileBytes(path, {}));
    EXPECT_EQ(readAll(path), "");
    std::remove(path.c_str());
}

TEST(TextureFiles, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(writeFileBytes(scratchPath("no_such_folder_kalendra/Butterfly01.alo"), {1, 2, 3}));
}

} // namespace
