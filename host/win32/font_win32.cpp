#include "font_win32.h"

#include "screen_win32.h"
#include "text_win32.h"

#include <cmath>
#include <cwchar>

namespace win32 {

GdiObject<HFONT> createFont(const std::string& face, double points, int weight, int charset) {
    LOGFONTW font = {};
    font.lfHeight = -static_cast<LONG>(std::lround(points * Screen::dotsPerInch() / 72.0));
    font.lfWeight = weight;
    font.lfCharSet = static_cast<BYTE>(charset);
    std::wcsncpy(font.lfFaceName, widen(face).c_str(), LF_FACESIZE - 1);
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

} // namespace win32
