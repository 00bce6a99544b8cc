#include "banner_art.h"

#include "banner_text.h"
#include "pixel_font.h"
#include "skeleton_figure.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

// Each line is on screen for seven frames: two fading in, three full, two fading out.
constexpr int frameOfFirstLine = 2;
constexpr int framesPerLine = 7;
constexpr double fadeLevels[framesPerLine] = {1.0 / 3, 2.0 / 3, 1.0, 1.0, 1.0, 2.0 / 3, 1.0 / 3};
constexpr int textTop = 10;

// The walkers: the leader enters at the left in frame 1 and the last one has just gone at
// the right in frame 23.
constexpr double groundY = 45.0;
constexpr double leaderStartX = 2.0;
constexpr double stepPerFrame = 7.1;
constexpr double stridePerFrame = 0.6 * pi;
struct Walker {
    double offsetX;
    double phase;
    double scale;
};
constexpr Walker walkers[] = {{0.0, 0.0, 1.3}, {-18.0, 2.1, 1.2}, {-36.0, 4.0, 1.35}};
constexpr Rgb boneColour{235, 232, 220};

void drawBorder(RgbImage& frame) {
    for (int x = 0; x < bannerWidth; ++x) {
        frame.at(x, 0) = bannerBorder;
        frame.at(x, bannerHeight - 1) = bannerBorder;
    }
    for (int y = 0; y < bannerHeight; ++y) {
        frame.at(0, y) = bannerBorder;
        frame.at(bannerWidth - 1, y) = bannerBorder;
    }
}

bool drawLine(RgbImage& frame, int number) {
    const int line = (number - frameOfFirstLine) / framesPerLine;
    const int step = (number - frameOfFirstLine) % framesPerLine;
    if (number < frameOfFirstLine || line >= bannerLineCount)
        return true;
    const std::optional<int> width = textWidth(bannerLines[line]);
    if (!width || *width > bannerWidth - 4)
        return false;
    const std::uint8_t level = toByte(fadeLevels[step]);
    return drawText(frame, (bannerWidth - *width) / 2, textTop, bannerLines[line],
                    Rgb{level, level, level});
}

} // namespace

std::optional<RgbImage> drawBannerFrame(int frame) {
    if (frame < 1 || frame > bannerFrameCount)
        return std::nullopt;
    RgbImage picture(bannerWidth, bannerHeight);
    if (frame < bannerFrameCount) {
        if (!drawLine(picture, frame))
            return std::nullopt;
        const PixelRect inside{1, 1, bannerWidth - 1, bannerHeight - 1};
        for (const Walker& w : walkers) {
            const double x = leaderStartX + w.offsetX + stepPerFrame * (frame - 1);
            drawSkeleton(picture, {x, groundY}, w.phase + stridePerFrame * (frame - 1), w.scale,
                         boneColour, inside);
        }
    }
    drawBorder(picture);
    return picture;
}
