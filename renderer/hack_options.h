#pragma once

#include "scene.h"

#include <string>

// The renderer as an xscreensaver display mode: its command line, by
// xscreensaver's conventions (each option with one or two dashes).
//   --root              draw on the root window (or XSCREENSAVER_WINDOW's)
//   --window-id ID      draw into window ID (decimal or 0x hexadecimal)
//   --count N           butterflies, as the settings file's Num100
//   --camera 1..4       Oblique Far, Oblique Near, Top-Down Far, Top-Down Near
//   --trails off|short|long   the trail modes None, Solid, Fade
//   --colours natural|random  the colour schemes
//   --fps               show the frame rate
struct HackOptions {
    // The window to draw into; 0 means the root window.
    unsigned long window = 0;
    int count = 500;
    int cameraPreset = ObliqueFar;
    int trailMode = TrailFade;
    bool randomColours = false;
    bool showFps = false;
};

struct HackCommand {
    // Started as a display mode: --root, --window-id, or XSCREENSAVER_WINDOW
    // in the environment. Otherwise the renderer opens its own window.
    bool wanted = false;
    HackOptions options;
    // Why the command line cannot be used; empty when it can.
    std::string error;
};

// Reads argv; environmentWindow is XSCREENSAVER_WINDOW's value, or null.
// --window-id wins over XSCREENSAVER_WINDOW, which wins over the root.
HackCommand parseHackCommand(int argc, const char* const* argv, const char* environmentWindow);

extern const char hackUsage[];
