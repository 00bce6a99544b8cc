// Twips and pixels at the usual and at higher screen resolutions.
#include "twips.h"

#include <gtest/gtest.h>

TEST(Twips, TwipsPerPixelFollowsTheScreenResolution) {
    EXPECT_FLOAT_EQ(forms::twipsPerPixelFor(96), 15.0f);
    EXPECT_FLOAT_EQ(forms::twipsPerPixelFor(120), 12.0f);
    EXPECT_FLOAT_EQ(forms::twipsPerPixelFor(192), 7.5f);
    EXPECT_FLOAT_EQ(forms::twipsPerPixelFor(0), 15.0f); // no answer from the system
}

TEST(Twips, ConversionsRoundToNearestWithHalvesToEven) {
    EXPECT_EQ(forms::twipsToPixels(4800, 15.0f), 320);
    EXPECT_EQ(forms::twipsToPixels(22, 15.0f), 1);
    EXPECT_EQ(forms::twipsToPixels(23, 15.0f), 2);
    EXPECT_EQ(forms::twipsToPixels(15, 7.5f), 2);
    EXPECT_EQ(forms::twipsToPixels(-30, 15.0f), -2);
    // 1.5 and 2.5 pixels: halves go to the even neighbour.
    EXPECT_EQ(forms::twipsToPixels(45, 30.0f), 2);
    EXPECT_EQ(forms::twipsToPixels(75, 30.0f), 2);
    EXPECT_EQ(forms::pixelsToTwips(320, 15.0f), 4800);
    EXPECT_EQ(forms::pixelsToTwips(3, 7.5f), 22); // 22.5
}
