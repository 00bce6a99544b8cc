#include "music_player.h"
#include "recording_mci_port.h"

#include <gtest/gtest.h>

namespace music {

using Commands = std::vector<std::string>;

TEST(sendCommand, EmptyCommandIsNotSentAndExplainsItself) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    std::string reply = "old";
    EXPECT_EQ(bgm.sendCommand("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_TRUE(port.sent.empty());
    EXPECT_EQ(bgm.sendQuery(""), "Error:-1");
}

TEST(sendCommand, SuccessGivesTheReplyUpToItsFirstNul) {
    RecordingMciPort port;
    port.answer("status cdaudio mode", std::string("stopped\0garbage", 15));
    MusicPlayer bgm(port);
    std::string reply = "old";
    EXPECT_EQ(bgm.sendCommand("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, "stopped");
    ASSERT_EQ(port.sent.size(), 1u);
    EXPECT_TRUE(port.sent[0].withReply);
    EXPECT_EQ(port.sent[0].replySize, 512u);
    EXPECT_EQ(port.errorTextCalls, 0);

    // A command without a reply leaves an empty reply, not the previous one.
    EXPECT_EQ(bgm.sendCommand("play cdaudio", reply), 0);
    EXPECT_EQ(reply, "");
}

TEST(sendCommand, ReplyKeepsAtMost511Characters) {
    RecordingMciPort port;
    port.answer("info cdaudio", std::string(600, 'a'));
    MusicPlayer bgm(port);
    std::string reply;
    bgm.sendCommand("info cdaudio", reply);
    EXPECT_EQ(reply, std::string(511, 'a'));

    // Even a driver that fills the whole buffer without a terminator.
    port.answers["info cdaudio"] = {0, std::string(512, 'b'), true};
    bgm.sendCommand("info cdaudio", reply);
    EXPECT_EQ(reply, std::string(511, 'b'));
}

TEST(sendCommand, FailureGivesTheErrorsTextOrAFixedOne) {
    RecordingMciPort port;
    port.fail("status MP3Play mode", 263);
    port.fail("status cdaudio mode", 0x80000001u);
    port.errorTexts[263] = "The specified device is not open.";
    MusicPlayer bgm(port);

    std::string reply;
    EXPECT_EQ(bgm.sendCommand("status MP3Play mode", reply), 263);
    EXPECT_EQ(reply, "The specified device is not open.");

    EXPECT_EQ(bgm.sendCommand("status cdaudio mode", reply),
              static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(reply, "Error (文字列が取れません)");
    EXPECT_EQ(port.errorTextCalls, 2);

    // The error text is cut to its buffer of 256.
    port.errorTexts[263] = std::string(300, 'e');
    bgm.sendCommand("status MP3Play mode", reply);
    EXPECT_EQ(reply, std::string(255, 'e'));
}

TEST(sendQuery, ReturnsTheReplyOrErrorAndTheCode) {
    RecordingMciPort port;
    port.answer("status cdaudio number of tracks", "12");
    port.fail("status cdaudio current track", 256);
    port.errorTexts[256] = "no disc";
    MusicPlayer bgm(port);

    EXPECT_EQ(bgm.sendQuery("status cdaudio number of tracks"), "12");
    EXPECT_EQ(bgm.lastReply, "12");
    EXPECT_EQ(bgm.sendQuery("status cdaudio current track"), "Error:256");
    EXPECT_EQ(bgm.lastReply, "no disc");
}

TEST(sendPlay, AddsFromAndToOnlyWhenGiven) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    bgm.sendPlay("cdaudio", "", "");
    bgm.sendPlay("cdaudio", "03:00:00:00", "");
    bgm.sendPlay("cdaudio", "", "5");
    bgm.sendPlay("cdaudio", "1", "2");
    EXPECT_EQ(port.commands(), (Commands{"play cdaudio", "play cdaudio from 03:00:00:00",
                                         "play cdaudio to 5", "play cdaudio from 1 to 2"}));
    port.fail("play cdaudio from 1 to 2", 277);
    EXPECT_EQ(bgm.sendPlay("cdaudio", "1", "2"), 277);
}

const Commands watchQueries = {"status cdaudio current track", "status cdaudio number of tracks",
                               "status cdaudio mode"};

TEST(cdTick, PlaysTheDiscOnOnlyWhenStopped) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    port.insertDisc("7", "playing");
    bgm.cdTick();
    EXPECT_TRUE(bgm.cdKeepPolling);
    EXPECT_EQ(port.commands(), watchQueries);
    EXPECT_EQ(port.sent[2].replySize, 255u);

    port.clear();
    port.insertDisc("10", "stopped");
    bgm.cdTick();
    Commands expected = watchQueries;
    expected.push_back("play cdaudio");
    EXPECT_EQ(port.commands(), expected);
    EXPECT_TRUE(bgm.cdKeepPolling);
}

TEST(cdTick, RepeatsTheChosenTrackFromItsStart) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    bgm.repeatTrack = 3;
    port.answer("status cdaudio position track 3", "03:00:00:00");

    port.insertDisc("3", "playing");
    bgm.cdTick();
    EXPECT_EQ(port.commands(), watchQueries);

    for (const char* track : {"4", "1"}) {
        port.clear();
        port.insertDisc(track, "playing");
        bgm.cdTick();
        Commands expected = watchQueries;
        expected.push_back("status cdaudio position track 3");
        expected.push_back("play cdaudio from 03:00:00:00");
        EXPECT_EQ(port.commands(), expected) << "track " << track;
        EXPECT_TRUE(bgm.cdKeepPolling);
    }

    // Stopped on the chosen track itself: also restarts it.
    port.clear();
    port.insertDisc("3", "stopped");
    bgm.cdTick();
    EXPECT_EQ(port.commands().back(), "play cdaudio from 03:00:00:00");
}

TEST(cdTick, ATrackTheDiscDoesNotHaveKeepsTrying) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    bgm.repeatTrack = 40;
    port.insertDisc("2", "playing");
    port.fail("status cdaudio position track 40", 289);
    port.fail("play cdaudio from Error:289", 289);
    bgm.cdTick();
    EXPECT_EQ(port.commands().back(), "play cdaudio from Error:289");
    EXPECT_TRUE(bgm.cdKeepPolling);
}

TEST(cdTick, AFailedQueryStopsTheWatch) {
    for (const char* failing :
         {"status cdaudio current track", "status cdaudio number of tracks"}) {
        RecordingMciPort port;
        MusicPlayer bgm(port);
        port.insertDisc("1", "stopped");
        port.fail(failing, 263);
        bgm.cdTick();
        EXPECT_FALSE(bgm.cdKeepPolling) << failing;
        EXPECT_EQ(port.commands().back(), failing);
    }
}

TEST(cdTick, ErrInAReplyInAnyCaseStopsTheWatch) {
    for (const char* reply : {"eRRor", "err", "xERRx"}) {
        RecordingMciPort port;
        MusicPlayer bgm(port);
        port.insertDisc(reply, "stopped");
        bgm.cdTick();
        EXPECT_FALSE(bgm.cdKeepPolling) << reply;
        EXPECT_EQ(port.sent.size(), 1u);
    }
    RecordingMciPort port;
    MusicPlayer bgm(port);
    port.insertDisc("1", "stopped");
    port.answer("status cdaudio number of tracks", "Er r");
    bgm.cdTick();
    EXPECT_TRUE(bgm.cdKeepPolling);
}

TEST(cdTick, ATrackThatIsNoNumberStopsTheRepeatWatch) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    bgm.repeatTrack = 2;
    port.insertDisc("two", "stopped");
    bgm.cdTick();
    EXPECT_FALSE(bgm.cdKeepPolling);
    EXPECT_EQ(port.commands(), watchQueries);

