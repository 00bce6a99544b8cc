#pragma once

#include "raster.h"

constexpr int appIconPixels = 32;

// The settings dialog's icon: a butterfly seen from above, blue-violet wings edged in
// yellow-green, on a black field (opaque everywhere). `percent` is the display scale: the
// icon is appIconPixels scaled, drawn from the same shapes.
RgbImage drawAppIcon(int percent = 100);
