#pragma once

#include "gdi_win32.h"

#include <windows.h>

namespace win32 {

// The program's pictures, made by Windows from its resources: bitmaps
// (plain or run-length encoded), icons and cursors, each at its own size.

// A BITMAP resource as a bitmap for the screen; null when there is none.
GdiObject<HBITMAP> loadBitmap(HMODULE module, const wchar_t* name);
// An ICON or CURSOR resource, kept by the system for the process's life.
HICON loadIcon(HMODULE module, const wchar_t* name, bool cursor);

SIZE bitmapSize(HBITMAP bitmap);
// Draws the bitmap at its own size with its top-left corner at (x, y).
void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

} // namespace win32
