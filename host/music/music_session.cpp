#include "music_session.h"

namespace music {

MusicFileType musicFileType(std::string_view file) {
    const std::string_view ending = file.substr(file.size() < 3 ? 0 : file.size() - 3);
    std::string upper(ending);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    if (upper == "WAV")
        return MusicFileType::Wav;
    if (upper == "MP3")
        return MusicFileType::Mp3;
    return MusicFileType::Other;
}

MusicWatch MusicSession::startMusic(std::int16_t kind, const std::string& file) {
    player_.musicFile = file;
    if (kind == KindCd) {
        player_.cdOpen();
        return MusicWatch::Cd;
    }
    if (kind != KindFile)
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
    if (kind != KindFile)
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
