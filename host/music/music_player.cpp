#include "music_player.h"

#include "settings.h"
#include "text_conversions.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>

namespace music {

namespace {

const char* const NoCommandText = "コマンド文字列が指定されていません";
const char* const NoErrorText = "Error (文字列が取れません)";

// The text a buffer holds: up to its first NUL, and never past its last
// character, which belongs to the terminator even if a driver overwrote it.
template <std::size_t N> std::string textOf(const std::array<char, N>& buffer) {
    return std::string(buffer.data(), strnlen(buffer.data(), N - 1));
}

bool containsErr(std::string_view reply) {
    const std::string_view err = "ERR";
    return std::search(reply.begin(), reply.end(), err.begin(), err.end(),
                       [](char a, char b) { return upperAscii(a) == b; }) != reply.end();
}

} // namespace

std::int32_t MusicPlayer::sendCommand(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = NoCommandText;
        return emptyCommandCode;
    }
    std::array<char, replyBufferSize> replyBuffer{};
    const std::uint32_t code = port_.sendString(command, replyBuffer.data(), replyBufferSize);
    if (code != 0) {
        std::array<char, errorTextBufferSize> errorBuffer{};
        if (port_.errorText(code, errorBuffer.data(), errorTextBufferSize))
            reply = textOf(errorBuffer);
        else
            reply = NoErrorText;
        return static_cast<std::int32_t>(code);
    }
    reply = textOf(replyBuffer);
    return 0;
}

std::string MusicPlayer::sendQuery(const std::string& command) {
    const std::int32_t code = sendCommand(command, lastReply);
    if (code == 0)
        return lastReply;
    return "Error:" + std::to_string(code);
}

std::int32_t MusicPlayer::sendPlay(const std::string& device, const std::string& from,
                                   const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty())
        command += " from " + from;
    if (!to.empty())
        command += " to " + to;
    return sendCommand(command, lastReply);
}

void MusicPlayer::cdOpen() {
    sendWithoutReply("open cdaudio");
    sendWithoutReply("set cdaudio time format tmsf");
}

void MusicPlayer::cdTick() {
    cdKeepPolling = true;
    const std::string current = sendQuery("status cdaudio current track");
    if (containsErr(current)) {
        cdKeepPolling = false; // no disc, no drive, or the device is not open
        return;
    }
    const std::string tracks = sendQuery("status cdaudio number of tracks");
    if (containsErr(tracks)) {
        cdKeepPolling = false;
        return;
    }
    std::array<char, cdModeBufferSize> modeBuffer{};
    port_.sendString("status cdaudio mode", modeBuffer.data(), cdModeBufferSize);
    const bool stopped = textOf(modeBuffer).compare(0, 7, "stopped") == 0;

    if (repeatTrack != 0) {
        // A current track that is not a number means the drive answers
        // nonsense: stop watching rather than restarting blindly.
        const std::optional<double> currentTrack = numericTextValue(current);
        if (!currentTrack) {
            cdKeepPolling = false;
            return;
        }
        // Once the drive has moved past the chosen track (or stopped), play
        // again from the chosen track's start.
        if (stopped || *currentTrack != repeatTrack) {
            const std::string start =
                sendQuery("status cdaudio position track " + std::to_string(repeatTrack));
            sendPlay("cdaudio", start, "");
        }
    } else if (stopped) {
        sendPlay("cdaudio", "", "");
    }
}

void MusicPlayer::cdClose() {
    sendWithoutReply("stop cdaudio");
    sendWithoutReply("close cdaudio");
}

void MusicPlayer::mp3Open() {
    // The quotes keep a path with blanks in one piece.
    if (sendWithoutReply("open \"" + musicFile + "\" type MPEGVideo Alias MP3Play") == 0)
        sendWithoutReply("play MP3Play");
}

bool MusicPlayer::mp3IsPlaying() {
    std::array<char, mp3ModeBufferSize> modeBuffer{};
    port_.sendString("status MP3Play mode", modeBuffer.data(), mp3ModeBufferSize);
    return textOf(modeBuffer).compare(0, 7, "playing") == 0;
}

void MusicPlayer::mp3Tick() {
    if (!mp3IsPlaying()) {
        sendWithoutReply("stop MP3Play");
        sendWithoutReply("play MP3Play from 0");
    }
}

void MusicPlayer::mp3Close() {
    sendWithoutReply("stop MP3Play");
    sendWithoutReply("close MP3Play");
}

void MusicPlayer::wavPlay() {
    if (port_.waveOutDeviceCount() > 0)
        port_.playSound(musicFile.c_str(), wavPlayFlags);
}

void MusicPlayer::wavStop() {
    port_.playSound(nullptr, 0);
}

MusicFileType musicFileType(std::string_view file) {
    std::string upper(file.substr(file.size() < 3 ? 0 : file.size() - 3));
    for (char& c : upper)
        c = upperAscii(c);
    if (upper == "WAV")
        return MusicFileType::Wav;
    if (upper == "MP3")
        return MusicFileType::Mp3;
    return MusicFileType::Other;
}

MusicWatch MusicPlayer::startMusic(std::int16_t kind, const std::string& file) {
    musicFile = file;
    if (kind == bgmAudioCd) {
        cdOpen();
        return MusicWatch::Cd;
    }
    if (kind != bgmMusicFile)
        return MusicWatch::None;
    switch (musicFileType(file)) {
    case MusicFileType::Wav:
        wavPlay();
        return MusicWatch::None;
    case MusicFileType::Mp3:
        mp3Open();
        return MusicWatch::Mp3;
    case MusicFileType::Other:
        break;
    }
    return MusicWatch::None;
}

void MusicPlayer::stopMusic(bool cdWatchRunning, std::int16_t kind, const std::string& file) {
    if (cdWatchRunning)
        cdClose();
    if (kind != bgmMusicFile)
        return;
    switch (musicFileType(file)) {
    case MusicFileType::Wav:
        wavStop();
        break;
    case MusicFileType::Mp3:
        mp3Close();
        break;
    case MusicFileType::Other:
        break;
    }
}

} // namespace music
