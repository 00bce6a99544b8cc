#include "option_marks.h"

#include "art_scale.h"

RgbImage drawOptionMark(bool selected, int percent) {
    const Rgb edge = selected ? Rgb{120, 170, 255} : Rgb{128, 128, 128};
    const Rgb fill = selected ? Rgb{24, 72, 216} : Rgb{255, 255, 255};
    const int side = scaledPixels(optionMarkPixels, percent);
    const int edgeWidth = lineWidthPixels(percent);
    RgbImage mark(side, side, fill);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (x < edgeWidth || y < edgeWidth || x >= side - edgeWidth || y >= side - edgeWidth)
                mark.at(x, y) = edge;
    return mark;
}
