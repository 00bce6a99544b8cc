#pragma once

#include "raster.h"

constexpr int optionMarkPixels = 12;

// The settings dialog's option marks: unselected is an empty white square with a grey
// outline, selected a blue square with a lighter blue edge. `percent` is the display scale
// (100, 150, 200): the square is optionMarkPixels scaled, its edge stays thin.
RgbImage drawOptionMark(bool selected, int percent = 100);
