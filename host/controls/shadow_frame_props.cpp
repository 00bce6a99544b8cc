#include "shadow_frame_props.h"

#include <algorithm>

namespace controls {

ShadowFrameProps readShadowFrameProps(const forms::PropertyBag& bag, Colour containerBackColour) {
    ShadowFrameProps d;
    d.faceColour = containerBackColour;
    d.customBackColour = containerBackColour;
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
    p.shadowOpacity = static_cast<std::int16_t>(std::clamp<int>(p.shadowOpacity, 0, 100));
    if (p.shadowDepth < 1) {
        p.showShadow = false;
    }
    return p;
}

} // namespace controls
