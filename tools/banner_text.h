#pragma once

// The settings dialog's banner: the lines it shows, one after another, and the web page a
// click on it opens.

inline constexpr char kalendraWebAddress[] = "https://kalendra.example.org/";

inline constexpr int bannerLineCount = 3;
inline constexpr const char* bannerLines[bannerLineCount] = {
    "Kalendra",
    "butterfly screensaver",
    "kalendra.example.org",
};
