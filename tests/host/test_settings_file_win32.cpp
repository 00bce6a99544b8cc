#include "settings_file_win32.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include <windows.h>

namespace {

// A file in the temporary folder, deleted at the end of the test.
struct TempFile {
    explicit TempFile(const std::string& name, const std::string* bytes = nullptr) {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path = std::string(folder) + "kalendra" + std::to_string(GetCurrentProcessId()) + name;
        if (bytes)
            std::ofstream(path, std::ios::binary) << *bytes;
    }
    ~TempFile() { DeleteFileA(path.c_str()); }
    std::string bytes() const {
        std::ostringstream read;
        read << std::ifstream(path, std::ios::binary).rdbuf();
        return read.str();
    }
    std::string path;
};

// key=value, or key=value without the sign blank: some systems' profile
// functions drop leading blanks, and every reader skips them anyway.
bool holdsLine(const std::string& bytes, const std::string& key, const std::string& value) {
    const std::string unsignedValue = value.substr(value.find_first_not_of(' '));
    return bytes.find("\r\n" + key + "=" + value + "\r\n") != std::string::npos ||
           bytes.find("\r\n" + key + "=" + unsignedValue + "\r\n") != std::string::npos;
}

} // namespace

TEST(SettingsFile, MusicKeysAreStoredAsCodePage932Bytes) {
    TempFile ini("written.ini");
    SettingsFile file(ini.path);
    std::int16_t repeat = 0;
    ASSERT_EQ(saveDialogSettings(file, 7, bgmMusicFile, "12", "C:\\Music\\song.mp3", repeat),
              ConfirmResult::Saved);
    const std::string bytes = ini.bytes();
    EXPECT_EQ(bytes.find("[Settings]\r\nNum="), 0u) << bytes;
    EXPECT_TRUE(holdsLine(bytes, "Num100", " 700")) << bytes;
    EXPECT_TRUE(holdsLine(bytes, "BGM\x8B\xE6\x95\xAA", " 2")) << bytes;
    EXPECT_TRUE(holdsLine(bytes, "BGM\xD8\xCB\xDF\xB0\xC4", " 12")) << bytes;
    EXPECT_TRUE(holdsLine(bytes, "BGM\xCC\xA7\xB2\xD9", "C:\\Music\\song.mp3")) << bytes;
    EXPECT_LT(bytes.find("BGM\x8B"), bytes.find("BGM\xD8"));
    EXPECT_LT(bytes.find("BGM\xD8"), bytes.find("BGM\xCC"));

    EXPECT_EQ(file.readValue(settingsSection, keyBgmRepeat), "12");
    EXPECT_EQ(file.readValue(settingsSection, keyBgmFile), "C:\\Music\\song.mp3");
    EXPECT_EQ(file.readValue("Other", keyNum), "");
}

TEST(SettingsFile, LoadingRewritesOnlyNum100) {
    const std::string wave = "RIFF";
    TempFile music("music.wav", &wave);
    const std::string original = "[Settings]\r\nNum=7.9\r\nNum100=1\r\nBGM\x8B\xE6\x95\xAA=2\r\n"
                                 "BGM\xD8\xCB\xDF\xB0\xC4=3\r\nBGM\xCC\xA7\xB2\xD9=" +
                                 music.path + "\\\r\n";
    TempFile ini("load.ini", &original);
    SettingsFile file(ini.path);
    LoadedSettings settings;
    loadSettings(file, settings, "C:\\Program", isAnsiLeadByte);
    EXPECT_EQ(settings.flockHundreds, 7);
    EXPECT_EQ(settings.musicSource, bgmMusicFile);
    EXPECT_EQ(settings.repeatTrack, 3);
    EXPECT_EQ(settings.chooserFolder, music.path);

    std::string withBlank = original;
    withBlank.replace(withBlank.find("Num100=1"), 8, "Num100= 700");
    std::string withoutBlank = original;
    withoutBlank.replace(withoutBlank.find("Num100=1"), 8, "Num100=700");
    EXPECT_TRUE(ini.bytes() == withBlank || ini.bytes() == withoutBlank) << ini.bytes();
}

