#include "ini_reader.h"

#include <gtest/gtest.h>

TEST(IniReader, FindsKeysWithoutRegardToCaseAndTrimsValues) {
    const char* text = "; comment\r\n[Other]\r\nNum100=7\r\n[ settings ]\r\n"
                       "  num100 =   800  \r\nWidth= 1280\r\nQuoted=\"a b\"\r\nEmpty=\r\nBare\r\n";
    EXPECT_EQ(findProfileValue(text, "Settings", "Num100"), "800");
    EXPECT_EQ(findProfileValue(text, "SETTINGS", "width"), "1280");
    EXPECT_EQ(findProfileValue(text, "Settings", "Quoted"), "a b");
    EXPECT_EQ(findProfileValue(text, "Settings", "Empty"), "");
    EXPECT_EQ(findProfileValue(text, "Settings", "Bare"), "");
    EXPECT_EQ(findProfileValue(text, "Settings", "Missing"), std::nullopt);
    EXPECT_EQ(findProfileValue(text, "Missing", "Num100"), std::nullopt);
    EXPECT_EQ(findProfileValue("", "Settings", "Num100"), std::nullopt);
}

TEST(IniReader, KeysOutsideTheirSectionDoNotCount) {
    const char* text = "Num100=9\n[Settings]\nNum=5\n[Next]\nNum100=3\n";
    EXPECT_EQ(profileIntFromText(text, "Settings", "Num100", 500), 500);
    EXPECT_EQ(profileIntFromText(text, "Next", "Num100", 500), 3);
}

TEST(IniReader, IntegerConversionFollowsThePrivateProfileFunctions) {
    EXPECT_EQ(profileIntFromValue(" 500"), 500);
    EXPECT_EQ(profileIntFromValue("-300"), -300);
    EXPECT_EQ(profileIntFromValue("+42"), 42);
    EXPECT_EQ(profileIntFromValue("7.9"), 7);
    EXPECT_EQ(profileIntFromValue("12abc"), 12);
    EXPECT_EQ(profileIntFromValue("abc"), 0);
    EXPECT_EQ(profileIntFromValue("-"), 0);
    EXPECT_EQ(profileIntFromValue("0x1F"), 31);
    EXPECT_EQ(profileIntFromValue("0b101"), 5);
    EXPECT_EQ(profileIntFromValue("0o17"), 15);
    EXPECT_EQ(profileIntFromValue("4294967297"), 1); // wraps modulo 2^32
    EXPECT_EQ(profileIntFromValue("2147483648"), -2147483647 - 1);
    // Only the first 29 characters are read.
    EXPECT_EQ(profileIntFromValue(std::string(28, ' ') + "12"), 1);
}

TEST(IniReader, EmptyOrMissingValueGivesTheDefault) {
    EXPECT_EQ(profileIntFromText("[Settings]\nNum100=\n", "Settings", "Num100", 500), 500);
    EXPECT_EQ(profileIntFromText("[Settings]\nNum100= x\n", "Settings", "Num100", 500), 0);
    EXPECT_EQ(profileIntFromText("[Settings]\nNum100=0\n", "Settings", "Num100", 500), 0);
}
