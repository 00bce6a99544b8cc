#include "music_session.h"

#include "settings.h"
#include "text_conversions.h"

namespace music {

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

MusicWatch MusicSession::startMusic(std::int16_t kind, const std::string& file) {
    player_.musicFile = file;
    if (kind == bgmAudioCd) {
        player_.cdOpen();
        return MusicWatch::Cd;
    }
    if (kind != bgmMusicFile)
        return MusicWatch::None;
    switch (musicFileType(file)) {
    case MusicFileType::Wav:
        player_.wavPlay();
        return MusicWatch::None;
    case MusicFileType::Mp3:
        player_.mp3Open();
        return MusicWatch::Mp3;
    case MusicFileType::Other:
        break;
    }
    return MusicWatch::None;
}

bool MusicSession::cdWatchTick() {
    player_.cdTick();
    return player_.cdKeepPolling;
}

void MusicSession::stopMusic(bool cdWatchRunning, std::int16_t kind, const std::string& file) {
    if (cdWatchRunning)
        player_.cdClose();
    if (kind != bgmMusicFile)
        return;
    switch (musicFileType(file)) {
    case MusicFileType::Wav:
        player_.wavStop();
        break;
    case MusicFileType::Mp3:
        player_.mp3Close();
        break;
    case MusicFileType::Other:
        break;
    }
}

} // namespace music
