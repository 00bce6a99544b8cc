#include "music_player.h"

#include "text_conversions.h"

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

namespace music {

namespace {

// The text a buffer holds: up to its first NUL, and never past its last
// character, which belongs to the terminator even if a driver overwrote it.
template <std::size_t N> std::string textOf(const std::array<char, N>& buffer) {
    return std::string(buffer.data(), strnlen(buffer.data(), N - 1));
}

bool containsErr(std::string_view reply) {
    for (std::size_t i = 0; i + 3 <= reply.size(); ++i) {
        if ((reply[i] | 0x20) == 'e' && (reply[i + 1] | 0x20) == 'r' &&
            (reply[i + 2] | 0x20) == 'r')
            return true;
    }
    return false;
}

} // namespace

std::string MusicPlayer::sendQuery(const std::string& command) {
    std::array<char, replyBufferSize> reply{};
    const std::uint32_t code = port_.sendString(command, reply.data(), replyBufferSize);
    return code == 0 ? textOf(reply) : "Error:" + std::to_string(static_cast<std::int32_t>(code));
}

std::uint32_t MusicPlayer::sendWithoutReply(const std::string& command) {
    const std::uint32_t code = port_.sendString(command, nullptr, 0);
    lastApiResult = static_cast<std::int32_t>(code);
    return code;
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
    lastApiResult = static_cast<std::int32_t>(
        port_.sendString("status cdaudio mode", modeBuffer.data(), cdModeBufferSize));
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
            sendQuery(start.empty() ? "play cdaudio" : "play cdaudio from " + start);
        }
    } else if (stopped) {
        sendQuery("play cdaudio");
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
    lastApiResult = static_cast<std::int32_t>(
        port_.sendString("status MP3Play mode", modeBuffer.data(), mp3ModeBufferSize));
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
        lastApiResult = port_.playSound(musicFile.c_str(), wavPlayFlags);
}

void MusicPlayer::wavStop() {
    lastApiResult = port_.playSound(nullptr, 0);
}

} // namespace music
