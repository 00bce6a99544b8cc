#pragma once

#include "picture_win32.h"

#include <string_view>

namespace dialog {

// The settings dialog's pictures, by the names its layout uses ("icon",
// "mark_on", "hand", "banner07"...): resources of the program named
// "DIALOG_" and the name in capitals, holding the picture file's bytes.
// On a screen of 144 dots per inch or more, the picture drawn for that
// scale (the name with "_150" or "_200") where there is one. Nothing for an
// unknown name.
win32::PictureRef dialogPicture(std::string_view name);

} // namespace dialog
