#include "shadow_frame_win32.h"

#include "shadow_frame_paint_win32.h"

#include "gdi_win32.h"
#include "screen_win32.h"
#include "twips.h"

namespace controls {

ShadowFrame::ShadowFrame() {
    // Purely decorative: the focus passes over the frame to what it holds.
    setCanGetFocus(false);
}

void ShadowFrame::paintFrame() {
    if (!handle()) {
        return;
    }
    const Colour container = ambientBackColour();
    // The surface takes the frame's background, which the controls inside
    // see as their container's colour; telling them only when it changes.
    const Colour background = frameBackground(props_, container);
    if (background != backColour()) {
        setBackColour(background);
    }

    ShadowFrameProps plain = props_;
    plain.faceColour = forms::colorRefOf(props_.faceColour);
    plain.customBackColour = forms::colorRefOf(props_.customBackColour);
    plain.borderColour = forms::colorRefOf(props_.borderColour);

    const float perPixel = forms::Screen::twipsPerPixelX();
    const int width = forms::twipsToPixels(placement().width, perPixel);
    const int height = forms::twipsToPixels(placement().height, perPixel);
    const int innerWidth = forms::twipsToPixels(scaleWidthTwips(), perPixel);
    const int innerHeight = forms::twipsToPixels(scaleHeightTwips(), perPixel);
    controls::paintFrame(hdc(), plain, width, height, innerWidth, innerHeight,
                         forms::colorRefOf(container));
}

void ShadowFrame::handleReadProperties(const forms::PropertyBag& bag) {
    props_ = readShadowFrameProps(bag, ambientBackColour());
    paintFrame();
}

void ShadowFrame::handleResize() {
    paintFrame();
}

void ShadowFrame::handleAmbientChanged(std::string_view) {
    paintFrame();
}

} // namespace controls
