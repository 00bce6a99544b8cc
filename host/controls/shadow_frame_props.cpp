#include "shadow_frame_props.h"

#include <algorithm>

namespace controls {

ShadowFrameProps defaultShadowFrameProps(Colour containerBackColour) {
    ShadowFrameProps props;
    props.faceColour = containerBackColour;
    props.customBackColour = containerBackColour;
    return props;
}

std::int16_t clampShadowOpacity(int value) {
    return static_cast<std::int16_t>(std::clamp(value, 0, 100));
}

Colour frameBackground(const ShadowFrameProps& props, Colour containerBackColour) {
    return props.backColourSource == backColourAmbient ? containerBackColour
                                                       : props.customBackColour;
}

ShadowFrameProps paintableShadowFrame(const ShadowFrameProps& props) {
    ShadowFrameProps p = props;
    p.shadowOpacity = clampShadowOpacity(p.shadowOpacity);
    if (p.shadowDepth < 1) {
        p.showShadow = false;
    }
    return p;
}

} // namespace controls
