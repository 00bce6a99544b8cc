// The decorated frame painted by real GDI on a 32-bit memory surface.
#include "gdi_win32.h"
#include "shadow_frame_paint_win32.h"

#include <gtest/gtest.h>

#include <set>

using namespace controls;

namespace {

constexpr Colour Grey = rgb(224, 224, 224);
constexpr Colour Black = rgb(0, 0, 0);
// The settings dialog's frame: 7155 x 2595 twips at 15 twips per pixel.
constexpr int W = 477;
constexpr int H = 173;

std::uint32_t greyPixel(int v) {
    return static_cast<std::uint32_t>(rgb(v, v, v));
}

ShadowFrameProps dialogFrame() {
    ShadowFrameProps p = defaultShadowFrameProps(Grey);
    p.shadowDepth = 7;
    return p;
}

bool onOutline(int x, int y, int left, int top, int right, int bottom) {
    const bool inX = x >= left && x <= right;
    const bool inY = y >= top && y <= bottom;
    return (inX && (y == top || y == bottom)) || (inY && (x == left || x == right));
}

// What a square frame of depth 7 looks like: rectangles cover left..right-1,
// rings drawn innermost first, the face last.
std::uint32_t expectedSquare(int x, int y, const int ringColours[8], Colour bg) {
    if (x <= W - 8 && y <= H - 8) {
        return onOutline(x, y, 0, 0, W - 8, H - 8) ? Black : Grey;
    }
    for (int i = 7; i >= 0; --i) {
        if (onOutline(x, y, 14 - i, 14 - i, W - 8 + i, H - 8 + i)) {
            return greyPixel(ringColours[i]);
        }
    }
    return static_cast<std::uint32_t>(bg);
}

std::set<std::uint32_t> coloursIn(const win32::MemoryCanvas& s, int x0, int y0, int x1, int y1) {
    std::set<std::uint32_t> colours;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            colours.insert(s.pixel(x, y));
        }
    }
    return colours;
}

} // namespace

TEST(ShadowFramePaint, DialogFrameHasSevenVisibleRingsAlongRightAndBottom) {
    win32::MemoryCanvas s(W, H);
    ASSERT_TRUE(s.valid());
    paintFrame(s.dc(), dialogFrame(), W, H, W, H, Grey);

    // Ring 0 lies under the face's outline; rings 1..7 make the band.
    const int rings[8] = {100, 117, 134, 151, 168, 185, 202, 219};
    int mismatches = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (s.pixel(x, y) != expectedSquare(x, y, rings, Grey) && ++mismatches < 10) {
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex << s.pixel(x, y)
                              << " expected " << expectedSquare(x, y, rings, Grey);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);

    // Spelled out: across the middle, the face's edge then 117 .. 219.
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(s.pixel(W - 8 + i, H / 2), greyPixel(100 + 17 * i));
        EXPECT_EQ(s.pixel(W / 2, H - 8 + i), greyPixel(100 + 17 * i));
    }
    EXPECT_EQ(s.pixel(W - 8, H / 2), Black);
    // The outermost ring starts 7 pixels down and 7 pixels in.
    EXPECT_EQ(s.pixel(W - 1, 6), greyPixel(224));
    EXPECT_EQ(s.pixel(W - 1, 7), greyPixel(219));
    EXPECT_EQ(s.pixel(6, H - 1), greyPixel(224));
    EXPECT_EQ(s.pixel(7, H - 1), greyPixel(219));
}

TEST(ShadowFramePaint, OpacityDecidesTheDarkestRing) {
    win32::MemoryCanvas s(W, H);
    ShadowFrameProps p = dialogFrame();
    p.shadowOpacity = 100;
    paintFrame(s.dc(), p, W, H, W, H, Grey);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(s.pixel(W - 8 + i, H / 2), greyPixel(32 * i)) << i;
    }
    p.shadowOpacity = 0;
    paintFrame(s.dc(), p, W, H, W, H, Grey);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(s.pixel(W - 8 + i, H / 2), greyPixel(200 + 3 * i)) << i;
    }
    // A stored opacity beyond 100 paints as 100.
    p.shadowOpacity = 150;
    paintFrame(s.dc(), p, W, H, W, H, Grey);
    EXPECT_EQ(s.pixel(W - 7, H / 2), greyPixel(32));
}

TEST(ShadowFramePaint, UnknownStyleShowsOnlyTheBackground) {
    win32::MemoryCanvas s(120, 60);
    ShadowFrameProps p = dialogFrame();
    p.frameStyle = 2;
    paintFrame(s.dc(), p, 120, 60, 120, 60, Grey);
    EXPECT_EQ(coloursIn(s, 0, 0, 119, 59), std::set<std::uint32_t>({greyPixel(224)}));

    p.backColourSource = backColourCustom;
    p.customBackColour = rgb(10, 20, 30);
    paintFrame(s.dc(), p, 120, 60, 120, 60, Grey);
    EXPECT_EQ(coloursIn(s, 0, 0, 119, 59),
              std::set<std::uint32_t>({static_cast<std::uint32_t>(rgb(10, 20, 30))}));
}

