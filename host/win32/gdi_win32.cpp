#include "gdi_win32.h"

#include <utility>

namespace win32 {

void fillRectangle(HDC dc, const RECT& area, Colour colour) {
    COLORREF previous = SetBkColor(dc, colour & 0x00FFFFFF);
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
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_) {
        dc_.reset(CreateCompatibleDC(nullptr));
    }
    if (dc_) {
        SelectObject(dc_.get(), bitmap_.get());
        bits_ = static_cast<std::uint32_t*>(bits);
        width_ = width;
        height_ = height;
    }
}

MemoryCanvas& MemoryCanvas::operator=(MemoryCanvas&& other) noexcept {
    MemoryCanvas old(std::move(*this)); // releases the previous ones in order
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::move(other.dc_);
    bits_ = other.bits_;
    width_ = other.width_;
    height_ = other.height_;
    return *this;
}

COLORREF MemoryCanvas::pixel(int x, int y) const {
    if (!dc_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return CLR_INVALID;
    }
    GdiFlush();
    std::uint32_t value = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

} // namespace win32
