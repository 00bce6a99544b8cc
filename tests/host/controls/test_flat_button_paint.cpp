// The push button painted by real GDI on a 32-bit memory surface.
#include "flat_button_paint_win32.h"
#include "gdi_win32.h"

#include <gtest/gtest.h>

#include <string>

using namespace controls;

namespace {

// The dialog's confirm button: 1575 x 495 twips at 15 twips per pixel.
constexpr int W = 105;
constexpr int H = 33;

const std::uint32_t Outline = rgb(0, 60, 116);
const std::uint32_t K1 = rgb(33, 85, 132);
const std::uint32_t K2 = rgb(123, 150, 173);
const std::uint32_t K3 = rgb(82, 125, 165);

// A bitmap font, so caption pixels carry exactly the text colour.
struct TestFont {
    win32::GdiObject<HFONT> font{CreateFontW(
        -12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"DejaVu Sans")};
};

FlatButtonLook lookWith(const TestFont& font, const std::string& caption = "OK") {
    FlatButtonLook look;
    look.caption = caption;
    look.font = font.font.get();
    look.backColour = rgb(1, 2, 3);
    return look;
}

void expectOutlineAndCorners(const win32::MemoryCanvas& s, std::uint32_t outline, std::uint32_t k1,
                             std::uint32_t k2, std::uint32_t k3) {
    for (int x = 3; x <= W - 4; ++x) {
        ASSERT_EQ(s.pixel(x, 0), outline) << x;
        ASSERT_EQ(s.pixel(x, H - 1), outline) << x;
    }
    for (int y = 3; y <= H - 4; ++y) {
        ASSERT_EQ(s.pixel(0, y), outline) << y;
        ASSERT_EQ(s.pixel(W - 1, y), outline) << y;
    }
    struct Corner {
        int x, y;
        std::uint32_t colour;
    };
    const Corner corners[] = {
        {0, 1, k2},         {0, 2, k1},         {1, 0, k2},         {1, 1, k3},
        {2, 0, k1},         {W - 1, 1, k2},     {W - 1, 2, k1},     {W - 2, 0, k2},
        {W - 2, 1, k3},     {W - 3, 0, k1},     {0, H - 2, k2},     {0, H - 3, k1},
        {1, H - 1, k2},     {1, H - 2, k3},     {2, H - 1, k1},     {W - 1, H - 2, k2},
        {W - 1, H - 3, k1}, {W - 2, H - 1, k2}, {W - 2, H - 2, k3}, {W - 3, H - 1, k1},
    };
    for (const Corner& c : corners) {
        EXPECT_EQ(s.pixel(c.x, c.y), c.colour) << c.x << "," << c.y;
    }
    // The four outermost corner pixels keep the surface's clear colour.
    EXPECT_EQ(s.pixel(0, 0), rgb(1, 2, 3));
    EXPECT_EQ(s.pixel(W - 1, H - 1), rgb(1, 2, 3));
}

// Every pixel of the face border rows and side columns in one colour.
void expectFlatFace(const win32::MemoryCanvas& s, std::uint32_t face) {
    for (int x = 2; x <= W - 3; ++x) {
        for (int y : {1, 2, H - 3, H - 2}) {
            ASSERT_EQ(s.pixel(x, y), face) << x << "," << y;
        }
    }
    for (int y = 2; y <= H - 3; ++y) {
        for (int x : {1, 2, W - 3, W - 2}) {
            ASSERT_EQ(s.pixel(x, y), face) << x << "," << y;
        }
    }
}

int countPixels(const win32::MemoryCanvas& s, std::uint32_t colour) {
    int count = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            count += s.pixel(x, y) == colour;
        }
    }
    return count;
}

} // namespace

TEST(FlatButtonPaint, NormalLookOutlineLinesAndGradients) {
    TestFont font;
    win32::MemoryCanvas s(W, H);
    ASSERT_TRUE(s.valid());
    paintFlatButton(s.dc(), W, H, 1, lookWith(font));
    expectOutlineAndCorners(s, Outline, K1, K2, K3);

    for (int x = 2; x <= W - 3; ++x) {
        ASSERT_EQ(s.pixel(x, 1), rgb(255, 255, 255)) << x;
        ASSERT_EQ(s.pixel(x, 2), rgb(254, 254, 254)) << x;
        ASSERT_EQ(s.pixel(x, H - 3), rgb(226, 223, 214)) << x;
        ASSERT_EQ(s.pixel(x, H - 2), rgb(214, 208, 197)) << x;
    }
    // Face gradient, 27 steps: top row its top colour; the last visible row
    // one step up from the bottom colour (16/27, 17/27, 21/27 rounded).
    for (int x = 3; x <= 12; ++x) {
        EXPECT_EQ(s.pixel(x, 3), rgb(252, 252, 251)) << x;
        EXPECT_EQ(s.pixel(x, H - 4), rgb(237, 236, 231)) << x;
    }
    // The glow band shows in the two columns beside the face; in the normal
    // look it has the face's colours over 28 steps.
    for (int x : {1, 2, W - 3, W - 2}) {
        EXPECT_EQ(s.pixel(x, 3), rgb(252, 252, 251)) << x;
        // 2 * (16, 17, 21) / 28 up from (236, 235, 230): 237.14, 236.21, 231.5 -> 232.
        EXPECT_EQ(s.pixel(x, H - 4), rgb(237, 236, 232)) << x;
    }
}

