#pragma once

#include <string>
#include <string_view>

namespace dialog {

// The dialog's pictures are drawn for three display scales: 100, 150 and
// 200 percent (96, 144 and 192 dots per inch).

// The scale whose pictures the dialog shows at dotsPerInch: the largest one
// not above it, so a picture never outgrows the place the layout gives it
// (between two scales the place has room to spare, as at 96 dots per inch).
int pictureScalePercent(int dotsPerInch);

// The name of a picture at a scale: "mark_on" at 100, "mark_on_150" at 150.
std::string scaledPictureName(std::string_view name, int percent);

} // namespace dialog
