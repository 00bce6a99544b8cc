#include "flat_button_paint_win32.h"

#include "button_look.h"

#include "text_win32.h"

namespace controls {

namespace {

struct ButtonColours {
    Colour outline;
    // Lines across the face at y = 1, 2, H - 3 and H - 2 (gradient looks).
    Colour lineTop1;
    Colour lineTop2;
    Colour lineBottom3;
    Colour lineBottom2;
    // Corner pixels.
    Colour k1;
    Colour k2;
    Colour k3;
    // The glow band behind the face (gradient looks).
    Colour glowTop;
    Colour glowBottom;
    // The flat face of the disabled and pressed looks.
    Colour flatFace;
};

// The outline and the three shades of the corner pixels of every look but
// the disabled one.
constexpr Colour outline = rgb(0, 60, 116);
constexpr Colour corner1 = rgb(33, 85, 132);
constexpr Colour corner2 = rgb(123, 150, 173);
constexpr Colour corner3 = rgb(82, 125, 165);

constexpr ButtonColours looks[] = {
    // Disabled: grey outline, pale flat face.
    {rgb(201, 199, 186), 0, 0, 0, 0, rgb(196, 177, 140), rgb(206, 199, 189), rgb(196, 177, 140), 0,
     0, rgb(245, 244, 234)},
    // Normal.
    {outline, rgb(255, 255, 255), rgb(254, 254, 254), rgb(226, 223, 214), rgb(214, 208, 197),
     corner1, corner2, corner3, buttonFaceTop, buttonFaceBottom, 0},
    // Focused or default: blue glow.
    {outline, rgb(206, 231, 255), rgb(189, 215, 247), rgb(140, 174, 231), rgb(107, 130, 239),
     corner1, corner2, corner3, rgb(189, 211, 247), rgb(140, 174, 231), 0},
    // Hot: orange glow.
    {outline, rgb(255, 243, 206), rgb(255, 219, 140), rgb(255, 178, 49), rgb(230, 150, 0), corner1,
     corner2, corner3, rgb(225, 223, 156), rgb(255, 182, 48), 0},
    // Pressed: darker flat face.
    {outline, 0, 0, 0, 0, corner1, corner2, corner3, 0, 0, rgb(231, 227, 222)},
};

// A line from (x0, y0) up to but not including (x1, y1), with the device
// context's own one-pixel solid pen.
void drawLine(HDC dc, int x0, int y0, int x1, int y1, Colour colour) {
    win32::SelectedObject pen(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, colour);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Rows from the bottom (bottom colour) up to the top (top colour), both
// included; each covers x from left to right - 1.
void drawGradient(HDC dc, int left, int top, int right, int bottom, Colour topColour,
                  Colour bottomColour) {
    const int rows = bottom - top;
    for (int i = 0; i <= rows; ++i) {
        const int y = top + rows - i;
        drawLine(dc, left, y, right, y, gradientColour(topColour, bottomColour, rows, i));
    }
}

void setCornerPixels(HDC dc, int w, int h, const ButtonColours& c) {
    struct Pixel {
        int x;
        int y;
        Colour colour;
    };
    const Pixel pixels[] = {
        {0, 1, c.k2},         {0, 2, c.k1},         {1, 0, c.k2},         {1, 1, c.k3},
        {2, 0, c.k1},         {w - 1, 1, c.k2},     {w - 1, 2, c.k1},     {w - 2, 0, c.k2},
        {w - 2, 1, c.k3},     {w - 3, 0, c.k1},     {0, h - 2, c.k2},     {0, h - 3, c.k1},
        {1, h - 1, c.k2},     {1, h - 2, c.k3},     {2, h - 1, c.k1},     {w - 1, h - 2, c.k2},
        {w - 1, h - 3, c.k1}, {w - 2, h - 1, c.k2}, {w - 2, h - 2, c.k3}, {w - 3, h - 1, c.k1},
    };
    for (const Pixel& p : pixels) {
        SetPixelV(dc, p.x, p.y, p.colour);
    }
}

void drawCaption(HDC dc, int w, int h, const FlatButtonLook& look) {
    RECT textArea{3, 3, w - 3, h - 3};
    const int saved = SaveDC(dc);
    if (look.font) {
        SelectObject(dc, look.font);
    }
    SetTextColor(dc, look.enabled ? look.captionColour : disabledCaptionColour);
    SetBkMode(dc, TRANSPARENT);
    // Prefix characters are honoured: the access key is underlined.
    std::wstring caption = win32::widen(look.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textArea,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    RestoreDC(dc, saved);
    if (look.focusRect) {
        const COLORREF previousColour = SetTextColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &textArea);
        SetTextColor(dc, previousColour);
    }
}

// The colours of a look 0..4; other values get the normal look's colours.
const ButtonColours& buttonColoursFor(int state) {
    return state >= StateDisabled && state <= StatePressed ? looks[state] : looks[StateNormal];
}

} // namespace

void paintFlatButton(HDC dc, int w, int h, int state, const FlatButtonLook& look) {
    const ButtonColours& c = buttonColoursFor(state);

    win32::fillRectangle(dc, RECT{0, 0, w, h}, look.backColour);

    drawLine(dc, 3, 0, w - 3, 0, c.outline);
    drawLine(dc, 0, 3, 0, h - 3, c.outline);
    drawLine(dc, 3, h - 1, w - 3, h - 1, c.outline);
    drawLine(dc, w - 1, 3, w - 1, h - 3, c.outline);

    // Looks 1..3 (and unknown ones) have gradient faces, 0 and 4 a flat one.
    if (state != StateDisabled && state != StatePressed) {
        // The glow band stays visible in the two columns beside the face.
        drawGradient(dc, 1, 3, w - 1, h - 2, c.glowTop, c.glowBottom);
        drawGradient(dc, 3, 3, w - 3, h - 3, buttonFaceTop, buttonFaceBottom);
        drawLine(dc, 1, 1, w, 1, c.lineTop1);
        drawLine(dc, 1, 2, w, 2, c.lineTop2);
        drawLine(dc, 1, h - 3, w, h - 3, c.lineBottom3);
        drawLine(dc, 2, h - 2, w - 1, h - 2, c.lineBottom2);
    } else {
        win32::fillRectangle(dc, RECT{1, 1, w - 1, h - 1}, c.flatFace);
    }

    setCornerPixels(dc, w, h, c);
    drawCaption(dc, w, h, look);
}

win32::GdiObject<HRGN> flatButtonRegion(int width, int height) {
    return win32::GdiObject<HRGN>(CreateRoundRectRgn(0, 0, width + 1, height + 1, 3, 3));
}

} // namespace controls
