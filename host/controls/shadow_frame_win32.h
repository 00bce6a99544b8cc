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

namespace controls {

class ShadowFrame : public forms::UserControl {
  public:
    ShadowFrame();

    // Properties. Every setter stores (with the limits noted), tells the
    // container which property changed, then repaints. Their keys: the face
    // colour is FillColour, the custom back colour BackColour and its
    // source BackColourIs; the others are named like their accessors.
    std::int32_t frameStyle() const { return props_.frameStyle; }
    void setFrameStyle(std::int32_t style);
    std::int16_t shadowOpacity() const { return props_.shadowOpacity; }
    void setShadowOpacity(int percent); // 0..100
    bool showShadow() const { return props_.showShadow; }
    void setShowShadow(bool show);
    std::int16_t shadowDepth() const { return props_.shadowDepth; }
    void setShadowDepth(int pixels); // 2..40
    Colour faceColour() const { return props_.faceColour; }
    void setFaceColour(Colour colour);
    Colour customBackColour() const { return props_.customBackColour; }
    void setCustomBackColour(Colour colour);
    std::int32_t backColourSource() const { return props_.backColourSource; }
    void setBackColourSource(std::int32_t source);
    Colour borderColour() const { return props_.borderColour; }
    void setBorderColour(Colour colour);
    std::int16_t cornerDepth() const { return props_.cornerDepth; }
    void setCornerDepth(int pixels); // 0..50

    const ShadowFrameProps& props() const { return props_; }

    // Repaints the whole control.
    void paintFrame();

  protected:
    void handleReadProperties(const forms::PropertyBag& bag) override;
    void handleResize() override { paintFrame(); }
    void handleAmbientChanged(std::string_view) override { paintFrame(); }

  private:
    void changed(std::string_view name);

    ShadowFrameProps props_;
};

} // namespace controls
