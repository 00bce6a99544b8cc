#include "shadow_frame_props.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

constexpr Colour DialogGrey = rgb(224, 224, 224);

} // namespace

TEST(ShadowFrameProps, NewInstanceTakesTheContainerColour) {
    const ShadowFrameProps p = defaultShadowFrameProps(DialogGrey);
    EXPECT_EQ(p.frameStyle, frameStyleSquare);
    EXPECT_EQ(p.shadowOpacity, 50);
    EXPECT_TRUE(p.showShadow);
    EXPECT_EQ(p.shadowDepth, 5);
    EXPECT_EQ(p.faceColour, DialogGrey);
    EXPECT_EQ(p.customBackColour, DialogGrey);
    EXPECT_EQ(p.backColourSource, backColourAmbient);
    EXPECT_EQ(p.borderColour, 0);
    EXPECT_EQ(p.cornerDepth, 10);
}

TEST(ShadowFrameProps, BackgroundIsTheContainersUnlessCustom) {
    ShadowFrameProps p = defaultShadowFrameProps(DialogGrey);
    p.customBackColour = rgb(10, 20, 30);
    EXPECT_EQ(frameBackground(p, rgb(200, 0, 0)), rgb(200, 0, 0));
    p.backColourSource = backColourCustom;
    EXPECT_EQ(frameBackground(p, rgb(200, 0, 0)), rgb(10, 20, 30));
    p.backColourSource = 7;
    EXPECT_EQ(frameBackground(p, rgb(200, 0, 0)), rgb(10, 20, 30));
}

TEST(ShadowFrameProps, PaintingNeverDividesByZeroOrLeavesTheColourRange) {
    ShadowFrameProps p = defaultShadowFrameProps(DialogGrey);
    p.shadowDepth = 0;
    p.shadowOpacity = 150;
    const ShadowFrameProps paint = paintableShadowFrame(p);
    EXPECT_FALSE(paint.showShadow);
    EXPECT_EQ(paint.shadowOpacity, 100);
    p.shadowDepth = -4;
    p.shadowOpacity = -20;
    EXPECT_FALSE(paintableShadowFrame(p).showShadow);
    EXPECT_EQ(paintableShadowFrame(p).shadowOpacity, 0);
    // A depth of 1 still paints a shadow; the stored values are untouched.
    p.shadowDepth = 1;
    EXPECT_TRUE(paintableShadowFrame(p).showShadow);
    EXPECT_EQ(p.shadowOpacity, -20);
}
