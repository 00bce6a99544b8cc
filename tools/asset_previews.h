#pragma once

#include <filesystem>
#include <string>

// Enlarged PNG pictures of the generated assets, for looking at them: wings.png (each kind
// tinted with its flock colour over the sky blue, as a whole butterfly, then its mask and
// its grey picture), dialog.png (icon, cursor with its hot spot in red, option marks) and
// banner.png (all 24 frames).
bool writePreviews(const std::filesystem::path& folder, std::string& error);
