#pragma once

// The decorated frame's nine properties: defaults, the limits their setters
// apply, persistence, and the values painting may safely use.

#include "colour_math.h"

#include <cstdint>

constexpr std::int32_t FrameStyleRounded = 0;
constexpr std::int32_t FrameStyleSquare = 1;
constexpr std::int32_t BackColourAmbient = 0;
constexpr std::int32_t BackColourCustom = 1;

// Setter limits. A depth set above the cap is stored as the cap itself.
constexpr int MinShadowDepth = 2;
constexpr int MaxShadowDepth = 40;
constexpr int MaxShadowOpacity = 100;
constexpr int MaxCornerDepth = 50;

struct ShadowFrameProps {
    std::int32_t FrameStyle = FrameStyleSquare;
    std::int16_t ShadowOpacity = 50;
    bool ShowShadow = true;
    std::int16_t ShadowDepth = 5;
    Colour FillColour = 0;
    Colour BackColour = 0;
    std::int32_t BackColourIs = BackColourAmbient;
    Colour BorderColour = 0;
    std::int16_t CornerDepth = 10;
};

// A new instance: the two colours come from the container's background.
ShadowFrameProps DefaultShadowFrameProps(Colour containerBackColour);

// What the setters store for a requested value.
std::int16_t ClampShadowOpacity(int value); // 0..100
std::int16_t ClampShadowDepth(int value);   // 2..40
std::int16_t ClampCornerDepth(int value);   // 0..50

// Typed access to the form's property bag (keys case-insensitive there).
class PropertyReader {
  public:
    virtual std::int32_t ReadLong(const char* key, std::int32_t defaultValue) = 0;
    virtual std::int16_t ReadInteger(const char* key, std::int16_t defaultValue) = 0;
    virtual bool ReadBoolean(const char* key, bool defaultValue) = 0;

  protected:
    ~PropertyReader() = default;
};

// Reads the nine keys in their fixed order, each with its default (the
// colour defaults are the container's background now); values are kept as
// stored, even outside the ranges the setters enforce.
ShadowFrameProps ReadShadowFrameProps(PropertyReader& bag, Colour containerBackColour);

// The background the frame is painted on.
Colour FrameBackground(const ShadowFrameProps& props, Colour containerBackColour);

// The properties as painting uses them. Stored data can hold values no
// setter produces: a depth below 1 paints no shadow (its blend would divide
// by zero) and the opacity is limited to 0..100 so that every colour stays
// within 0..255. The stored values themselves are left alone.
ShadowFrameProps PaintableShadowFrame(const ShadowFrameProps& props);
