#include "settings_file_win32.h"

#include "handle_win32.h"

#include <utility>

#include <windows.h>

namespace {

constexpr DWORD valueBufferSize = 256;
constexpr std::size_t nameLimit = 128;

} // namespace

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

std::string SettingsFile::readValue(std::string_view section, std::string_view key) {
    char buffer[valueBufferSize] = {};
    const std::string sectionName(section);
    const std::string keyName(key);
    GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), "", buffer, valueBufferSize,
                             path_.c_str());
    // The buffer stays NUL-terminated: the call writes at most size - 1 bytes
    // and a NUL, and the last byte was NUL to begin with.
    buffer[valueBufferSize - 1] = '\0';
    return std::string(buffer);
}

bool SettingsFile::writeValue(std::string_view section, std::string_view key,
                              std::string_view value) {
    const std::string sectionName(section.substr(0, nameLimit));
    const std::string keyName(key.substr(0, nameLimit));
    const std::string valueText(value);
    if (WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), valueText.c_str(),
                                   path_.c_str()))
        return true;
    writeFailureCode_ = GetLastError();
    return false;
}

bool SettingsFile::fileExists(std::string_view path) {
    const std::string name(withoutTrailingBackslash(path, isAnsiLeadByte));
    if (name.empty())
        return false;
    const DWORD attributes = GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    win32::UniqueHandle file(CreateFileA(name.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.get() != INVALID_HANDLE_VALUE;
}

bool isAnsiLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}
