#include "shadow_frame_paint_win32.h"

#include "gdi_win32.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

void drawShape(HDC dc, const ShadowFrameProps& p, int left, int top, int right, int bottom,
               Colour penColour, const Colour* fillColour) {
    // The device context's own one-pixel solid pen, and its solid brush or
    // none (hollow).
    win32::SelectedObject pen(dc, GetStockObject(DC_PEN));
    win32::SelectedObject brush(dc, GetStockObject(fillColour ? DC_BRUSH : NULL_BRUSH));
    SetDCPenColor(dc, penColour);
    if (fillColour) {
        SetDCBrushColor(dc, *fillColour);
    }
    if (p.frameStyle == frameStyleRounded) {
        RoundRect(dc, left, top, right, bottom, p.cornerDepth, p.cornerDepth);
    } else {
        Rectangle(dc, left, top, right, bottom);
    }
}

void smoothPass(HDC dc, int x0, int x1, int y0, int y1, int innerWidth, int innerHeight,
                COLORREF background) {
    // Only pixels with all four neighbours on the surface.
    x0 = std::max(x0, 1);
    y0 = std::max(y0, 1);
    x1 = std::min(x1, innerWidth - 2);
    y1 = std::min(y1, innerHeight - 2);
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            if (GetPixel(dc, x, y) != background) {
                continue;
            }
            const COLORREF around[] = {GetPixel(dc, x, y - 1), GetPixel(dc, x + 1, y),
                                       GetPixel(dc, x, y + 1), GetPixel(dc, x - 1, y)};
            double red = 0;
            double green = 0;
            double blue = 0;
            for (const COLORREF c : around) {
                const ColourParts parts = splitColour(c);
                red += parts.red;
                green += parts.green;
                blue += parts.blue;
            }
            const auto average = [](double sum) {
                return static_cast<int>(std::nearbyint(sum / 4));
            };
            SetPixelV(dc, x, y, rgb(average(red), average(green), average(blue)));
        }
    }
}

} // namespace

void smoothShadowCorners(HDC dc, int sw, int sh, int cd, int d, Colour bg) {
    smoothPass(dc, sw - 2 * cd, sw - 3, sh - 2 * cd, sh - 3, sw, sh, bg); // bottom right
    smoothPass(dc, sw - 2 * cd, sw - 3, d, 4 * d, sw, sh, bg);            // top right
    smoothPass(dc, d, 4 * d, sh - 2 * cd, sh - 3, sw, sh, bg);            // bottom left
}

void paintFrame(HDC dc, const ShadowFrameProps& props, int width, int height, int innerWidth,
                int innerHeight, Colour containerBackColour) {
    const ShadowFrameProps p = paintableShadowFrame(props);
    const Colour bg = frameBackground(p, containerBackColour);

    const RECT all{0, 0, std::max(width, innerWidth), std::max(height, innerHeight)};
    win32::fillRectangle(dc, all, bg);
    if (p.frameStyle != frameStyleRounded && p.frameStyle != frameStyleSquare) {
        return;
    }
    if (!p.showShadow) {
        drawShape(dc, p, 0, 0, width, height, p.borderColour, &p.faceColour);
        return;
    }

    const int d = p.shadowDepth;
    const Colour shadow = shadowColour(bg, p.shadowOpacity);
    for (int i = 0; i <= d; ++i) {
        drawShape(dc, p, 2 * d - i, 2 * d - i, width - d + i, height - d + i,
                  blendColour(shadow, bg, d, i), nullptr);
    }
    if (p.frameStyle == frameStyleRounded) {
        smoothShadowCorners(dc, innerWidth, innerHeight, p.cornerDepth, d, bg);
    }
    drawShape(dc, p, 0, 0, width - d, height - d, p.borderColour, &p.faceColour);
}

} // namespace controls
