#include "settings.h"

#include "text_conversions.h"

#include <optional>
#include <utility>

namespace {

// A whole number from the file: an empty value gives emptyValue; a numeric
// one its integer part. A value that is not a number, or whose integer part
// does not fit 16 bits, leaves target as it was.
void loadWholeNumber(SettingsStore& store, const char* key, std::int16_t emptyValue,
                     std::int16_t& target) {
    const std::string text = store.readValue(settingsSection, key);
    if (text.empty()) {
        target = emptyValue;
        return;
    }
    if (const std::optional<double> value = numericTextValue(text)) {
        if (const std::optional<std::int16_t> whole = floorToInt16(*value))
            target = *whole;
    }
}

// The byte positions at which characters start are found by walking from
// the front, so the second byte of a two-byte character is never taken for
// a separator.
std::size_t lastSeparator(std::string_view path, LeadByteTest isLeadByte, bool colonCounts) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte && isLeadByte(byte) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (byte == '\\' || (colonCounts && byte == ':'))
            found = i;
    }
    return found;
}

} // namespace

void loadSettings(SettingsStore& store, LoadedSettings& settings, std::string_view programFolder,
                  LeadByteTest isLeadByte) {
    loadWholeNumber(store, keyNum, 5, settings.flockHundreds);

    // The renderer reads the flock size from here. A product beyond 16 bits
    // is not written, and the stored value stays.
    const long flockSize = static_cast<long>(settings.flockHundreds) * 100;
    if (flockSize >= -32768 && flockSize <= 32767)
        store.writeValue(settingsSection, keyNum100, signedNumberText(flockSize));

    loadWholeNumber(store, keyBgmKind, bgmNone, settings.musicSource);
    loadWholeNumber(store, keyBgmRepeat, 0, settings.repeatTrack);

    // A music file that is gone switches the file source off for this run;
    // the file keeps what it holds.
    settings.musicFile = store.readValue(settingsSection, keyBgmFile);
    if (!settings.musicFile.empty() && !store.fileExists(settings.musicFile))
        settings.musicFile.clear();
    if (settings.musicFile.empty() && settings.musicSource == bgmMusicFile)
        settings.musicSource = bgmNone;

    settings.chooserFolder = settings.musicFile.empty() ? std::string(programFolder)
                                                        : folderOf(settings.musicFile, isLeadByte);
}

std::string folderOf(std::string_view path, LeadByteTest isLeadByte) {
    const std::size_t separator = lastSeparator(path, isLeadByte, true);
    if (separator == std::string_view::npos)
        return std::string();
    const std::size_t length = path[separator] == ':' ? separator + 1 : separator;
    return std::string(path.substr(0, length));
}

std::string_view withoutTrailingBackslash(std::string_view path, LeadByteTest isLeadByte) {
    if (!path.empty() && lastSeparator(path, isLeadByte, false) == path.size() - 1)
        path.remove_suffix(1);
    return path;
}

ConfirmResult saveDialogSettings(SettingsStore& store, int scrollValue, std::int16_t bgmKind,
                                 std::string_view trackText, std::string_view bgmFile,
                                 std::int16_t& bgmRepeat) {
    // Checked before anything is written, so a refused confirmation leaves
    // the file as it was.
    std::int16_t track = 0;
    if (const std::optional<double> value = numericTextValue(trackText)) {
        const std::optional<std::int16_t> rounded = roundHalfEvenToInt16(*value);
        if (!rounded)
            return ConfirmResult::TrackOutOfRange;
        track = *rounded;
    }
    bgmRepeat = track;
    const std::pair<const char*, std::string> writes[] = {
        {keyNum, signedNumberText(scrollValue)},
        {keyNum100, signedNumberText(static_cast<long>(scrollValue) * 100)},
        {keyBgmKind, signedNumberText(bgmKind)},
        {keyBgmRepeat, signedNumberText(bgmRepeat)},
        {keyBgmFile, std::string(bgmFile)},
    };
    for (const auto& [key, value] : writes) {
        if (!store.writeValue(settingsSection, key, value))
            return key == writes[0].first ? ConfirmResult::NotSaved : ConfirmResult::PartlySaved;
    }
    return ConfirmResult::Saved;
}

void storeScreenSize(SettingsStore& store, std::int16_t width, std::int16_t height) {
    store.writeValue(settingsSection, keyWidth, signedNumberText(width));
    store.writeValue(settingsSection, keyHeight, signedNumberText(height));
}
