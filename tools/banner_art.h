#pragma once

#include "raster.h"

#include <optional>

constexpr int bannerFrameCount = 24;
constexpr int bannerWidth = 120;
constexpr int bannerHeight = 50;
constexpr Rgb bannerBorder{192, 192, 192};

// Frame 1..24 of the banner: a black field with a thin light-grey border; in frames 1..23
// the banner's lines fade in and out one after another while a group of skeletons walks
// across; frame 24 is the empty bordered field. Nothing for other numbers, or when a line
// cannot be drawn with the pixel font or does not fit. `percent` is the display scale (100,
// 150, 200): the frame is bannerWidth x bannerHeight scaled, with the same text, figures and
// motion drawn at that size.
std::optional<RgbImage> drawBannerFrame(int frame, int percent = 100);
