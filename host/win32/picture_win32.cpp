#include "picture_win32.h"

namespace win32 {

GdiObject<HBITMAP> loadBitmap(HMODULE module, const wchar_t* name) {
    // A bitmap compatible with the screen: GDI expands run-length-encoded
    // rows into it, which a DIB section would not take.
    return GdiObject<HBITMAP>(
        static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP, 0, 0, 0)));
}

HICON loadIcon(HMODULE module, const wchar_t* name, bool cursor) {
    return static_cast<HICON>(
        LoadImageW(module, name, cursor ? IMAGE_CURSOR : IMAGE_ICON, 0, 0, LR_SHARED));
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    HDC source = bitmap ? CreateCompatibleDC(dc) : nullptr;
    if (!source) {
        return;
    }
    const SIZE size = bitmapSize(bitmap);
    {
        SelectedObject selected(source, bitmap);
        BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    }
    DeleteDC(source);
}

} // namespace win32
