#pragma once

#include <string>

namespace win32 {

// What a font object holds: face name (UTF-8), size in points, weight
// (400 normal, 700 bold), style flags and character set (0 ANSI, 1 default,
// 128 Shift-JIS). The default is the dialog's font for controls that take
// the system's.
struct FontDescription {
    std::string name = "Tahoma";
    double size = 8.25;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 1;
};

} // namespace win32
