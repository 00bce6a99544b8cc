#include "picture_scale.h"

namespace dialog {

int pictureScalePercent(int dotsPerInch) {
    if (dotsPerInch >= 192) {
        return 200;
    }
    if (dotsPerInch >= 144) {
        return 150;
    }
    return 100;
}

std::string scaledPictureName(std::string_view name, int percent) {
    std::string scaled(name);
    if (percent != 100) {
        scaled += "_" + std::to_string(percent);
    }
    return scaled;
}

} // namespace dialog
