#pragma once

#include <cstdint>
#include <string>

namespace music {

// The few Windows multimedia calls the music needs. The Win32 binding passes
// them straight to winmm; tests use a recording stand-in. Texts are in the
// system's ANSI code page, as the ANSI multimedia functions take and give them.
struct MciPort {
    virtual ~MciPort() = default;

    // mciSendStringA: returns the MCI error code (0 for success). When reply
    // is given, at most replySize bytes are written into it, NUL-terminated.
    virtual std::uint32_t sendString(const std::string& command, char* reply,
                                     unsigned replySize) = 0;

    // mciGetErrorStringA: the text of an MCI error code; false when there is none.
    virtual bool errorText(std::uint32_t code, char* buffer, unsigned size) = 0;

    // waveOutGetNumDevs: the number of wave output devices.
    virtual unsigned waveOutDeviceCount() = 0;

    // PlaySoundA(path, NULL, flags); path may be null (stops the sound).
    virtual int playSound(const char* path, unsigned flags) = 0;
};

} // namespace music
