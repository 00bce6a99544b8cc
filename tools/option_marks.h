#pragma once

#include "raster.h"

constexpr int optionMarkPixels = 12;

// The settings dialog's option marks: unselected is an empty white square with a grey
// outline, selected a blue square with a lighter blue edge.
RgbImage drawOptionMark(bool selected);
