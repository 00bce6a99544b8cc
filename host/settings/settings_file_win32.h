#pragma once

#include "settings.h"

#include <string>

// The settings file through the Windows private-profile functions (ANSI
// forms): names and values are bytes of the system's ANSI code page.
class SettingsFile final : public SettingsStore {
  public:
    explicit SettingsFile(std::string path = contract::settingsFile);

    // At most 255 bytes of the value: what fits a 256-byte buffer.
    std::string readValue(std::string_view section, std::string_view key) override;
    // Section and key names longer than 128 bytes are cut to 128; a failure
    // keeps Windows' reason for writeFailureCode().
    bool writeValue(std::string_view section, std::string_view key,
                    std::string_view value) override;
    unsigned long writeFailureCode() const override { return writeFailureCode_; }
    bool fileExists(std::string_view path) override;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    unsigned long writeFailureCode_ = 0;
};

// Whether a byte starts a two-byte character in the system's ANSI code page.
bool isAnsiLeadByte(unsigned char byte);
