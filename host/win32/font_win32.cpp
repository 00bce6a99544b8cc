#include "font_win32.h"

#include "screen_win32.h"
#include "text_win32.h"

#include <cmath>
#include <cwchar>

namespace win32 {

Font::Font(const FontDescription& description) : description_(description) {
    int dotsPerInch = Screen::dotsPerInch();
    LOGFONTW font = {};
    font.lfHeight = -static_cast<LONG>(std::lround(description.size * dotsPerInch / 72.0));
    font.lfWeight = description.weight;
    font.lfItalic = description.italic;
    font.lfUnderline = description.underline;
    font.lfStrikeOut = description.strikethrough;
    font.lfCharSet = static_cast<BYTE>(description.charset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wstring face = widen(description.name);
    std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    handle_.reset(CreateFontIndirectW(&font));
}

} // namespace win32
