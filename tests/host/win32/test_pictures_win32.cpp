// Pictures from file bytes, files and resources, drawn with real GDI; fonts
// and text conversion for the W functions.
#include "font_win32.h"
#include "gdi_win32.h"
#include "picture_bytes.h"
#include "picture_win32.h"
#include "text_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <fstream>

using namespace picture_bytes;
using win32::Picture;

namespace {

std::uint32_t rampColour(int x, int y) {
    return static_cast<std::uint32_t>(x * 12) << 16 | static_cast<std::uint32_t>(y * 30) << 8 |
           0x33;
}

COLORREF rampRef(int x, int y) {
    std::uint32_t c = rampColour(x, y);
    return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

win32::MemoryCanvas blankCanvas(int width, int height, COLORREF background) {
    win32::MemoryCanvas canvas(width, height);
    RECT all = {0, 0, width, height};
    win32::fillRectangle(canvas.dc(), all, background);
    return canvas;
}

} // namespace

TEST(Picture, BitmapFromBytesDrawsAtItsOwnSize) {
    Bytes bytes = greyBitmap(6, 4, [](int x, int y) { return x * 40 + y; });
    auto picture = Picture::fromFileBytes(bytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(picture->width(), 6);
    EXPECT_EQ(picture->height(), 4);
    EXPECT_NE(picture->bitmap(), nullptr);
    EXPECT_EQ(picture->icon(), nullptr);
    EXPECT_EQ(picture->fileBytes(), bytes);

    auto canvas = blankCanvas(12, 10, RGB(1, 2, 3));
    picture->draw(canvas.dc(), 2, 3);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            int grey = x * 40 + y;
            EXPECT_EQ(canvas.pixel(2 + x, 3 + y), RGB(grey, grey, grey)) << x << "," << y;
        }
    }
    EXPECT_EQ(canvas.pixel(1, 3), RGB(1, 2, 3));
    EXPECT_EQ(canvas.pixel(8, 3), RGB(1, 2, 3));
    EXPECT_EQ(canvas.pixel(2, 7), RGB(1, 2, 3));
}

TEST(Picture, TopDownAndBottomUpRowsKeepTheirOrder) {
    for (bool topDown : {false, true}) {
        auto picture = Picture::fromFileBytes(rgbBitmap(5, 3, rampColour, topDown));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->height(), 3);
        auto canvas = blankCanvas(5, 3, 0);
        picture->draw(canvas.dc(), 0, 0);
        EXPECT_EQ(canvas.pixel(0, 0), rampRef(0, 0));
        EXPECT_EQ(canvas.pixel(4, 2), rampRef(4, 2));
        EXPECT_EQ(canvas.pixel(1, 2), rampRef(1, 2));
    }
}

TEST(Picture, BrokenOrUnknownBytesGiveNoPicture) {
    EXPECT_FALSE(Picture::fromFileBytes({}));
    EXPECT_FALSE(Picture::fromFileBytes({'G', 'I', 'F', '8', '9', 'a', 0, 0}));
    Bytes shortRows = greyBitmap(6, 4, [](int, int) { return 0; });
    shortRows.resize(shortRows.size() - 3);
    EXPECT_FALSE(Picture::fromFileBytes(shortRows));
    Bytes hugeHeight = greyBitmap(6, 4, [](int, int) { return 0; });
    set32(hugeHeight, 22, 0x80000000u);
    EXPECT_FALSE(Picture::fromFileBytes(hugeHeight));
    Bytes icon = iconFile({{16, 0xFF0000FF}}, false);
    set32(icon, 6 + 12, 0xFFFFFF00u);
    EXPECT_FALSE(Picture::fromFileBytes(icon));
}

TEST(Picture, IconTakesItsThirtyTwoPixelImage) {
    auto picture = Picture::fromFileBytes(
        iconFile({{16, 0xFF0000FF}, {32, 0xFF00FF00}, {48, 0xFFFF0000}}, false));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind(), Picture::Kind::Icon);
    EXPECT_EQ(picture->width(), 32);
    EXPECT_EQ(picture->height(), 32);
    ASSERT_NE(picture->icon(), nullptr);
    EXPECT_EQ(picture->bitmap(), nullptr);
    auto canvas = blankCanvas(40, 40, RGB(9, 9, 9));
    picture->draw(canvas.dc(), 4, 4);
    EXPECT_EQ(canvas.pixel(4, 4), RGB(0, 255, 0));
    EXPECT_EQ(canvas.pixel(35, 35), RGB(0, 255, 0));
    EXPECT_EQ(canvas.pixel(36, 36), RGB(9, 9, 9));
}

TEST(Picture, CursorKeepsItsHotSpot) {
    auto picture = Picture::fromFileBytes(iconFile({{32, 0xFF102030, 7, 9}}, true));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind(), Picture::Kind::Cursor);
    ASSERT_NE(picture->cursor(), nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(picture->cursor(), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 7u);
    EXPECT_EQ(info.yHotspot, 9u);
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask) {
        DeleteObject(info.hbmMask);
    }
}

TEST(Picture, LoadsFromResourcesOfTheProgram) {
    auto hand = Picture::fromResource(nullptr, L"HAND_CURSOR");
    ASSERT_TRUE(hand);
    EXPECT_EQ(hand->kind(), Picture::Kind::Cursor);
    EXPECT_EQ(hand->width(), 32);
    EXPECT_NE(hand->cursor(), nullptr);

    auto mark = Picture::fromResource(GetModuleHandleW(nullptr), L"MARK_ON");
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(mark->width(), 12);
    EXPECT_EQ(mark->height(), 12);
    EXPECT_EQ(mark->fileBytes().size(), 486u);

    EXPECT_FALSE(Picture::fromResource(nullptr, L"NO_SUCH_PICTURE"));
}

TEST(Font, DescriptionBecomesAGdiFont) {
    win32::FontDescription description;
    description.name = "ＭＳ Ｐゴシック";
    description.size = 9;
    description.weight = 700;
    description.italic = true;
    description.underline = true;
    description.charset = 128;
    win32::Font font(description);
    ASSERT_NE(font.handle(), nullptr);
    LOGFONTW logical = {};
    ASSERT_EQ(GetObjectW(font.handle(), sizeof logical, &logical),
              static_cast<int>(sizeof logical));
    EXPECT_EQ(win32::narrow(logical.lfFaceName), "ＭＳ Ｐゴシック");
    HDC screen = GetDC(nullptr);
    int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(logical.lfHeight, -std::lround(9.0 * dotsPerInch / 72.0));
    EXPECT_EQ(logical.lfWeight, 700);
    EXPECT_TRUE(logical.lfItalic);
    EXPECT_TRUE(logical.lfUnderline);
    EXPECT_FALSE(logical.lfStrikeOut);
    EXPECT_EQ(logical.lfCharSet, 128);

    win32::Font moved = std::move(font);
    EXPECT_EQ(font.handle(), nullptr);
    EXPECT_EQ(moved.description().name, description.name);
}

TEST(Text, Utf8AndUtf16RoundTrip) {
    const std::string caption = "■Kalendra■ 蝶の数 ﾘﾋﾟｰﾄ";
    std::wstring wide = win32::widen(caption);
    EXPECT_EQ(wide.substr(0, 2), L"\u25A0K");
    EXPECT_EQ(win32::narrow(wide), caption);
    EXPECT_EQ(win32::widen(""), L"");
    EXPECT_EQ(win32::narrow(L""), "");
    EXPECT_EQ(win32::ansiToUtf8("plain"), "plain");
}
