// The program's pictures as Windows makes them from its resources, drawn
// with real GDI; fonts and text conversion for the W functions.
#include "asset_bytes.h"
#include "font_win32.h"
#include "gdi_win32.h"
#include "picture_win32.h"
#include "program_win32.h"
#include "text_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK addPictureFile(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    if (!IS_INTRESOURCE(name) && std::wstring(name).rfind(L"FILE_", 0) == 0) {
        reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(name + 5);
    }
    return TRUE;
}

} // namespace

// Every bitmap of the dialog at every scale, the run-length-encoded banner
// frames among them, shows exactly the pixels of its file (FILE_ resources of
// the test hold the files as they are).
TEST(Picture, EveryDialogBitmapShowsThePixelsOfItsFile) {
    std::vector<std::wstring> names;
    EnumResourceNamesW(nullptr, MAKEINTRESOURCEW(10) /* RCDATA */, addPictureFile,
                       reinterpret_cast<LONG_PTR>(&names));
    ASSERT_EQ(names.size(), 78u) << "72 banner frames and 6 marks";
    for (const std::wstring& name : names) {
        SCOPED_TRACE(win32::narrow(name));
        std::string_view file = win32::resourceBytes(nullptr, (L"FILE_" + name).c_str());
        const RgbPicture expected = decodeRgbBmp(Bytes(file.begin(), file.end()));
        ASSERT_GT(expected.width, 0);
        auto bitmap = win32::loadBitmap(GetModuleHandleW(nullptr), (L"DIALOG_" + name).c_str());
        ASSERT_TRUE(bitmap);
        const SIZE size = win32::bitmapSize(bitmap.get());
        ASSERT_EQ(size.cx, expected.width);
        ASSERT_EQ(size.cy, expected.height);
        win32::MemoryCanvas canvas(size.cx + 2, size.cy + 2);
        win32::fillRectangle(canvas.dc(), {0, 0, size.cx + 2, size.cy + 2}, 0x00010203);
        win32::drawBitmap(canvas.dc(), bitmap.get(), 1, 1);
        int wrong = 0;
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                const Pixel& p = expected.at(x, y);
                wrong += canvas.pixel(1 + x, 1 + y) != RGB(p.r, p.g, p.b);
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(canvas.pixel(0, 0), RGB(3, 2, 1));
        EXPECT_EQ(canvas.pixel(size.cx + 1, size.cy + 1), RGB(3, 2, 1));
    }
    EXPECT_FALSE(win32::loadBitmap(GetModuleHandleW(nullptr), L"NO_SUCH_PICTURE"));
}

TEST(Picture, IconsAndCursorsComeAtTheirOwnSize) {
    for (auto [suffix, side] : {std::pair{L"", 32}, {L"_150", 48}, {L"_200", 64}}) {
        for (bool cursor : {false, true}) {
            std::wstring name = std::wstring(cursor ? L"DIALOG_HAND" : L"DIALOG_ICON") + suffix;
            SCOPED_TRACE(win32::narrow(name));
            HICON icon = win32::loadIcon(GetModuleHandleW(nullptr), name.c_str(), cursor);
            ICONINFO info = {};
            ASSERT_TRUE(icon && GetIconInfo(icon, &info));
            BITMAP mask = {};
            GetObjectW(info.hbmMask, sizeof mask, &mask);
            EXPECT_EQ(mask.bmWidth, side);
            EXPECT_EQ(info.fIcon, !cursor);
            DeleteObject(info.hbmMask);
            DeleteObject(info.hbmColor);
        }
    }
}

TEST(Font, DescriptionBecomesAGdiFont) {
    auto font = win32::createFont("ＭＳ Ｐゴシック", 9, 700, 128);
    ASSERT_TRUE(font);
    LOGFONTW logical = {};
    ASSERT_EQ(GetObjectW(font.get(), sizeof logical, &logical), static_cast<int>(sizeof logical));
    EXPECT_EQ(win32::narrow(logical.lfFaceName), "ＭＳ Ｐゴシック");
    HDC screen = GetDC(nullptr);
    int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(logical.lfHeight, -std::lround(9.0 * dotsPerInch / 72.0));
    EXPECT_EQ(logical.lfWeight, 700);
    EXPECT_FALSE(logical.lfItalic);
    EXPECT_EQ(logical.lfCharSet, 128);
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
