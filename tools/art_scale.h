#pragma once

// The display scales the dialog's pictures are drawn for, in percent of 96 dots per inch.
// Each scale is drawn from the same shapes, so a larger picture is sharp, not enlarged.
inline constexpr int artScalePercents[] = {100, 150, 200};

// A length of the 100 % picture at `percent`, rounded down.
constexpr int scaledPixels(int pixels, int percent) {
    return pixels * percent / 100;
}

// Thin lines (outlines, borders): one pixel up to 199 %, two from 200 %.
constexpr int lineWidthPixels(int percent) {
    return percent >= 200 ? percent / 100 : 1;
}
