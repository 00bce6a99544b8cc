#include "shadow_frame_props.h"

#include <algorithm>

ShadowFrameProps DefaultShadowFrameProps(Colour containerBackColour) {
    ShadowFrameProps props;
    props.FillColour = containerBackColour;
    props.BackColour = containerBackColour;
    return props;
}

std::int16_t ClampShadowOpacity(int value) {
    return static_cast<std::int16_t>(std::clamp(value, 0, MaxShadowOpacity));
}

std::int16_t ClampShadowDepth(int value) {
    return static_cast<std::int16_t>(std::clamp(value, MinShadowDepth, MaxShadowDepth));
}

std::int16_t ClampCornerDepth(int value) {
    return static_cast<std::int16_t>(std::clamp(value, 0, MaxCornerDepth));
}

ShadowFrameProps ReadShadowFrameProps(PropertyReader& bag, Colour containerBackColour) {
    const ShadowFrameProps d = DefaultShadowFrameProps(containerBackColour);
    ShadowFrameProps p;
    p.FrameStyle = bag.ReadLong("FrameStyle", d.FrameStyle);
    p.ShadowOpacity = bag.ReadInteger("ShadowOpacity", d.ShadowOpacity);
    p.ShowShadow = bag.ReadBoolean("ShowShadow", d.ShowShadow);
    p.ShadowDepth = bag.ReadInteger("ShadowDepth", d.ShadowDepth);
    p.FillColour = bag.ReadLong("FillColour", d.FillColour);
    p.BackColour = bag.ReadLong("BackColour", d.BackColour);
    p.BackColourIs = bag.ReadLong("BackColourIs", d.BackColourIs);
    p.BorderColour = bag.ReadLong("BorderColour", d.BorderColour);
    p.CornerDepth = bag.ReadInteger("CornerDepth", d.CornerDepth);
    return p;
}

Colour FrameBackground(const ShadowFrameProps& props, Colour containerBackColour) {
    return props.BackColourIs == BackColourAmbient ? containerBackColour : props.BackColour;
}

ShadowFrameProps PaintableShadowFrame(const ShadowFrameProps& props) {
    ShadowFrameProps p = props;
    p.ShadowOpacity = ClampShadowOpacity(p.ShadowOpacity);
    if (p.ShadowDepth < 1) {
        p.ShowShadow = false;
    }
    return p;
}
