#include "screen_size.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenSize, WholeFactorsGiveThePixels) {
    EXPECT_EQ(screenSidePixels(1280.0f * 15.0f, 15.0f), 1280);
    EXPECT_EQ(screenSidePixels(1024.0f * 15.0f, 15.0f), 1024);
    EXPECT_EQ(screenSidePixels(0.0f, 15.0f), 0);
}

TEST(ScreenSize, FactorIsRoundedBeforeTheDivision) {
    // 120 dots per inch: 12 twips per pixel.
    EXPECT_EQ(screenSidePixels(1920.0f * 12.0f, 12.0f), 1920);
    // 192 dots per inch: 7.5 rounds to 8 (halves to even), so the stored
    // width is smaller than the screen's: 3840 * 7.5 / 8 = 3600.
    EXPECT_EQ(screenSidePixels(3840.0f * 7.5f, 7.5f), 3600);
    // 144 dots per inch: exactly 10.
    EXPECT_EQ(screenSidePixels(2560.0f * 10.0f, 10.0f), 2560);
    // Twips are rounded too, and the division drops the remainder.
    EXPECT_EQ(screenSidePixels(37.4f, 15.0f), 2);
    EXPECT_EQ(screenSidePixels(37.6f, 15.0f), 2);
}

TEST(ScreenSize, ImpossibleValuesGiveNothing) {
    EXPECT_FALSE(screenSidePixels(19200.0f, 0.4f));          // factor rounds to 0
    EXPECT_FALSE(screenSidePixels(40000.0f * 15.0f, 15.0f)); // beyond 16 bits
    EXPECT_FALSE(screenSidePixels(1e20f, 15.0f));
}

} // namespace
