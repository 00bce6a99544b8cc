#include "shadow_frame_props.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr Colour DialogGrey = rgb(224, 224, 224);

// A property bag over a map: records the keys in the order they are used.
struct MapBag : PropertyReader {
    std::map<std::string, long> stored;
    std::vector<std::string> order;

    long Read(const char* key, long fallback) {
        order.push_back(key);
        const auto found = stored.find(key);
        return found == stored.end() ? fallback : found->second;
    }
    std::int32_t ReadLong(const char* key, std::int32_t d) override {
        return static_cast<std::int32_t>(Read(key, d));
    }
    std::int16_t ReadInteger(const char* key, std::int16_t d) override {
        return static_cast<std::int16_t>(Read(key, d));
    }
    bool ReadBoolean(const char* key, bool d) override { return Read(key, d ? -1 : 0) != 0; }
};

const std::vector<std::string> KeyOrder = {"FrameStyle",   "ShadowOpacity", "ShowShadow",
                                           "ShadowDepth",  "FillColour",    "BackColour",
                                           "BackColourIs", "BorderColour",  "CornerDepth"};

} // namespace

TEST(ShadowFrameProps, NewInstanceTakesTheContainerColour) {
    const ShadowFrameProps p = DefaultShadowFrameProps(DialogGrey);
    EXPECT_EQ(p.FrameStyle, FrameStyleSquare);
    EXPECT_EQ(p.ShadowOpacity, 50);
    EXPECT_TRUE(p.ShowShadow);
    EXPECT_EQ(p.ShadowDepth, 5);
    EXPECT_EQ(p.FillColour, DialogGrey);
    EXPECT_EQ(p.BackColour, DialogGrey);
    EXPECT_EQ(p.BackColourIs, BackColourAmbient);
    EXPECT_EQ(p.BorderColour, 0);
    EXPECT_EQ(p.CornerDepth, 10);
}

TEST(ShadowFrameProps, SettersClampToTheirRanges) {
    EXPECT_EQ(ClampShadowOpacity(150), 100);
    EXPECT_EQ(ClampShadowOpacity(-5), 0);
    EXPECT_EQ(ClampShadowOpacity(37), 37);
    EXPECT_EQ(ClampCornerDepth(60), 50);
    EXPECT_EQ(ClampCornerDepth(-3), 0);
    EXPECT_EQ(ClampCornerDepth(50), 50);
    EXPECT_EQ(ClampShadowDepth(1), 2);
    EXPECT_EQ(ClampShadowDepth(-40000), 2);
    EXPECT_EQ(ClampShadowDepth(7), 7);
    EXPECT_EQ(ClampShadowDepth(40), 40);
    EXPECT_EQ(ClampShadowDepth(41), 40);
    EXPECT_EQ(ClampShadowDepth(100000), 40);
}

TEST(ShadowFrameProps, TheDialogsStoredDataReadsBackAsDepthSevenAndDefaults) {
    MapBag bag;
    bag.stored["ShadowDepth"] = 7;
    const ShadowFrameProps p = ReadShadowFrameProps(bag, DialogGrey);
    EXPECT_EQ(bag.order, KeyOrder);
    EXPECT_EQ(p.ShadowDepth, 7);
    EXPECT_EQ(p.FillColour, DialogGrey);
    EXPECT_EQ(p.BackColour, DialogGrey);
    EXPECT_EQ(p.FrameStyle, FrameStyleSquare);
    EXPECT_EQ(p.ShadowOpacity, 50);
    EXPECT_TRUE(p.ShowShadow);
}

TEST(ShadowFrameProps, LoadedValuesStayAsStored) {
    MapBag bag;
    bag.stored = {{"ShadowDepth", 0},  {"ShadowOpacity", 150}, {"CornerDepth", 90},
                  {"FrameStyle", 2},   {"ShowShadow", 0},      {"BackColourIs", 5},
                  {"BorderColour", -1}};
    const ShadowFrameProps p = ReadShadowFrameProps(bag, DialogGrey);
    EXPECT_EQ(p.ShadowDepth, 0);
    EXPECT_EQ(p.ShadowOpacity, 150);
    EXPECT_EQ(p.CornerDepth, 90);
    EXPECT_EQ(p.FrameStyle, 2);
    EXPECT_FALSE(p.ShowShadow);
    EXPECT_EQ(p.BackColourIs, 5);
    EXPECT_EQ(p.BorderColour, -1);
}

TEST(ShadowFrameProps, BackgroundIsTheContainersUnlessCustom) {
    ShadowFrameProps p = DefaultShadowFrameProps(DialogGrey);
    p.BackColour = rgb(10, 20, 30);
    EXPECT_EQ(FrameBackground(p, rgb(200, 0, 0)), rgb(200, 0, 0));
    p.BackColourIs = BackColourCustom;
    EXPECT_EQ(FrameBackground(p, rgb(200, 0, 0)), rgb(10, 20, 30));
    p.BackColourIs = 7;
    EXPECT_EQ(FrameBackground(p, rgb(200, 0, 0)), rgb(10, 20, 30));
}

TEST(ShadowFrameProps, PaintingNeverDividesByZeroOrLeavesTheColourRange) {
    ShadowFrameProps p = DefaultShadowFrameProps(DialogGrey);
    p.ShadowDepth = 0;
    p.ShadowOpacity = 150;
    const ShadowFrameProps paint = PaintableShadowFrame(p);
    EXPECT_FALSE(paint.ShowShadow);
    EXPECT_EQ(paint.ShadowOpacity, 100);
    p.ShadowDepth = -4;
    p.ShadowOpacity = -20;
    EXPECT_FALSE(PaintableShadowFrame(p).ShowShadow);
    EXPECT_EQ(PaintableShadowFrame(p).ShadowOpacity, 0);
    // A depth of 1 still paints a shadow; the stored values are untouched.
    p.ShadowDepth = 1;
    EXPECT_TRUE(PaintableShadowFrame(p).ShowShadow);
    EXPECT_EQ(p.ShadowOpacity, -20);
}
