#pragma once

#include "contract.h"

#include <cstdint>
#include <string>
#include <string_view>

// The settings file the host shares with the renderer, its keys, and the
// loading and storing of the host's settings over a small store interface.

using contract::keyNum100;
using contract::settingsSection;

constexpr char keyNum[] = "Num";
constexpr char keyWidth[] = "Width";
constexpr char keyHeight[] = "Height";
// The music keys hold Japanese characters. They are always written as their
// code page 932 bytes, whatever the system's code page, so files written on
// a Japanese system read the same everywhere and the keys stay distinct.
constexpr char keyBgmKind[] = "BGM\x8B\xE6\x95\xAA";       // BGM区分
constexpr char keyBgmRepeat[] = "BGM\xD8\xCB\xDF\xB0\xC4"; // BGMﾘﾋﾟｰﾄ
constexpr char keyBgmFile[] = "BGM\xCC\xA7\xB2\xD9";       // BGMﾌｧｲﾙ

// Music sources as stored under keyBgmKind.
constexpr std::int16_t bgmNone = 0;
constexpr std::int16_t bgmAudioCd = 1;
constexpr std::int16_t bgmMusicFile = 2;

// One settings file. Texts are in the system's ANSI code page.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The value of key in section; empty when the file, section or key is
    // missing.
    virtual std::string readValue(std::string_view section, std::string_view key) = 0;
    // Writes one key; false when the file could not be written.
    virtual bool writeValue(std::string_view section, std::string_view key,
                            std::string_view value) = 0;
    // The system's error code of the latest failed write; 0 when unknown.
    virtual unsigned long writeFailureCode() const { return 0; }
    // Whether path names a file that can be opened for reading (a single
    // trailing backslash ignored); false for a folder.
    virtual bool fileExists(std::string_view path) = 0;
};

// The settings the host loaded at its start. The zeros are the values before
// loading; a value that cannot be read leaves the previous one.
struct LoadedSettings {
    std::int16_t flockHundreds = 0; // butterflies in hundreds
    std::int16_t musicSource = 0;   // bgmNone, bgmAudioCd, bgmMusicFile
    std::int16_t repeatTrack = 0;   // CD track repeated, 0 for none
    std::string musicFile;          // music file, empty when missing
    std::string chooserFolder;      // where the file chooser opens
};

// Whether a byte starts a two-byte character in the code page of a path.
// Without one, every byte is a character of its own. In code page 932 the
// second byte of a character can be 0x5C, the backslash.
using LeadByteTest = bool (*)(unsigned char);

// Reads the settings into settings and rewrites keyNum100 from keyNum.
// programFolder is the folder of the host program, where the file chooser
// opens when there is no music file.
void loadSettings(SettingsStore& store, LoadedSettings& settings, std::string_view programFolder,
                  LeadByteTest isLeadByte = nullptr);

// The part of path before its last colon or backslash; a colon stays, the
// backslash does not ("C:\Music\a.mp3" -> "C:\Music", "C:\a.mp3" -> "C:",
// "a.mp3" -> "").
std::string folderOf(std::string_view path, LeadByteTest isLeadByte = nullptr);

// path without one trailing backslash, if it ends in one.
std::string_view withoutTrailingBackslash(std::string_view path, LeadByteTest isLeadByte = nullptr);

enum class ConfirmResult {
    Saved,
    // The track text is a number outside trackMinimum..trackMaximum: nothing
    // was written and repeatTrack is unchanged.
    TrackOutOfRange,
    // The first write failed: the file holds what it held.
    NotSaved,
    // A later write failed: the file may hold some of the new values.
    PartlySaved,
};
constexpr long trackMinimum = -32768;
constexpr long trackMaximum = 32767;

// The settings dialog's confirmation. Checks the track text first, then
// writes keyNum, keyNum100, keyBgmKind, keyBgmRepeat and keyBgmFile in this
// order, and stops at the first write that fails. A numeric track text
// becomes bgmRepeat, rounded with halves to even; any other text (also the
// empty one) stores 0.
ConfirmResult saveDialogSettings(SettingsStore& store, int scrollValue, std::int16_t bgmKind,
                                 std::string_view trackText, std::string_view bgmFile,
                                 std::int16_t& bgmRepeat);

// The primary screen's size in pixels, keyWidth then keyHeight. A failed
// write goes unnoticed: a screensaver run never stops for it.
void storeScreenSize(SettingsStore& store, std::int16_t width, std::int16_t height);
