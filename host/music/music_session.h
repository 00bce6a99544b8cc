#pragma once

#include "music_player.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace music {

// Which watch timer the running screensaver turns on for its music.
enum class MusicWatch {
    None,
    Mp3, // every 1000 ms: mp3WatchTick
    Cd,  // every 200 ms: cdWatchTick
};

// A music file's kind by its last three characters, upper-cased: "WAV" or
// "MP3". Any other ending ("mpeg", "wave", none) is neither.
enum class MusicFileType { Other, Wav, Mp3 };
MusicFileType musicFileType(std::string_view file);

// The music of one screensaver run, as the running form uses it: started
// when the form loads, watched from its two timers, stopped when it unloads.
// The port must outlive the session. The form owns the timers:
//   load:      enable the MP3 or the CD watch as startMusic(source, file) says;
//   MP3 watch: mp3WatchTick();
//   CD watch:  stays enabled while cdWatchTick() returns true;
//   unload:    stopMusic(CD watch enabled, source, file), then turn both off.
class MusicSession {
  public:
    // Music sources of the settings.
    static constexpr std::int16_t KindNone = 0;
    static constexpr std::int16_t KindCd = 1;
    static constexpr std::int16_t KindFile = 2;

    MusicSession(MciPort& port, std::int16_t repeatTrack) : player_(port) {
        player_.repeatTrack = repeatTrack;
    }

    // Starts the music of the given source: opens the CD, plays a WAV file in
    // a loop, or opens and plays an MP3 file. Returns the watch to enable
    // (the MP3 watch also when the file could not be opened).
    MusicWatch startMusic(std::int16_t kind, const std::string& file);
    // The MP3 watch's tick.
    void mp3WatchTick() { player_.mp3Tick(); }
    // The CD watch's tick; returns whether the CD watch stays enabled.
    bool cdWatchTick();
    // Stops the music at the end of the run. The CD is closed only while its
    // watch is still enabled; a watch that stopped itself leaves it open.
    void stopMusic(bool cdWatchRunning, std::int16_t kind, const std::string& file);

    MusicPlayer& player() { return player_; }

  private:
    MusicPlayer player_;
};

} // namespace music
