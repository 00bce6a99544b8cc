#pragma once

// Painting of the decorated frame on a device context, sizes in pixels.

#include "shadow_frame_props.h"

#include <windows.h>

namespace controls {

// Paints the whole frame: background, then shadow rings, corner smoothing
// and face as the properties say. width/height are the control's outer size,
// innerWidth/innerHeight its drawing area (equal for this borderless
// control). Colours must be plain RGB values (system colours translated).
void paintFrame(HDC dc, const ShadowFrameProps& props, int width, int height, int innerWidth,
                int innerHeight, Colour containerBackColour);

// Fills the pixel gaps that concentric rounded outlines leave in the
// shadow's bottom-right, top-right and bottom-left corners of a drawing area
// sw x sh with corner depth cd and shadow depth d: each pixel of the
// background colour bg becomes the average of its four neighbours, visited
// column by column so that later pixels see earlier results. Pixels at the
// surface's edge are left alone (they lack a neighbour).
void smoothShadowCorners(HDC dc, int sw, int sh, int cd, int d, Colour bg);

} // namespace controls
