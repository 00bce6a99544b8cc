// The same expectations hold for the POSIX reader and, under Wine, for the
// system's GetPrivateProfileIntA: both read one real file.
#include "platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct ProfileFile {
    std::filesystem::path path;
    explicit ProfileFile(const std::string& text) {
        path = std::filesystem::temp_directory_path() / "kalendra_profile_test.ini";
        std::ofstream(path, std::ios::binary) << text;
    }
    ~ProfileFile() { std::filesystem::remove(path); }
    int read(const char* key, int fallback = 500) const {
        return readProfileInt("Settings", key, fallback, path.string().c_str());
    }
};

} // namespace

TEST(Platform, ReadsIntegersLikeTheSystemProfileFunctions) {
    ProfileFile file("[Settings]\r\nNum= 5\r\nNum100= 500\r\nNeg=-300\r\nWord=abc\r\n"
                     "Frac=7.9\r\nEmpty=\r\nHex=0x10\r\nPad=   42   \r\n");
    EXPECT_EQ(file.read("Num100"), 500);
    EXPECT_EQ(file.read("Num"), 5);
    EXPECT_EQ(file.read("Neg"), -300);
    EXPECT_EQ(file.read("Word"), 0);
    EXPECT_EQ(file.read("Frac"), 7);
    EXPECT_EQ(file.read("Empty"), 500);
    EXPECT_EQ(file.read("Missing"), 500);
    EXPECT_EQ(file.read("Hex"), 16);
    EXPECT_EQ(file.read("Pad"), 42);
    EXPECT_EQ(file.read("num100"), 500);
}

TEST(Platform, MissingFileGivesTheDefault) {
    const auto missing = std::filesystem::temp_directory_path() / "kalendra_no_such_file.ini";
    EXPECT_EQ(readProfileInt("Settings", "Num100", 500, missing.string().c_str()), 500);
}

TEST(Platform, CounterRunsForward) {
    const auto first = performanceCounter();
    EXPECT_GT(performanceFrequency(), 0);
    EXPECT_GE(performanceCounter(), first);
}

TEST(Platform, WorkingDirectoryPaths) {
#ifdef _WIN32
    EXPECT_EQ(nativePath("c:\\tolvek_temp\\Butterfly01.alo"), "c:\\tolvek_temp\\Butterfly01.alo");
#else
    EXPECT_EQ(nativePath("c:\\tolvek_temp\\Butterfly01.alo"),
              std::string(workingDirectory()) + "/Butterfly01.alo");
    EXPECT_EQ(nativePath("C:\\TOLVEK_TEMP\\Kalendra.ini"),
              std::string(workingDirectory()) + "/Kalendra.ini");
    EXPECT_EQ(nativePath("/tmp/x.ini"), "/tmp/x.ini");
#endif
}
