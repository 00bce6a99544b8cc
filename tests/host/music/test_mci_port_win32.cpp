#include "mci_port_win32.h"
#include "music_player.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include <windows.h>

#include <mmsystem.h>

namespace music {

// Set by run_with_sound.sh: Windows paths of the test files, whether a wave
// device and an MP3 decoder are there to play them, and where the streams on
// the sound server are counted.
std::string environmentText(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool waveDeviceExpected() {
    return environmentText("KALENDRA_TEST_WAVE_DEVICE") == "1";
}
bool mp3PlaybackExpected() {
    return waveDeviceExpected() && environmentText("KALENDRA_TEST_MP3_DECODER") == "1";
}

// The number of streams playing on the null sink, as run_with_sound.sh last
// counted them (every 0.2 s); -1 when it does not count.
int streamsOnSink() {
    std::ifstream in(environmentText("KALENDRA_TEST_STREAMS"));
    int count = -1;
    in >> count;
    return in ? count : -1;
}

// Waits until some stream plays on the sink (or none does), for at most timeout.
bool waitForStreams(bool playing, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if ((streamsOnSink() > 0) == playing)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// Asks for the MP3 device's mode until it answers want, for at most timeout.
bool waitForMode(MusicPlayer& bgm, const std::string& want, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (bgm.sendQuery("status MP3Play mode") == want)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(Win32MciPort, ACommandForADeviceNotOpenFailsWithTheSystemsText) {
    Win32MciPort port;
    MusicPlayer bgm(port);
    std::string reply;
    const std::int32_t code = bgm.sendCommand("status MP3Play mode", reply);
    EXPECT_NE(code, 0);
    EXPECT_FALSE(reply.empty());
    char expected[256] = {};
    ASSERT_TRUE(mciGetErrorStringA(static_cast<MCIERROR>(code), expected, sizeof expected));
    EXPECT_EQ(reply, expected);
    EXPECT_EQ(bgm.sendQuery("status MP3Play mode"), "Error:" + std::to_string(code));
    EXPECT_EQ(bgm.lastReply, expected);

    EXPECT_EQ(bgm.sendCommand("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");

    // A code the system has no text for.
    char text[256] = "unchanged";
    EXPECT_FALSE(port.errorText(0x10000, text, sizeof text));
}

TEST(Win32MciPort, WithoutADiscTheCdWatchStopsAtOnce) {
    // No test machine has an audio CD in a drive.
    Win32MciPort port;
    MusicPlayer music(port);
    EXPECT_EQ(music.startMusic(bgmAudioCd, ""), MusicWatch::Cd);
    music.cdTick();
    EXPECT_FALSE(music.cdKeepPolling);
    EXPECT_FALSE(music.lastReply.empty());
    music.stopMusic(false, bgmAudioCd, "");
}

TEST(Win32MciPort, AnMp3WithBlanksInItsPathPlaysAndRestartsAfterItsEnd) {
    const std::string file = environmentText("KALENDRA_TEST_MP3");
    ASSERT_FALSE(file.empty()) << "run through run_with_sound.sh";
    ASSERT_NE(file.find(' '), std::string::npos);
    Win32MciPort port;
    MusicPlayer music(port);
    MusicPlayer& bgm = music;

    EXPECT_EQ(music.startMusic(bgmMusicFile, file), MusicWatch::Mp3);
    if (!waveDeviceExpected()) {
        // Without a wave device the MPEG player cannot be opened: no play
        // command follows, the alias stays unknown, and the watch retries
        // quietly without anything playing.
        EXPECT_EQ(bgm.sendQuery("status MP3Play mode").rfind("Error:", 0), 0u);
        music.mp3Tick();
        EXPECT_FALSE(bgm.mp3IsPlaying());
        music.stopMusic(false, bgmMusicFile, file);
        return;
    }
    if (!mp3PlaybackExpected()) {
        // A device but no decoder: whatever fails, nothing plays.
        music.mp3Tick();
        EXPECT_FALSE(bgm.mp3IsPlaying());
        music.stopMusic(false, bgmMusicFile, file);
        return;
    }

    ASSERT_TRUE(waitForMode(bgm, "playing", std::chrono::seconds(3)));
    EXPECT_TRUE(waitForStreams(true, std::chrono::seconds(3))) << "no sound reached the sink";
    music.mp3Tick(); // playing: nothing to do
    EXPECT_TRUE(bgm.mp3IsPlaying());

    // The file lasts two seconds; at its end the next watch restarts it.
    ASSERT_TRUE(waitForMode(bgm, "stopped", std::chrono::seconds(6)));
    EXPECT_FALSE(bgm.mp3IsPlaying());
    music.mp3Tick();
    ASSERT_TRUE(waitForMode(bgm, "playing", std::chrono::seconds(3)));
    const std::string position = bgm.sendQuery("status MP3Play position");
    EXPECT_LT(std::atoi(position.c_str()), 1500) << position;

    music.stopMusic(false, bgmMusicFile, file);
    EXPECT_EQ(bgm.sendQuery("status MP3Play mode").rfind("Error:", 0), 0u); // closed
}

TEST(Win32MciPort, AWavFileLoopsOnlyWithAWaveDevice) {
    const std::string file = environmentText("KALENDRA_TEST_WAV");
    ASSERT_FALSE(file.empty()) << "run through run_with_sound.sh";
    Win32MciPort port;
    EXPECT_EQ(port.waveOutDeviceCount() > 0, waveDeviceExpected());
    MusicPlayer music(port);

    if (!waveDeviceExpected()) {
        EXPECT_EQ(music.startMusic(bgmMusicFile, file), MusicWatch::None);
        music.stopMusic(false, bgmMusicFile, file);
        return;
    }

    ASSERT_TRUE(waitForStreams(false, std::chrono::seconds(3))) << "the sink is not quiet";
    EXPECT_EQ(music.startMusic(bgmMusicFile, file), MusicWatch::None);
    ASSERT_TRUE(waitForStreams(true, std::chrono::seconds(3))) << "no sound reached the sink";
    // The file lasts two seconds; played once, its stream would be gone by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    EXPECT_GT(streamsOnSink(), 0) << "the file did not loop";

    music.stopMusic(false, bgmMusicFile, file);
    EXPECT_TRUE(waitForStreams(false, std::chrono::seconds(3))) << "the sound did not stop";
}

} // namespace music
