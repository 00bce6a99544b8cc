#include "texture_files.h"

#include "settings.h"

#include <fstream>

std::string textureFilePath(int kind, bool mask) {
    return contract::textureFilePrefix + std::to_string(kind) +
           (mask ? contract::maskSuffix : contract::textureSuffix);
}

std::string textureResourceName(int kind, bool mask) {
    return "BUTTERFLY0" + std::to_string(kind) + (mask ? "A" : "");
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}
