#pragma once

// The decorated frame as a user control: a passive container that paints
// its face, outline and drop shadow into its back buffer from its nine
// properties. Windowless controls placed on it (labels, images, shapes) are
// drawn over that painting by the forms layer.

#include "colour_math.h"
#include "shadow_frame_props.h"

#include "user_control_win32.h"

#include <cstdint>
#include <string_view>

class ShadowFrame : public forms::UserControl {
  public:
    ShadowFrame();

    // Properties. Every setter stores (with the limits noted), tells the
    // container which property changed, then repaints.
    std::int32_t FrameStyle() const { return props_.FrameStyle; }
    void SetFrameStyle(std::int32_t style);
    std::int16_t ShadowOpacity() const { return props_.ShadowOpacity; }
    void SetShadowOpacity(int percent); // 0..100
    bool ShowShadow() const { return props_.ShowShadow; }
    void SetShowShadow(bool show);
    std::int16_t ShadowDepth() const { return props_.ShadowDepth; }
    void SetShadowDepth(int pixels); // 2..40
    Colour FillColour() const { return props_.FillColour; }
    void SetFillColour(Colour colour);
    Colour BackColour() const { return props_.BackColour; }
    void SetBackColour(Colour colour);
    std::int32_t BackColourIs() const { return props_.BackColourIs; }
    void SetBackColourIs(std::int32_t source);
    Colour BorderColour() const { return props_.BorderColour; }
    void SetBorderColour(Colour colour);
    std::int16_t CornerDepth() const { return props_.CornerDepth; }
    void SetCornerDepth(int pixels); // 0..50

    const ShadowFrameProps& props() const { return props_; }

    // Repaints the whole control.
    void Refresh() { PaintFrame(); }
    void PaintFrame();

  protected:
    void handleReadProperties(const forms::PropertyBag& bag) override;
    void handleResize() override;
    void handleAmbientChanged(std::string_view name) override;

  private:
    void Changed(std::string_view name);
    // The container's background as it reports it (possibly a system
    // colour reference, which painting translates).
    Colour ContainerBackColour() const;

    ShadowFrameProps props_;
};