TEST(SettingsFile, MissingFileIsCreatedButAMissingFolderIsNot) {
    TempFile ini("created.ini");
    SettingsFile file(ini.path);
    LoadedSettings settings;
    loadSettings(file, settings, "C:\\Program", isAnsiLeadByte);
    EXPECT_EQ(settings.flockHundreds, 5);
    EXPECT_TRUE(holdsLine("\r\n" + ini.bytes(), "[Settings]\r\nNum100", " 500")) << ini.bytes();

    TempFile absent("absent");
    SettingsFile nowhere(absent.path + "\\Kalendra.ini");
    loadSettings(nowhere, settings, "C:\\Program", isAnsiLeadByte);
    EXPECT_NE(nowhere.writeFailureCode(), 0u); // the writes were tried and failed
    EXPECT_EQ(settings.flockHundreds, 5);
    EXPECT_EQ(GetFileAttributesA(absent.path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SettingsFile, DamagedFilesLoadAsMissingKeys) {
    std::mt19937 random(12345);
    std::string garbage(64 * 1024, '\0');
    for (char& byte : garbage)
        byte = static_cast<char>(random());
    const std::string hugeLine(200 * 1024, 'x');
    const std::pair<std::string, std::int16_t> files[] = {
        // content, loaded number of butterflies (x's are no number and leave 0)
        {"", 5},
        {garbage, 5},
        {"[Settings]\r\n" + garbage, 5},
        {std::string("[Settings]\r\nNum=\0\x01\x02\r\n", 19), 5},
        {"[Settings]\r\n" + hugeLine + "\r\nNum=" + hugeLine + "\r\n", 0},
        {"[Settings\r\nNum=\r\n=5\r\n[]\r\n", 5},
    };
    int index = 0;
    for (const auto& [content, butterflies] : files) {
        TempFile ini("damaged" + std::to_string(++index) + ".ini", &content);
        SettingsFile file(ini.path);
        LoadedSettings settings;
        loadSettings(file, settings, "C:\\Program", isAnsiLeadByte);
        EXPECT_EQ(settings.flockHundreds, butterflies) << index;
        EXPECT_EQ(settings.musicSource, 0) << index;
        EXPECT_EQ(settings.musicFile, "") << index;
        EXPECT_EQ(file.readValue(settingsSection, keyNum100), std::to_string(butterflies * 100));
    }
}

TEST(SettingsFile, LongValuesAreCutTo255BytesAndLongNamesTo128) {
    const std::string content = "[Settings]\r\nNum=12" + std::string(10000, '3') + "\r\n";
    TempFile ini("long.ini", &content);
    SettingsFile file(ini.path);
    EXPECT_EQ(file.readValue(settingsSection, keyNum), "12" + std::string(253, '3'));

    EXPECT_TRUE(file.writeValue(settingsSection, std::string(300, 'k'), " 1"));
    EXPECT_TRUE(holdsLine(ini.bytes(), std::string(128, 'k'), " 1")) << ini.bytes();
}

TEST(SettingsFile, FileExistsOnlyForFilesThatOpenForReading) {
    const std::string id3 = "ID3";
    TempFile music("a.mp3", &id3);
    TempFile missing("missing.mp3");
    SettingsFile file("unused.ini");
    EXPECT_TRUE(file.fileExists(music.path));
    EXPECT_TRUE(file.fileExists(music.path + "\\"));
    EXPECT_FALSE(file.fileExists(music.path + "\\\\"));
    EXPECT_FALSE(file.fileExists(missing.path));
    EXPECT_FALSE(file.fileExists(""));
    EXPECT_FALSE(file.fileExists("C:\\windows"));
    EXPECT_FALSE(file.fileExists("C:\\windows\\"));
    EXPECT_FALSE(file.fileExists("C:\\windows\\*.exe"));

    HANDLE locked = CreateFileA(music.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(file.fileExists(music.path));
    CloseHandle(locked);
    EXPECT_TRUE(file.fileExists(music.path));
}
