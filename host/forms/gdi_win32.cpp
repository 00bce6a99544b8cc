#include "gdi_win32.h"

#include <utility>

namespace forms {

COLORREF colorRefOf(Colour colour) {
    if (isSystemColour(colour)) {
        return GetSysColor(static_cast<int>(colour & 0xFF));
    }
    return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

void fillRectangle(HDC dc, const RECT& area, Colour colour) {
    COLORREF previous = SetBkColor(dc, colorRefOf(colour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

MemoryCanvas::MemoryCanvas(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
    if (!dc) {
        if (bitmap) {
            DeleteObject(bitmap);
        }
        return;
    }
    dc_ = dc;
    bitmap_ = bitmap;
    bits_ = static_cast<std::uint32_t*>(bits);
    previousBitmap_ = SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
}

MemoryCanvas::MemoryCanvas(MemoryCanvas&& other) noexcept {
    *this = std::move(other);
}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
    if (this != &other) {
        release();
        dc_ = std::exchange(other.dc_, nullptr);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        previousBitmap_ = std::exchange(other.previousBitmap_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

MemoryCanvas::~MemoryCanvas() {
    release();
}

void MemoryCanvas::release() {
    if (dc_) {
        SelectObject(dc_, previousBitmap_);
        DeleteDC(dc_);
    }
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

COLORREF MemoryCanvas::pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    GdiFlush();
    std::uint32_t value = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

} // namespace forms
