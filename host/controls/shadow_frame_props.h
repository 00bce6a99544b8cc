#pragma once

// The decorated frame's nine properties: defaults, reading them from the
// property bag, and the values painting may safely use.

#include "colour_math.h"

#include "property_bag.h"

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

// Reads the nine keys in their fixed order, each with its default (the
// colour defaults are the container's background now, as for a new
// instance); values are kept as
// stored, whatever their range.
ShadowFrameProps readShadowFrameProps(const forms::PropertyBag& bag, Colour containerBackColour);

// The background the frame is painted on.
Colour frameBackground(const ShadowFrameProps& props, Colour containerBackColour);

// The properties as painting uses them. Stored data can hold any value: a
// depth below 1 paints no shadow (its blend would divide by zero) and the
// opacity is limited to 0..100 so that every colour stays within 0..255.
// The stored values themselves are left alone.
ShadowFrameProps paintableShadowFrame(const ShadowFrameProps& props);

} // namespace controls