    // Blanks around a number are fine.
    port.clear();
    port.insertDisc(" 2 ", "playing");
    bgm.cdTick();
    EXPECT_TRUE(bgm.cdKeepPolling);
    EXPECT_EQ(port.commands(), watchQueries);
}

TEST(cdTick, AFailedModeQueryDoesNotReadAsStopped) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    port.insertDisc("1", "stopped");
    bgm.cdTick();
    EXPECT_EQ(port.commands().back(), "play cdaudio");

    port.clear();
    port.answers["status cdaudio mode"] = {263, "stopped", false};
    bgm.cdTick();
    EXPECT_EQ(port.commands(), watchQueries);
}

TEST(Mp3, OpensAQuotedPathAndPlaysOnlyIfOpened) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    bgm.musicFile = "C:\\My Music\\a b.mp3";
    bgm.mp3Open();
    EXPECT_EQ(
        port.commands(),
        (Commands{"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"}));
    EXPECT_FALSE(port.sent[0].withReply);

    port.clear();
    port.fail("open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play", 275);
    bgm.mp3Open();
    EXPECT_EQ(port.sent.size(), 1u);
}

TEST(Mp3, IsPlayingLooksAtTheFirstSevenCharacters) {
    RecordingMciPort port;
    MusicPlayer bgm(port);
    for (const auto& [mode, playing] :
         std::vector<std::pair<std::string, bool>>{{"playing", true},
                                                   {"playing now", true},
                                                   {"stopped", false},
                                                   {"paused", false},
                                                   {"Playing", false},
                                                   {"play", false},
                                                   {"", false}}) {
        port.answer("status MP3Play mode", mode);
        EXPECT_EQ(bgm.mp3IsPlaying(), playing) << mode;
    }
    EXPECT_EQ(port.sent.back().replySize, 30u);
}

} // namespace music
