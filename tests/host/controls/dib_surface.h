#pragma once

// A 32-bit top-down DIB section selected into a memory DC: painting tests
// read its pixels back exactly.

#include <windows.h>

#include <cstdint>

class DibSurface {
  public:
    DibSurface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~DibSurface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC dc() const { return dc_; }
    bool valid() const { return dc_ && bitmap_ && bits_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The pixel as 0x00BBGGRR, read from memory (not through GDI).
    std::uint32_t at(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgrx = static_cast<const std::uint32_t*>(bits_)[y * width_ + x];
        return ((bgrx & 0xFF) << 16) | (bgrx & 0xFF00) | ((bgrx >> 16) & 0xFF);
    }
    void fill(std::uint32_t colour) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                SetPixelV(dc_, x, y, colour);
            }
        }
    }

  private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};
