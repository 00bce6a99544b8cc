#include "music_session.h"

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
    bgm_.BgmFile = file;
    if (kind == KindCd) {
        bgm_.CdOpen();
        return MusicWatch::Cd;
    }
    if (kind != KindFile)
        return MusicWatch::None;
    switch (musicFileType(file)) {
    case MusicFileType::Wav:
        bgm_.WavPlay();
        return MusicWatch::None;
    case MusicFileType::Mp3:
        bgm_.Mp3Open();
        return MusicWatch::Mp3;
    case MusicFileType::Other:
        break;
    }
    return MusicWatch::None;
}

bool MusicSession::onTimer2() {
    bgm_.CdTick();
    return bgm_.CdKeepPolling;
}

void MusicSession::stopMusic(bool timer2Enabled, std::int16_t kind, const std::string& file) {
    if (timer2Enabled)
        bgm_.CdClose();
    if (kind != KindFile)
        return;
    switch (musicFileType(file)) {
    case MusicFileType::Wav:
        bgm_.WavStop();
        break;
    case MusicFileType::Mp3:
        bgm_.Mp3Close();
        break;
    case MusicFileType::Other:
        break;
    }
}
