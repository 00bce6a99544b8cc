#pragma once

#include "raster.h"

#include <optional>
#include <string>
#include <vector>

// A small proportional bitmap font: capitals and digits 7 rows tall, lower case with a
// 5-row x-height and 2 rows of descenders, one blank column between glyphs.

constexpr int glyphRows = 9;
constexpr int glyphBaselineRow = 6; // the last row above the descenders

struct Glyph {
    char character = 0;
    std::vector<std::string> rows; // '#' set, '.' clear; glyphRows rows of equal width

    int width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    bool isSet(int x, int row) const { return rows[row][x] == '#'; }
};

const std::vector<Glyph>& pixelFontGlyphs();
const Glyph* findGlyph(char c);

// Width in pixels of a line of text; nothing when a character has no glyph.
std::optional<int> textWidth(const std::string& text);

// Sets the pixels of `text` with its top row at `top`; pixels outside the picture are skipped.
// Returns false, drawing nothing, when a character has no glyph. At a display scale
// `percent` above 100 each font pixel covers the whole pixels its square spans at that scale
// (textWidth scaled the same way), so the letters stay sharp-edged.
bool drawText(RgbImage& picture, int left, int top, const std::string& text, Rgb colour,
              int percent = 100);
