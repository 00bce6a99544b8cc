#pragma once

// The decorated frame as a user control: a passive container that paints
// its face, outline and drop shadow into its back buffer from its nine
// properties. Windowless controls placed on it (labels, images, shapes) are
// drawn over that painting by the forms layer.

#include "shadow_frame_props.h"

#include "user_control_win32.h"

#include <string_view>

namespace controls {

class ShadowFrame : public forms::UserControl {
  public:
    ShadowFrame();

    // The nine properties, read from the property bag when the control
    // starts.
    const ShadowFrameProps& props() const { return props_; }

  protected:
    void handleReadProperties(const forms::PropertyBag& bag) override;
    void handleResize() override;
    void handleAmbientChanged(std::string_view name) override;

  private:
    // Repaints the whole control.
    void paintFrame();

    ShadowFrameProps props_;
};

} // namespace controls
