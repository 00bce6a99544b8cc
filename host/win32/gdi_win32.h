#pragma once

#include "colour.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>

namespace win32 {

void fillRectangle(HDC dc, const RECT& area, Colour colour);

// The painting messages of a window that paints its whole client area
// itself: no background erase (no flicker), WM_PAINT and WM_PRINTCLIENT
// both go to paint(HDC). True when the message was one of them.
template <class PaintFunction>
bool handlePaintMessage(HWND window, UINT message, WPARAM wParam, LRESULT& result,
                        PaintFunction paint) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PAINTSTRUCT paintInfo;
        HDC dc = BeginPaint(window, &paintInfo);
        paint(dc);
        EndPaint(window, &paintInfo);
        return true;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return true;
    default:
        return false;
    }
}

// Owns one GDI object (bitmap, brush, pen, font, region).
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// The device context of a window's client area (the screen's for nullptr),
// released at the end of its scope.
class WindowDc {
  public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context for one scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory device context drawing into a 32-bit top-down DIB section: the
// dialog's background picture, and captures in tests.
class MemoryCanvas {
  public:
    MemoryCanvas() = default;
    MemoryCanvas(int width, int height);
    MemoryCanvas(MemoryCanvas&& other) noexcept = default;
    MemoryCanvas& operator=(MemoryCanvas&& other) noexcept;

    bool valid() const { return dc_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    int width() const { return dc_ ? width_ : 0; }
    int height() const { return dc_ ? height_ : 0; }
    // The colour at a pixel as COLORREF (&H00BBGGRR); CLR_INVALID outside.
    COLORREF pixel(int x, int y) const;

  private:
    // The device context goes first, then the bitmap selected into it.
    GdiObject<HBITMAP> bitmap_;
    std::unique_ptr<HDC__, BOOL(WINAPI*)(HDC)> dc_{nullptr, DeleteDC};
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace win32
