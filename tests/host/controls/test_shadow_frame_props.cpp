#include "shadow_frame_props.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

using namespace controls;

namespace {

constexpr Colour DialogGrey = rgb(224, 224, 224);

ShadowFrameProps read(std::initializer_list<std::pair<const char*, const char*>> stored) {
    forms::PropertyBag bag;
    for (const auto& [key, value] : stored) {
        bag.setText(key, value);
    }
    return readShadowFrameProps(bag, DialogGrey);
}

} // namespace

TEST(ShadowFrameProps, EveryKeyHasItsDefaultAndTheColoursAreTheContainers) {
    const ShadowFrameProps p = read({});
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

TEST(ShadowFrameProps, EveryKeyIsReadAndKeptAsStored) {
    const ShadowFrameProps p = read({{"shadowdepth", "0"},
                                     {"ShadowOpacity", "150"},
                                     {"CornerDepth", "90"},
                                     {"FrameStyle", "2"},
                                     {"ShowShadow", "False"},
                                     {"FillColour", "&H00F8F8F8"},
                                     {"BackColour", "&H00102030"},
                                     {"BackColourIs", "5"},
                                     {"BorderColour", "-1"}});
    EXPECT_EQ(p.shadowDepth, 0);
    EXPECT_EQ(p.shadowOpacity, 150);
    EXPECT_EQ(p.cornerDepth, 90);
    EXPECT_EQ(p.frameStyle, 2);
    EXPECT_FALSE(p.showShadow);
    EXPECT_EQ(p.faceColour, rgb(0xF8, 0xF8, 0xF8));
    EXPECT_EQ(p.customBackColour, rgb(0x30, 0x20, 0x10));
    EXPECT_EQ(p.backColourSource, 5);
    EXPECT_EQ(p.borderColour, static_cast<Colour>(-1));
}

TEST(ShadowFrameProps, BackgroundIsTheContainersUnlessCustom) {
    ShadowFrameProps p = read({});
    p.customBackColour = rgb(10, 20, 30);
    EXPECT_EQ(frameBackground(p, rgb(200, 0, 0)), rgb(200, 0, 0));
    p.backColourSource = backColourCustom;
    EXPECT_EQ(frameBackground(p, rgb(200, 0, 0)), rgb(10, 20, 30));
    p.backColourSource = 7;
    EXPECT_EQ(frameBackground(p, rgb(200, 0, 0)), rgb(10, 20, 30));
}

TEST(ShadowFrameProps, PaintingNeverDividesByZeroOrLeavesTheColourRange) {
    ShadowFrameProps p = read({});
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
