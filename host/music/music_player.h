#pragma once

#include "mci_port.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace music {

// Background music while the screensaver runs: an audio CD (played on, or one
// track repeated) and MP3 files through MCI command strings, WAV files through
// the sound function in a loop. Music problems are never shown: a failed
// command is turned into text in lastReply at most, and nothing throws.
//
// The screensaver run owns the timers:
//   start:     enable the MP3 or the CD watch as startMusic(source, file) says;
//   MP3 watch: mp3Tick() every 1000 ms;
//   CD watch:  cdTick() every 200 ms, enabled while cdKeepPolling is true;
//   end:       stopMusic(CD watch enabled, source, file), then turn both off.
// The port must outlive the player.

// Which watch timer the running screensaver turns on for its music.
enum class MusicWatch { None, Mp3, Cd };

// A music file's kind by its last three characters, upper-cased: "WAV" or
// "MP3". Any other ending ("mpeg", "wave", none) is neither.
enum class MusicFileType { Other, Wav, Mp3 };
MusicFileType musicFileType(std::string_view file);

class MusicPlayer {
  public:
    // Sizes of the buffers the multimedia calls write into. A reply keeps at
    // most one character less than its buffer (the terminating NUL).
    static constexpr unsigned replyBufferSize = 512;
    static constexpr unsigned errorTextBufferSize = 256;
    static constexpr unsigned cdModeBufferSize = 255;
    static constexpr unsigned mp3ModeBufferSize = 30;

    // sendCommand's result for an empty command.
    static constexpr std::int32_t emptyCommandCode = -1;
    // PlaySoundA flags for a WAV file: SND_ASYNC | SND_LOOP.
    static constexpr unsigned wavPlayFlags = 9;

    explicit MusicPlayer(MciPort& port) : port_(port) {}

    // From the loaded settings: the CD track to repeat (0 plays the disc on)
    // and the music file (startMusic sets it).
    std::int16_t repeatTrack = 0;
    std::string musicFile;

    // Result of the last CD watch; false means the CD watch should stop.
    bool cdKeepPolling = false;
    // Reply or error text of the last command sent by sendQuery or sendPlay.
    // The system's texts come in its ANSI code page, sendCommand's own two texts
    // in UTF-8; nothing shows them, they only serve the ERR test.
    std::string lastReply;

    // Sends command; reply receives the device's reply, or the error's text
    // when the command failed. Returns the MCI error code, 0 for success,
    // emptyCommandCode for an empty command (which is not sent).
    std::int32_t sendCommand(const std::string& command, std::string& reply);
    // sendCommand into lastReply; lastReply on success, else "Error:" and the code.
    std::string sendQuery(const std::string& command);
    // Sends "play <device>[ from <from>][ to <to>]" into lastReply.
    std::int32_t sendPlay(const std::string& device, const std::string& from,
                          const std::string& to);

    void cdOpen();
    // The CD watch: restarts the repeated track, or plays on when the drive
    // has stopped. Sets cdKeepPolling to false when the drive cannot be
    // queried (no disc, no drive, device not open).
    void cdTick();
    void cdClose();

    // Opens musicFile under the alias MP3Play and plays it if the open worked.
    void mp3Open();
    bool mp3IsPlaying();
    // Restarts the file from its beginning whenever it is not playing.
    void mp3Tick();
    void mp3Close();

    // Plays musicFile in a loop, only when there is a wave output device.
    void wavPlay();
    void wavStop();

    // Starts the music of the given source (bgmNone, bgmAudioCd or
    // bgmMusicFile of the settings): opens the CD, plays a WAV file in a
    // loop, or opens and plays an MP3 file. Returns the watch to enable (the
    // MP3 watch also when the file could not be opened).
    MusicWatch startMusic(std::int16_t kind, const std::string& file);
    // Stops the music at the end of the run. The CD is closed only while its
    // watch is still enabled; a watch that stopped itself leaves it open.
    void stopMusic(bool cdWatchRunning, std::int16_t kind, const std::string& file);

  private:
    std::uint32_t sendWithoutReply(const std::string& command) {
        return port_.sendString(command, nullptr, 0);
    }

    MciPort& port_;
};

} // namespace music
