#pragma once

#include "picture_win32.h"

#include <string_view>

namespace dialog {

// The settings dialog's pictures, by the names its layout uses ("mark_on",
// "banner07", "icon", "hand"), drawn for the screen's scale where the
// program has them, else for 100 %. Null for an unknown name.
win32::GdiObject<HBITMAP> dialogBitmap(std::string_view name);
HICON dialogIcon(std::string_view name, bool cursor);

} // namespace dialog
