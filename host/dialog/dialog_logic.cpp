#include "dialog_logic.h"

#include "settings.h"
#include "text_conversions.h"

#include <cmath>

namespace dialog {

namespace {

// A free length rounded to whole twips, halves to even as the host's
// integer conversion does.
long wholeTwips(double length) {
    return static_cast<long>(std::nearbyint(length));
}

} // namespace

DialogPlacement dialogPlacement(double screenWidthTwips, double screenHeightTwips,
                                int dialogWidthTwips, int dialogHeightTwips) {
    // C++ division truncates towards zero, so a dialog larger than the
    // screen moves up and left by the truncated share.
    return {static_cast<int>(wholeTwips(screenWidthTwips - dialogWidthTwips) / 2),
            static_cast<int>(wholeTwips(screenHeightTwips - dialogHeightTwips) / 3)};
}

std::string butterflyCountText(int scrollValue) {
    return std::to_string(static_cast<long>(scrollValue) * 100);
}

SourceControls sourceControlsFor(int bgmKind) {
    SourceControls controls;
    controls.trackBoxEnabled = bgmKind == bgmAudioCd;
    controls.fileButtonEnabled = bgmKind == bgmMusicFile;
    if (bgmKind >= bgmNone && bgmKind <= bgmMusicFile) {
        controls.selectedMark = bgmKind;
    }
    return controls;
}

std::string trackText(std::int16_t bgmRepeat) {
    return formatHashHash(bgmRepeat);
}

std::vector<std::string> trackListEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= 30; ++track) {
        entries.push_back(formatHashHash(track));
    }
    return entries;
}

std::string trackRangeMessage() {
    return "ﾘﾋﾟｰﾄする曲目には " + std::to_string(trackMinimum) + " から " +
           std::to_string(trackMaximum) + " までの数を入れてください。";
}

std::string saveFailureMessage(bool partly) {
    const std::string file = std::string("設定ﾌｧｲﾙ ") + contract::settingsFile;
    if (partly) {
        return file +
               " への書き込みが途中で失敗しました。設定は一部しか保存されていないかもしれません。";
    }
    return file + " に書き込めませんでした。設定は保存されていません。";
}

std::string musicFileFilter() {
    using namespace std::string_literals;
    return "BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0\0"s;
}

std::string pictureResourceName(std::string_view name, int dotsPerInch) {
    std::string resource = "DIALOG_";
    for (char c : name) {
        resource += upperAscii(c);
    }
    return resource + (dotsPerInch >= 192 ? "_200" : dotsPerInch >= 144 ? "_150" : "");
}

} // namespace dialog
