#include "mci_port_win32.h"

#include <windows.h>

#include <mmsystem.h>

namespace music {

std::uint32_t Win32MciPort::sendString(const std::string& command, char* reply,
                                       unsigned replySize) {
    return mciSendStringA(command.c_str(), reply, reply ? replySize : 0, nullptr);
}

bool Win32MciPort::errorText(std::uint32_t code, char* buffer, unsigned size) {
    return mciGetErrorStringA(code, buffer, size) != FALSE;
}

unsigned Win32MciPort::waveOutDeviceCount() {
    return waveOutGetNumDevs();
}

int Win32MciPort::playSound(const char* path, unsigned flags) {
    return PlaySoundA(path, nullptr, flags);
}

} // namespace music
