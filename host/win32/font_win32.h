#pragma once

#include "gdi_win32.h"

#include <string>

namespace win32 {

// A GDI font: face (UTF-8), size in points turned into pixels with the
// screen's vertical resolution, weight (400 normal, 700 bold) and character
// set (1 default, 128 Shift-JIS).
GdiObject<HFONT> createFont(const std::string& face, double points, int weight, int charset);

} // namespace win32
