#include "shadow_frame_win32.h"

#include "shadow_frame_paint_win32.h"

#include "gdi_win32.h"
#include "screen_win32.h"
#include "twips.h"

namespace {

Colour PlainColour(Colour colour) {
    return forms::colorRefOf(colour);
}

class BagReader : public PropertyReader {
  public:
    explicit BagReader(const forms::PropertyBag& bag) : bag_(bag) {}
    std::int32_t ReadLong(const char* key, std::int32_t defaultValue) override {
        return bag_.readLong(key, defaultValue);
    }
    std::int16_t ReadInteger(const char* key, std::int16_t defaultValue) override {
        return bag_.readInteger(key, defaultValue);
    }
    bool ReadBoolean(const char* key, bool defaultValue) override {
        return bag_.readBoolean(key, defaultValue);
    }

  private:
    const forms::PropertyBag& bag_;
};

} // namespace

ShadowFrame::ShadowFrame() {
    // Purely decorative: the focus passes over the frame to what it holds.
    setCanGetFocus(false);
}

void ShadowFrame::SetFrameStyle(std::int32_t style) {
    props_.FrameStyle = style;
    Changed("FrameStyle");
}

void ShadowFrame::SetShadowOpacity(int percent) {
    props_.ShadowOpacity = ClampShadowOpacity(percent);
    Changed("ShadowOpacity");
}

void ShadowFrame::SetShowShadow(bool show) {
    props_.ShowShadow = show;
    Changed("ShowShadow");
}

void ShadowFrame::SetShadowDepth(int pixels) {
    props_.ShadowDepth = ClampShadowDepth(pixels);
    Changed("ShadowDepth");
}

void ShadowFrame::SetFillColour(Colour colour) {
    props_.FillColour = colour;
    Changed("FillColour");
}

void ShadowFrame::SetBackColour(Colour colour) {
    props_.BackColour = colour;
    Changed("BackColour");
}

void ShadowFrame::SetBackColourIs(std::int32_t source) {
    props_.BackColourIs = source;
    Changed("BackColourIs");
}

void ShadowFrame::SetBorderColour(Colour colour) {
    props_.BorderColour = colour;
    Changed("BorderColour");
}

void ShadowFrame::SetCornerDepth(int pixels) {
    props_.CornerDepth = ClampCornerDepth(pixels);
    Changed("CornerDepth");
}

void ShadowFrame::Changed(std::string_view name) {
    propertyChanged(name);
    PaintFrame();
}

Colour ShadowFrame::ContainerBackColour() const {
    return ambientBackColour();
}

void ShadowFrame::PaintFrame() {
    if (!handle()) {
        return;
    }
    const Colour container = ContainerBackColour();
    // The surface takes the frame's background, which the controls inside
    // see as their container's colour; telling them only when it changes.
    const Colour background = FrameBackground(props_, container);
    if (background != backColour()) {
        setBackColour(background);
    }

    ShadowFrameProps plain = props_;
    plain.FillColour = PlainColour(props_.FillColour);
    plain.BackColour = PlainColour(props_.BackColour);
    plain.BorderColour = PlainColour(props_.BorderColour);

    const float perPixel = forms::Screen::twipsPerPixelX();
    const int width = forms::twipsToPixels(placement().width, perPixel);
    const int height = forms::twipsToPixels(placement().height, perPixel);
    const int innerWidth = forms::twipsToPixels(scaleWidthTwips(), perPixel);
    const int innerHeight = forms::twipsToPixels(scaleHeightTwips(), perPixel);
    ::PaintFrame(hdc(), plain, width, height, innerWidth, innerHeight, PlainColour(container));
}

void ShadowFrame::handleReadProperties(const forms::PropertyBag& bag) {
    BagReader reader(bag);
    props_ = ReadShadowFrameProps(reader, ContainerBackColour());
    PaintFrame();
}

void ShadowFrame::handleResize() {
    PaintFrame();
}

void ShadowFrame::handleAmbientChanged(std::string_view) {
    PaintFrame();
}
