#pragma once

#include "mci_port.h"

namespace music {

// MciPort over the Windows multimedia functions (winmm).
class Win32MciPort : public MciPort {
  public:
    std::uint32_t sendString(const std::string& command, char* reply, unsigned replySize) override;
    bool errorText(std::uint32_t code, char* buffer, unsigned size) override;
    unsigned waveOutDeviceCount() override;
    int playSound(const char* path, unsigned flags) override;
};

} // namespace music