TEST(ShadowFramePaint, WithoutShadowTheFaceCoversEverythingUnsmoothed) {
    win32::MemoryCanvas s(W, H);
    ShadowFrameProps p = dialogFrame();
    p.frameStyle = frameStyleRounded;
    p.showShadow = false;
    p.faceColour = rgb(255, 255, 255);
    paintFrame(s.dc(), p, W, H, W, H, Grey);
    EXPECT_EQ(s.pixel(W - 1, H / 2), Black);
    EXPECT_EQ(s.pixel(W / 2, H - 1), Black);
    EXPECT_EQ(s.pixel(W / 2, H / 2), static_cast<std::uint32_t>(rgb(255, 255, 255)));
    // The rounded corners leave background, and nothing is blended into it.
    EXPECT_EQ(s.pixel(W - 1, H - 1), greyPixel(224));
    EXPECT_EQ(coloursIn(s, 0, 0, W - 1, H - 1),
              std::set<std::uint32_t>({greyPixel(224), Black, greyPixel(255)}));

    // A stored depth of 0 paints no shadow rather than dividing by zero.
    p.showShadow = true;
    p.shadowDepth = 0;
    paintFrame(s.dc(), p, W, H, W, H, Grey);
    EXPECT_EQ(s.pixel(W - 1, H / 2), Black);
}

TEST(ShadowFramePaint, RoundedShadowIsSmoothedOnlyInItsThreeCorners) {
    win32::MemoryCanvas s(W, H);
    ShadowFrameProps p = dialogFrame();
    p.frameStyle = frameStyleRounded;
    paintFrame(s.dc(), p, W, H, W, H, Grey);

    std::set<std::uint32_t> plain = {greyPixel(224), Black};
    for (int i = 0; i <= 7; ++i) {
        plain.insert(greyPixel(100 + 17 * i));
    }
    const int cd = 10;
    const int d = 7;
    const auto inPass = [&](int x, int y) {
        const bool right = x >= W - 2 * cd && x <= W - 3;
        const bool bottom = y >= H - 2 * cd && y <= H - 3;
        const bool top = y >= d && y <= 4 * d;
        const bool left = x >= d && x <= 4 * d;
        return (right && (bottom || top)) || (left && bottom);
    };
    int smoothed = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (plain.count(s.pixel(x, y))) {
                continue;
            }
            ASSERT_TRUE(inPass(x, y)) << "blended pixel outside the corners at " << x << "," << y;
            ++smoothed;
        }
    }
    EXPECT_GT(smoothed, 0);
    // The face still covers the inner rings.
    EXPECT_EQ(s.pixel(W / 2, H / 2), greyPixel(224));
    EXPECT_EQ(s.pixel(W - 8, H / 2), Black);
}

TEST(ShadowFramePaint, ShadowFollowsTheContainerBackground) {
    win32::MemoryCanvas s(W, H);
    const Colour blue = rgb(0, 128, 255);
    paintFrame(s.dc(), dialogFrame(), W, H, W, H, blue);
    EXPECT_EQ(s.pixel(W - 1, 0), static_cast<std::uint32_t>(blue));
    // Opacity 50: shadow (0, 50, 100), outermost ring 7 steps towards blue.
    EXPECT_EQ(s.pixel(W - 1, H / 2), static_cast<std::uint32_t>(rgb(0, 127, 254)));
    // The face keeps the fill it was given when placed.
    EXPECT_EQ(s.pixel(W / 2, H / 2), greyPixel(224));
}

TEST(ShadowFrameSmoothing, AveragesGapsInPlaceColumnByColumn) {
    win32::MemoryCanvas s(40, 40);
    win32::fillRectangle(s.dc(), RECT{0, 0, s.width(), s.height()}, greyPixel(224));
    const COLORREF red = RGB(255, 0, 0);
    SetPixelV(s.dc(), 33, 33, red); // bottom-right pass
    SetPixelV(s.dc(), 20, 20, red); // outside every pass
    SetPixelV(s.dc(), 35, 5, red);  // top-right pass
    SetPixelV(s.dc(), 5, 35, red);  // bottom-left pass
    smoothShadowCorners(s.dc(), 40, 40, 5, 2, Grey);

    // Above and left of the red pixel: one red neighbour among three grey.
    EXPECT_EQ(s.pixel(33, 32), rgb(232, 168, 168));
    EXPECT_EQ(s.pixel(32, 33), rgb(232, 168, 168));
    // Below the smoothed (32, 33) the blend runs on down the column:
    // (232+3*224)/4 = 226, (168+3*224)/4 = 210; then 224.5 -> 224, 220.5 -> 220.
    EXPECT_EQ(s.pixel(32, 34), rgb(226, 210, 210));
    EXPECT_EQ(s.pixel(32, 35), rgb(224, 220, 220));
    // Red above, smoothed (32, 34) to the left: green (0+224+224+210)/4 = 164.5 -> 164.
    EXPECT_EQ(s.pixel(33, 34), rgb(232, 164, 164));
    EXPECT_EQ(s.pixel(33, 33), rgb(255, 0, 0));
    // The other two passes ran; nothing outside them changed.
    EXPECT_EQ(s.pixel(35, 4), rgb(232, 168, 168));
    EXPECT_EQ(s.pixel(5, 34), rgb(232, 168, 168));
    EXPECT_EQ(s.pixel(20, 19), greyPixel(224));
    EXPECT_EQ(s.pixel(21, 20), greyPixel(224));
}

TEST(ShadowFrameSmoothing, PixelsAtTheSurfaceEdgeAreLeftAlone) {
    // Corner depth and shadow depth larger than the surface: the passes would
    // reach beyond it.
    win32::MemoryCanvas s(12, 12);
    win32::fillRectangle(s.dc(), RECT{0, 0, s.width(), s.height()}, greyPixel(224));
    smoothShadowCorners(s.dc(), 12, 12, 10, 3, Grey);
    EXPECT_EQ(coloursIn(s, 0, 0, 11, 11), std::set<std::uint32_t>({greyPixel(224)}));
}
