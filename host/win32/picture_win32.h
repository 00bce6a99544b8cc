#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace win32 {

class Picture;
// Pictures are shared: giving a control the picture of another shares it,
// and the handle is released with the last holder.
using PictureRef = std::shared_ptr<const Picture>;

// A bitmap, icon or cursor made from the bytes of a .bmp, .ico or .cur file.
// The bytes are checked before the system sees them and are kept, so the
// picture can be written out again exactly as it came.
class Picture {
  public:
    enum class Kind { Bitmap, Icon, Cursor };

    static PictureRef fromFileBytes(std::vector<std::uint8_t> bytes);
    // A resource holding the bytes of a picture file (RCDATA by default).
    static PictureRef fromResource(HMODULE module, const wchar_t* name,
                                   const wchar_t* type = MAKEINTRESOURCEW(10));

    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    Kind kind() const { return kind_; }
    int width() const { return width_; }
    int height() const { return height_; }
    HBITMAP bitmap() const { return kind_ == Kind::Bitmap ? bitmap_ : nullptr; }
    HICON icon() const { return kind_ != Kind::Bitmap ? icon_ : nullptr; }
    // A cursor for mouse pointers: cursors, and icons with their centre as hot spot.
    HCURSOR cursor() const { return icon(); }
    const std::vector<std::uint8_t>& fileBytes() const { return bytes_; }

    // Draws the picture at its own size with its top-left corner at (x, y).
    void draw(HDC dc, int x, int y) const;

  private:
    Picture() = default;
    bool makeBitmap();
    bool makeIcon();

    Kind kind_ = Kind::Bitmap;
    int width_ = 0;
    int height_ = 0;
    HBITMAP bitmap_ = nullptr;
    HICON icon_ = nullptr;
    std::vector<std::uint8_t> bytes_;
};

} // namespace win32
