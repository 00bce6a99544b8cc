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
    return static_cast<std::int16_t>(std::clamp(value, 0, maxShadowOpacity));
}

std::int16_t clampShadowDepth(int value) {
    return static_cast<std::int16_t>(std::clamp(value, minShadowDepth, maxShadowDepth));
}

std::int16_t clampCornerDepth(int value) {
    return static_cast<std::int16_t>(std::clamp(value, 0, maxCornerDepth));
}

ShadowFrameProps readShadowFrameProps(const forms::PropertyBag& bag, Colour containerBackColour) {
    const ShadowFrameProps d = defaultShadowFrameProps(containerBackColour);
    ShadowFrameProps p;
    p.frameStyle = bag.readLong("FrameStyle", d.frameStyle);
    p.shadowOpacity = bag.readInteger("ShadowOpacity", d.shadowOpacity);
    p.showShadow = bag.readBoolean("ShowShadow", d.showShadow);
    p.shadowDepth = bag.readInteger("ShadowDepth", d.shadowDepth);
    p.faceColour = bag.readLong("FillColour", d.faceColour);
    p.customBackColour = bag.readLong("BackColour", d.customBackColour);
    p.backColourSource = bag.readLong("BackColourIs", d.backColourSource);
    p.borderColour = bag.readLong("BorderColour", d.borderColour);
    p.cornerDepth = bag.readInteger("CornerDepth", d.cornerDepth);
    return p;
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
