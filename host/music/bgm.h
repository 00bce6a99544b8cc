#pragma once

#include "mci_port.h"

#include <cstdint>
#include <string>

// Background music while the screensaver runs: an audio CD (played on, or one
// track repeated) and MP3 files through MCI command strings, WAV files through
// the sound function in a loop. Music problems are never shown: results are
// kept in LastApiResult or turned into text in MciReply, and nothing throws.
//
// The running-screensaver form starts it, calls CdTick every 200 ms and
// Mp3Tick every 1000 ms from its timers, and stops it at the end (see
// MusicSession, which does exactly that).
class Butterfly_BGM {
  public:
    // Sizes of the buffers the multimedia calls write into. A reply keeps at
    // most one character less than its buffer (the terminating NUL).
    static constexpr unsigned ReplyBufferSize = 512;
    static constexpr unsigned ErrorTextBufferSize = 256;
    static constexpr unsigned CdModeBufferSize = 255;
    static constexpr unsigned Mp3ModeBufferSize = 30;

    // MciSend's result for an empty command.
    static constexpr std::int32_t EmptyCommandCode = -1;
    // PlaySoundA flags for a WAV file: SND_ASYNC | SND_LOOP.
    static constexpr unsigned WavPlayFlags = 9;

    explicit Butterfly_BGM(MciPort& port) : port_(port) {}

    // From the loaded settings: the CD track to repeat (0 plays the disc on)
    // and the music file.
    std::int16_t BgmRepeat = 0;
    std::string BgmFile;

    // Result of the last CD watch; false means the CD watch should stop.
    bool CdKeepPolling = false;
    // Reply or error text of the last command sent by MciQuery or MciPlay.
    // The system's texts come in its ANSI code page, MciSend's own two texts
    // in UTF-8; nothing shows them, they only serve the ERR test.
    std::string MciReply;
    // Result of the last multimedia call whose result nobody tests.
    std::int32_t LastApiResult = 0;

    // Sends command; reply receives the device's reply, or the error's text
    // when the command failed. Returns the MCI error code, 0 for success,
    // EmptyCommandCode for an empty command (which is not sent).
    std::int32_t MciSend(const std::string& command, std::string& reply);
    // MciSend into MciReply; MciReply on success, else "Error:" and the code.
    std::string MciQuery(const std::string& command);
    // Sends "play <device>[ from <from>][ to <to>]" into MciReply.
    std::int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

    void CdOpen();
    // The CD watch: restarts the repeated track, or plays on when the drive
    // has stopped. Sets CdKeepPolling to false when the drive cannot be
    // queried (no disc, no drive, device not open).
    void CdTick();
    void CdClose();

    // Opens BgmFile under the alias MP3Play and plays it if the open worked.
    void Mp3Open();
    bool Mp3IsPlaying();
    // Restarts the file from its beginning whenever it is not playing.
    void Mp3Tick();
    void Mp3Close();

    // Plays BgmFile in a loop, only when there is a wave output device.
    void WavPlay();
    void WavStop();

  private:
    std::uint32_t sendWithoutReply(const std::string& command);

    MciPort& port_;
};
