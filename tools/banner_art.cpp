#include "banner_art.h"

#include "art_scale.h"
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

void drawBorder(RgbImage& frame, int width) {
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (x < width || y < width || x >= frame.width() - width || y >= frame.height() - width)
                frame.at(x, y) = bannerBorder;
}

bool drawLine(RgbImage& frame, int number, int percent) {
    const int line = (number - frameOfFirstLine) / framesPerLine;
    const int step = (number - frameOfFirstLine) % framesPerLine;
    if (number < frameOfFirstLine || line >= bannerLineCount)
        return true;
    const std::optional<int> width = textWidth(bannerLines[line]);
    if (!width || *width > bannerWidth - 4)
        return false;
    const std::uint8_t level = toByte(fadeLevels[step]);
    const int scaledWidth = scaledPixels(*width, percent);
    return drawText(frame, (frame.width() - scaledWidth) / 2, scaledPixels(textTop, percent),
                    bannerLines[line], Rgb{level, level, level}, percent);
}

} // namespace

std::optional<RgbImage> drawBannerFrame(int frame, int percent) {
    if (frame < 1 || frame > bannerFrameCount)
        return std::nullopt;
    const int width = scaledPixels(bannerWidth, percent);
    const int height = scaledPixels(bannerHeight, percent);
    const int border = lineWidthPixels(percent);
    const double scale = percent / 100.0;
    RgbImage picture(width, height);
    if (frame < bannerFrameCount) {
        if (!drawLine(picture, frame, percent))
            return std::nullopt;
        const PixelRect inside{border, border, width - border, height - border};
        for (const Walker& w : walkers) {
            const double x = leaderStartX + w.offsetX + stepPerFrame * (frame - 1);
            drawSkeleton(picture, Vec2{x, groundY} * scale, w.phase + stridePerFrame * (frame - 1),
                         w.scale * scale, boneColour, inside);
        }
    }
    drawBorder(picture, border);
    return picture;
}
