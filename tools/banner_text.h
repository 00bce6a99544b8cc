#pragma once

// The settings dialog's banner: the lines it shows, one after another, and what a click on
// it opens.

// The project's web page. Empty while none is published: a click then opens the help page
// the program carries. The banner's last line says which of the two a click opens; the
// banner pictures are drawn from these lines, so changing either redraws them
// (tools/make_assets).
inline constexpr char kalendraWebAddress[] = "";

inline constexpr int bannerLineCount = 3;
inline constexpr const char* bannerLines[bannerLineCount] = {
    "Kalendra",
    "butterfly screensaver",
    kalendraWebAddress[0] == '\0' ? "click for help" : "click: web page",
};
