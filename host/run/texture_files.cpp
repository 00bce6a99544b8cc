#include "texture_files.h"

#include "settings.h"

#include <cstdio>
#include <memory>

std::string textureFilePath(int kind, bool mask) {
    return contract::textureFilePrefix + std::to_string(kind) +
           (mask ? contract::maskSuffix : contract::textureSuffix);
}

std::string textureResourceName(int kind, bool mask) {
    return "BUTTERFLY0" + std::to_string(kind) + (mask ? "A" : "");
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // C streams rather than std::ofstream: its stream and locale machinery would add 700 KB
    // to the saver's file.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         &std::fclose);
    if (!file) {
        return false;
    }
    bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}
