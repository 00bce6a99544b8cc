#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Every picture the programs carry, as file bytes, named by path below the assets folder
// ("textures/Butterfly01.bmp", "dialog/icon.ico", ...).

struct AssetFile {
    std::string path;
    std::vector<std::uint8_t> bytes;
};

// Nothing when a picture cannot be made (for instance a banner line the font cannot draw).
std::optional<std::vector<AssetFile>> generateAssets();

// Writes the files below `folder`, creating subfolders. False, with a message in `error`,
// on the first file that cannot be written.
bool writeAssets(const std::vector<AssetFile>& files, const std::filesystem::path& folder,
                 std::string& error);
