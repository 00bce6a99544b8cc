#include "music_player.h"
#include "recording_mci_port.h"
#include "settings.h"

#include <gtest/gtest.h>

namespace music {

using Commands = std::vector<std::string>;

TEST(MusicFileType, GoesByTheLastThreeCharactersInAnyCase) {
    EXPECT_EQ(musicFileType("C:\\a.WAV"), MusicFileType::Wav);
    EXPECT_EQ(musicFileType("C:\\a.wav"), MusicFileType::Wav);
    EXPECT_EQ(musicFileType("C:\\a.Mp3"), MusicFileType::Mp3);
    EXPECT_EQ(musicFileType("mp3"), MusicFileType::Mp3);
    EXPECT_EQ(musicFileType("C:\\a.wave"), MusicFileType::Other);
    EXPECT_EQ(musicFileType("C:\\a.mpeg"), MusicFileType::Other);
    EXPECT_EQ(musicFileType("C:\\a.mp3 "), MusicFileType::Other);
    EXPECT_EQ(musicFileType("p3"), MusicFileType::Other);
    EXPECT_EQ(musicFileType(""), MusicFileType::Other);
}

TEST(MusicRun, CdPlaysFromTheFirstWatchAndClosesAtTheEnd) {
    RecordingMciPort port;
    MusicPlayer music(port);
    EXPECT_EQ(music.startMusic(bgmAudioCd, ""), MusicWatch::Cd);
    EXPECT_EQ(port.commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));

    port.clear();
    port.insertDisc("1", "stopped");
    music.cdTick();
    EXPECT_TRUE(music.cdKeepPolling);
    EXPECT_EQ(port.commands(),
              (Commands{"status cdaudio current track", "status cdaudio number of tracks",
                        "status cdaudio mode", "play cdaudio"}));

    port.clear();
    port.insertDisc("5", "playing");
    music.cdTick();
    EXPECT_TRUE(music.cdKeepPolling);
    EXPECT_EQ(port.commands().size(), 3u);

    // The disc has reached its end: the drive stops, the next watch plays on.
    port.clear();
    port.insertDisc("10", "stopped");
    music.cdTick();
    EXPECT_TRUE(music.cdKeepPolling);
    EXPECT_EQ(port.commands().back(), "play cdaudio");

    port.clear();
    music.stopMusic(true, bgmAudioCd, "");
    EXPECT_EQ(port.commands(), (Commands{"stop cdaudio", "close cdaudio"}));
}

TEST(MusicRun, NoDiscStopsTheWatchAndLeavesTheCdOpen) {
    RecordingMciPort port;
    port.fail("status cdaudio current track", 0x10F);
    port.errorTexts[0x10F] = "There is no disc";
    MusicPlayer music(port);
    EXPECT_EQ(music.startMusic(bgmAudioCd, ""), MusicWatch::Cd);
    port.clear();
    music.cdTick();
    EXPECT_FALSE(music.cdKeepPolling);
    EXPECT_EQ(port.commands(), (Commands{"status cdaudio current track"}));

    // The run turned the watch off; ending the run closes nothing.
    port.clear();
    music.stopMusic(false, bgmAudioCd, "");
    EXPECT_TRUE(port.sent.empty());
}

TEST(MusicRun, Mp3RestartsWhenItEndsAndClosesAtTheEnd) {
    RecordingMciPort port;
    const std::string file = "D:\\Songs for you\\wind.mp3";
    const std::string open = "open \"D:\\Songs for you\\wind.mp3\" type MPEGVideo Alias MP3Play";
    MusicPlayer music(port);
    EXPECT_EQ(music.startMusic(bgmMusicFile, file), MusicWatch::Mp3);
    EXPECT_EQ(port.commands(), (Commands{open, "play MP3Play"}));

    port.clear();
    port.answer("status MP3Play mode", "playing");
    music.mp3Tick();
    EXPECT_EQ(port.commands(), (Commands{"status MP3Play mode"}));

    port.clear();
    port.answer("status MP3Play mode", "stopped");
    music.mp3Tick();
    EXPECT_EQ(port.commands(),
              (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));

    port.clear();
    music.stopMusic(false, bgmMusicFile, file);
    EXPECT_EQ(port.commands(), (Commands{"stop MP3Play", "close MP3Play"}));
}

TEST(MusicRun, AFailedMp3OpenRetriesQuietlyEveryTick) {
    RecordingMciPort port;
    const std::string file = "C:\\gone.MP3";
    port.fail("open \"C:\\gone.MP3\" type MPEGVideo Alias MP3Play", 275);
    for (const char* command : {"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"})
        port.fail(command, 263);
    MusicPlayer music(port);
    EXPECT_EQ(music.startMusic(bgmMusicFile, file), MusicWatch::Mp3);
    EXPECT_EQ(port.sent.size(), 1u);

    for (int tick = 0; tick < 3; ++tick) {
        port.clear();
        music.mp3Tick();
        EXPECT_EQ(port.commands(),
                  (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));
    }
    // Nothing turned into text: no error is looked up or kept for showing.
    EXPECT_EQ(port.errorTextCalls, 0);
    EXPECT_EQ(music.lastReply, "");
}

TEST(MusicRun, WavLoopsWithoutAWatchAndStopsAtTheEnd) {
    RecordingMciPort port;
    MusicPlayer music(port);
    music.repeatTrack = 4;
    EXPECT_EQ(music.startMusic(bgmMusicFile, "C:\\rain.wav"), MusicWatch::None);
    ASSERT_EQ(port.played.size(), 1u);
    EXPECT_EQ(port.played[0].path, "C:\\rain.wav");
    EXPECT_EQ(port.played[0].flags, 9u);
    EXPECT_TRUE(port.sent.empty());

    music.stopMusic(false, bgmMusicFile, "C:\\rain.wav");
    ASSERT_EQ(port.played.size(), 2u);
    EXPECT_EQ(port.played[1].path, std::nullopt);
    EXPECT_EQ(port.played[1].flags, 0u);

    RecordingMciPort silent;
    silent.waveDevices = 0;
    MusicPlayer quiet(silent);
    EXPECT_EQ(quiet.startMusic(bgmMusicFile, "C:\\rain.WAV"), MusicWatch::None);
    EXPECT_TRUE(silent.played.empty());
}

TEST(MusicRun, OtherSourcesAndEndingsPlayNothing) {
    const std::vector<std::pair<std::int16_t, std::string>> cases = {{bgmNone, "C:\\a.mp3"},
                                                                     {3, "C:\\a.mp3"},
                                                                     {-1, "C:\\a.wav"},
                                                                     {bgmMusicFile, "C:\\a.mpeg"},
                                                                     {bgmMusicFile, "C:\\a.wave"},
                                                                     {bgmMusicFile, ""}};
    for (const auto& [kind, file] : cases) {
        RecordingMciPort port;
        MusicPlayer music(port);
        EXPECT_EQ(music.startMusic(kind, file), MusicWatch::None) << kind << " " << file;
        music.stopMusic(false, kind, file);
        EXPECT_TRUE(port.sent.empty()) << kind << " " << file;
        EXPECT_TRUE(port.played.empty()) << kind << " " << file;
    }
}

} // namespace music
