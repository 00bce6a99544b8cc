#pragma once

// The decorated frame's nine properties: defaults, and the values painting
// may safely use.

#include "colour_math.h"

#include <cstdint>

namespace controls {

constexpr std::int32_t frameStyleRounded = 0;
constexpr std::int32_t frameStyleSquare = 1;
constexpr std::int32_t backColourAmbient = 0;
constexpr std::int32_t backColourCustom = 1;

struct ShadowFrameProps {
    std::int32_t frameStyle = frameStyleSquare;
    std::int16_t shadowOpacity = 50;
    bool showShadow = true;
    std::int16_t shadowDepth = 5;
    Colour faceColour = 0;
    Colour customBackColour = 0;
    std::int32_t backColourSource = backColourAmbient;
    Colour borderColour = 0;
    std::int16_t cornerDepth = 10;
};

// A new instance: the two colours come from the container's background.
ShadowFrameProps defaultShadowFrameProps(Colour containerBackColour);

// An opacity limited to 0..100 percent.
std::int16_t clampShadowOpacity(int value);

// The background the frame is painted on.
Colour frameBackground(const ShadowFrameProps& props, Colour containerBackColour);

// The properties as painting uses them. Stored data can hold values no
// setter produces: a depth below 1 paints no shadow (its blend would divide
// by zero) and the opacity is limited to 0..100 so that every colour stays
// within 0..255. The stored values themselves are left alone.
ShadowFrameProps paintableShadowFrame(const ShadowFrameProps& props);

} // namespace controls