TEST(FlatButtonPaint, HotAndFocusedGlowBands) {
    TestFont font;
    win32::MemoryCanvas s(W, H);
    paintFlatButton(s.dc(), W, H, 3, lookWith(font));
    expectOutlineAndCorners(s, Outline, K1, K2, K3);
    EXPECT_EQ(s.pixel(5, 1), rgb(255, 243, 206));
    EXPECT_EQ(s.pixel(5, 2), rgb(255, 219, 140));
    EXPECT_EQ(s.pixel(5, H - 3), rgb(255, 178, 49));
    EXPECT_EQ(s.pixel(5, H - 2), rgb(230, 150, 0));
    for (int x : {1, 2, W - 3, W - 2}) {
        EXPECT_EQ(s.pixel(x, 3), rgb(225, 223, 156)) << x;
        // Two of 28 steps up from (255, 182, 48): 252.86, 184.93, 55.71.
        EXPECT_EQ(s.pixel(x, H - 4), rgb(253, 185, 56)) << x;
    }
    EXPECT_EQ(s.pixel(3, 3), rgb(252, 252, 251));

    paintFlatButton(s.dc(), W, H, 2, lookWith(font));
    EXPECT_EQ(s.pixel(5, 1), rgb(206, 231, 255));
    EXPECT_EQ(s.pixel(5, H - 2), rgb(107, 130, 239));
    EXPECT_EQ(s.pixel(1, 3), rgb(189, 211, 247));
    // (140,174,231) + 2 * ((189,211,247) - (140,174,231)) / 28: 143.5, 176.64, 232.14.
    EXPECT_EQ(s.pixel(1, H - 4), rgb(144, 177, 232));
}

TEST(FlatButtonPaint, DisabledAndPressedLooksAreFlat) {
    TestFont font;
    win32::MemoryCanvas s(W, H);
    FlatButtonLook look = lookWith(font, "&OK");
    look.enabled = false;
    paintFlatButton(s.dc(), W, H, 0, look);
    expectOutlineAndCorners(s, rgb(201, 199, 186), rgb(196, 177, 140), rgb(206, 199, 189),
                            rgb(196, 177, 140));
    expectFlatFace(s, rgb(245, 244, 234));
    // The caption is grey whatever the fore colour.
    EXPECT_GT(countPixels(s, rgb(161, 161, 146)), 10);
    EXPECT_EQ(countPixels(s, rgb(0, 0, 0)), 0);

    look.enabled = true;
    look.captionColour = rgb(200, 0, 0);
    paintFlatButton(s.dc(), W, H, 4, look);
    expectOutlineAndCorners(s, Outline, K1, K2, K3);
    expectFlatFace(s, rgb(231, 227, 222));
    EXPECT_GT(countPixels(s, rgb(200, 0, 0)), 10);
    EXPECT_EQ(countPixels(s, rgb(161, 161, 146)), 0);
}

TEST(FlatButtonPaint, CaptionHonoursAccessKeyPrefixes) {
    TestFont font;
    const auto paint = [&](const std::string& caption, win32::MemoryCanvas& s) {
        paintFlatButton(s.dc(), W, H, 4, lookWith(font, caption));
    };
    // What DrawText shows for a text taken literally.
    const auto literal = [&](const wchar_t* text, win32::MemoryCanvas& s) {
        paintFlatButton(s.dc(), W, H, 4, lookWith(font, ""));
        HGDIOBJ old = SelectObject(s.dc(), font.font.get());
        SetBkMode(s.dc(), TRANSPARENT);
        SetTextColor(s.dc(), RGB(0, 0, 0));
        RECT area{3, 3, W - 3, H - 3};
        DrawTextW(s.dc(), text, -1, &area, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        SelectObject(s.dc(), old);
    };
    const auto same = [](const win32::MemoryCanvas& a, const win32::MemoryCanvas& b) {
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    win32::MemoryCanvas doubled(W, H), single(W, H), keyed(W, H), plain(W, H);
    paint("A&&B", doubled);
    literal(L"A&B", single);
    EXPECT_TRUE(same(doubled, single)) << "\"&&\" shows one ampersand";

    paint("&OK", keyed);
    literal(L"OK", plain);
    EXPECT_FALSE(same(keyed, plain)) << "the access key is underlined";
    EXPECT_GT(countPixels(keyed, rgb(0, 0, 0)), countPixels(plain, rgb(0, 0, 0)));
}

TEST(FlatButtonPaint, FocusRectangleSitsOnTheTextArea) {
    TestFont font;
    win32::MemoryCanvas with(W, H), without(W, H);
    FlatButtonLook look = lookWith(font, "");
    paintFlatButton(without.dc(), W, H, 2, look);
    look.focusRect = true;
    paintFlatButton(with.dc(), W, H, 2, look);
    int changed = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ++changed;
                const bool onBorder = ((x == 3 || x == W - 4) && y >= 3 && y <= H - 4) ||
                                      ((y == 3 || y == H - 4) && x >= 3 && x <= W - 4);
                ASSERT_TRUE(onBorder) << x << "," << y;
            }
        }
    }
    // Dotted: about every other pixel of the rectangle's 256-pixel border.
    EXPECT_GT(changed, 100);
}

TEST(FlatButtonPaint, WindowRegionIsTheRoundedOutline) {
    win32::GdiObject<HRGN> region = flatButtonRegion(W, H);
    ASSERT_TRUE(region);
    EXPECT_TRUE(PtInRegion(region.get(), W / 2, H / 2));
    EXPECT_TRUE(PtInRegion(region.get(), W - 1, H / 2));
    EXPECT_TRUE(PtInRegion(region.get(), W / 2, H - 1));
    EXPECT_TRUE(PtInRegion(region.get(), 3, 0));
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    // A rounded region leaves out its right and bottom edges, so the
    // rectangle up to (W + 1, H + 1) covers exactly the button's pixels.
    EXPECT_FALSE(PtInRegion(region.get(), W, H / 2));
    EXPECT_FALSE(PtInRegion(region.get(), W / 2, H));
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, W);
    EXPECT_EQ(box.bottom, H);
}
