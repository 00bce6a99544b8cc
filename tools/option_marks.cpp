#include "option_marks.h"

RgbImage drawOptionMark(bool selected) {
    const Rgb edge = selected ? Rgb{120, 170, 255} : Rgb{128, 128, 128};
    const Rgb fill = selected ? Rgb{24, 72, 216} : Rgb{255, 255, 255};
    RgbImage mark(optionMarkPixels, optionMarkPixels, fill);
    for (int i = 0; i < optionMarkPixels; ++i) {
        mark.at(i, 0) = edge;
        mark.at(i, optionMarkPixels - 1) = edge;
        mark.at(0, i) = edge;
        mark.at(optionMarkPixels - 1, i) = edge;
    }
    return mark;
}
