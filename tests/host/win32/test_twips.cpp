// Twips and pixels at the usual and at higher screen resolutions.
#include "twips.h"

#include <gtest/gtest.h>

TEST(Twips, TwipsPerPixelFollowsTheScreenResolution) {
    EXPECT_FLOAT_EQ(win32::twipsPerPixelFor(96), 15.0f);
    EXPECT_FLOAT_EQ(win32::twipsPerPixelFor(120), 12.0f);
    EXPECT_FLOAT_EQ(win32::twipsPerPixelFor(192), 7.5f);
    EXPECT_FLOAT_EQ(win32::twipsPerPixelFor(0), 15.0f); // no answer from the system
}

TEST(Twips, ConversionsRoundToNearestWithHalvesToEven) {
    EXPECT_EQ(win32::twipsToPixels(4800, 15.0f), 320);
    EXPECT_EQ(win32::twipsToPixels(22, 15.0f), 1);
    EXPECT_EQ(win32::twipsToPixels(23, 15.0f), 2);
    EXPECT_EQ(win32::twipsToPixels(15, 7.5f), 2);
    EXPECT_EQ(win32::twipsToPixels(-30, 15.0f), -2);
    // 1.5 and 2.5 pixels: halves go to the even neighbour.
    EXPECT_EQ(win32::twipsToPixels(45, 30.0f), 2);
    EXPECT_EQ(win32::twipsToPixels(75, 30.0f), 2);
    EXPECT_EQ(win32::pixelsToTwips(320, 15.0f), 4800);
    EXPECT_EQ(win32::pixelsToTwips(3, 7.5f), 22); // 22.5
}

TEST(Twips, FractionalTwipsAreRoundedBeforeTheDivision) {
    EXPECT_EQ(win32::twipsToPixels(7155, 15.0f), 477);
    EXPECT_EQ(win32::twipsToPixels(2595, 15.0f), 173);
    EXPECT_EQ(win32::twipsToPixels(1575, 15.0f), 105);
    EXPECT_EQ(win32::twipsToPixels(495, 15.0f), 33);
    // Second rounding: 18.5 -> 18, 19.5 -> 20.
    EXPECT_EQ(win32::twipsToPixels(37, 2.0f), 18);
    EXPECT_EQ(win32::twipsToPixels(39, 2.0f), 20);
    // First rounding: 36.5 -> 36 (18 px), 37.5 -> 38 (19 px).
    EXPECT_EQ(win32::twipsToPixels(36.5, 2.0f), 18);
    EXPECT_EQ(win32::twipsToPixels(37.5, 2.0f), 19);
    // 125 % scaling: 12 twips per pixel.
    EXPECT_EQ(win32::twipsToPixels(7155, 12.0f), 596);
}

TEST(Twips, PixelsStayInSixteenBitsAndBadFactorsGiveNone) {
    EXPECT_EQ(win32::twipsToPixels(491505, 15.0f), 32767);
    EXPECT_EQ(win32::twipsToPixels(1e12, 15.0f), 32767);
    EXPECT_EQ(win32::twipsToPixels(-1e12, 15.0f), -32768);
    EXPECT_EQ(win32::twipsToPixels(100, 0.0f), 0);
    EXPECT_EQ(win32::twipsToPixels(100, -15.0f), 0);
}
