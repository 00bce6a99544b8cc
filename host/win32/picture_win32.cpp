#include "picture_win32.h"

#include "gdi_win32.h"
#include "picture_format.h"
#include "program_win32.h"
#include "rle_bitmap.h"

#include <cstring>

namespace win32 {

PictureRef Picture::fromFileBytes(std::vector<std::uint8_t> bytes) {
    auto kind = pictureFileKind(bytes.data(), bytes.size());
    if (!kind) {
        return nullptr;
    }
    std::shared_ptr<Picture> picture(new Picture());
    picture->bytes_ = std::move(bytes);
    bool made = false;
    switch (*kind) {
    case PictureFileKind::Bitmap:
        picture->kind_ = Kind::Bitmap;
        made = picture->makeBitmap();
        break;
    case PictureFileKind::Icon:
        picture->kind_ = Kind::Icon;
        made = picture->makeIcon();
        break;
    case PictureFileKind::Cursor:
        picture->kind_ = Kind::Cursor;
        made = picture->makeIcon();
        break;
    }
    return made ? picture : nullptr;
}

PictureRef Picture::fromResource(HMODULE module, const wchar_t* name, const wchar_t* type) {
    std::string_view bytes = resourceBytes(module, name, type);
    return bytes.empty() ? nullptr
                         : fromFileBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

Picture::~Picture() {
    if (bitmap_) {
        DeleteObject(bitmap_);
    }
    if (icon_) {
        if (kind_ == Kind::Cursor) {
            DestroyCursor(icon_);
        } else {
            DestroyIcon(icon_);
        }
    }
}

bool Picture::makeBitmap() {
    // A run-length-encoded bitmap is expanded first: a DIB section holds plain rows.
    auto expanded = expandRle8Bitmap(bytes_.data(), bytes_.size());
    const std::vector<std::uint8_t>& file = expanded ? *expanded : bytes_;
    auto layout = inspectBitmapFile(file.data(), file.size());
    if (!layout) {
        return false;
    }
    // The info block is copied to aligned memory before the system reads it.
    std::vector<std::uint32_t> info((layout->infoSize + 3) / 4 + 1, 0);
    std::memcpy(info.data(), file.data() + layout->infoOffset, layout->infoSize);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()),
                               DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits) {
        return false;
    }
    std::memcpy(bits, file.data() + layout->pixelOffset, layout->pixelSize);
    GdiFlush();
    width_ = layout->width;
    height_ = layout->height < 0 ? -layout->height : layout->height;
    return true;
}

bool Picture::makeIcon() {
    auto image = inspectIconFile(bytes_.data(), bytes_.size(), 32);
    if (!image) {
        return false;
    }
    std::vector<std::uint8_t> resource;
    if (image->cursor) {
        // A cursor resource starts with its hot spot.
        resource = {static_cast<std::uint8_t>(image->hotspotX & 0xFF),
                    static_cast<std::uint8_t>(image->hotspotX >> 8),
                    static_cast<std::uint8_t>(image->hotspotY & 0xFF),
                    static_cast<std::uint8_t>(image->hotspotY >> 8)};
    }
    resource.insert(resource.end(), bytes_.begin() + image->offset,
                    bytes_.begin() + image->offset + image->size);
    icon_ = CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()),
                                     image->cursor ? FALSE : TRUE, 0x00030000, image->width,
                                     image->height, LR_DEFAULTCOLOR);
    width_ = image->width;
    height_ = image->height;
    return icon_ != nullptr;
}

void Picture::draw(HDC dc, int x, int y) const {
    if (bitmap_) {
        HDC source = CreateCompatibleDC(dc);
        if (!source) {
            return;
        }
        {
            SelectedObject selected(source, bitmap_);
            BitBlt(dc, x, y, width_, height_, source, 0, 0, SRCCOPY);
        }
        DeleteDC(source);
    } else if (icon_) {
        DrawIconEx(dc, x, y, icon_, width_, height_, 0, nullptr, DI_NORMAL);
    }
}

} // namespace win32
