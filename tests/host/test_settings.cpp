#include "settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

// Section "Settings" in memory, recording every write in order.
struct MemoryStore : SettingsStore {
    std::map<std::string, std::string> values;
    std::set<std::string> files;
    Writes writes;
    std::size_t failingWrite = 0; // the 1-based write that fails; 0 for none
    std::size_t attempts = 0;

    std::string readValue(std::string_view section, std::string_view key) override {
        const auto found = values.find(std::string(key));
        return section != settingsSection || found == values.end() ? "" : found->second;
    }
    bool writeValue(std::string_view section, std::string_view key,
                    std::string_view value) override {
        EXPECT_EQ(section, settingsSection);
        if (++attempts == failingWrite)
            return false;
        values[std::string(key)] = value;
        writes.emplace_back(key, value);
        return true;
    }
    bool fileExists(std::string_view path) override {
        return files.count(std::string(withoutTrailingBackslash(path))) != 0;
    }
};

LoadedSettings load(MemoryStore& store, LoadedSettings settings = {}) {
    loadSettings(store, settings, "C:\\Program");
    return settings;
}

bool cp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

TEST(Settings, MissingOrEmptyKeysLoadDefaultsAndRewriteNum100) {
    MemoryStore missing;
    MemoryStore empty;
    empty.values = {{"Num", ""}, {keyBgmKind, ""}, {keyBgmRepeat, ""}, {keyBgmFile, ""}};
    for (MemoryStore* store : {&missing, &empty}) {
        const LoadedSettings settings = load(*store, {1, 1, 9, "x", "y"});
        EXPECT_EQ(settings.flockHundreds, 5);
        EXPECT_EQ(settings.musicSource, 0);
        EXPECT_EQ(settings.repeatTrack, 0);
        EXPECT_EQ(settings.musicFile, "");
        EXPECT_EQ(settings.chooserFolder, "C:\\Program");
        EXPECT_EQ(store->writes, (Writes{{"Num100", " 500"}}));
    }
}

TEST(Settings, NumLoadsItsIntegerPartAndNum100FollowsUnlessItOverflows) {
    const std::tuple<const char*, std::int16_t, const char*> cases[] = {
        // stored Num, loaded (previous value 0), Num100 afterwards (was " 123")
        {" 7.9", 7, " 700"},    {"-2.5", -3, "-300"}, {"327", 327, " 32700"}, {"328", 328, " 123"},
        {"-328", -328, " 123"}, {"1e1", 10, " 1000"}, {"abc", 0, " 0"},       {"7abc", 0, " 0"},
        {"40000", 0, " 0"},     {"1e400", 0, " 0"},
    };
    for (const auto& [stored, loaded, num100] : cases) {
        MemoryStore store;
        store.values = {{"Num", stored}, {"Num100", " 123"}};
        EXPECT_EQ(load(store).flockHundreds, loaded) << stored;
        EXPECT_EQ(store.values["Num100"], num100) << stored;
    }
    // Unreadable music numbers keep their previous values too.
    MemoryStore store;
    store.values = {{keyBgmKind, "one"}, {keyBgmRepeat, "99999"}};
    const LoadedSettings settings = load(store, {0, 1, 4, "", ""});
    EXPECT_EQ(settings.musicSource, 1);
    EXPECT_EQ(settings.repeatTrack, 4);
}

TEST(Settings, TheFileSourceNeedsAnExistingMusicFile) {
    const std::tuple<const char*, const char*, bool, std::int16_t, const char*, const char*>
        cases[] = {
            // musicSource, musicFile stored, file exists, loaded musicSource, musicFile,
            // chooserFolder
            {"2", "D:\\Music\\a.mp3", true, 2, "D:\\Music\\a.mp3", "D:\\Music"},
            {"2", "D:\\Music\\a.mp3", false, 0, "", "C:\\Program"},
            {"2", "", false, 0, "", "C:\\Program"},
            {"1", "D:\\Music\\a.mp3", false, 1, "", "C:\\Program"},
            {"2", "D:\\Music\\a.mp3\\", true, 2, "D:\\Music\\a.mp3\\", "D:\\Music\\a.mp3"},
            {"7", "a.wav", true, 7, "a.wav", ""},
        };
    for (const auto& [kind, file, exists, loadedKind, loadedFile, folder] : cases) {
        MemoryStore store;
        store.values = {{keyBgmKind, kind}, {keyBgmRepeat, "3.7"}, {keyBgmFile, file}};
        if (exists)
            store.files = {std::string(withoutTrailingBackslash(file))};
        const LoadedSettings settings = load(store);
        EXPECT_EQ(settings.musicSource, loadedKind) << file;
        EXPECT_EQ(settings.repeatTrack, 3);
        EXPECT_EQ(settings.musicFile, loadedFile) << file;
        EXPECT_EQ(settings.chooserFolder, folder) << file;
        // The corrections stay in memory.
        EXPECT_EQ(store.values[keyBgmKind], kind);
        EXPECT_EQ(store.values[keyBgmFile], file);
    }
}

TEST(Settings, FolderOfCutsAtTheLastColonOrBackslash) {
    EXPECT_EQ(folderOf("C:\\Music\\a.mp3"), "C:\\Music");
    EXPECT_EQ(folderOf("C:\\a.mp3"), "C:");
    EXPECT_EQ(folderOf("C:a.mp3"), "C:");
    EXPECT_EQ(folderOf("a.mp3"), "");
    EXPECT_EQ(folderOf("\\\\server\\share\\b.wav"), "\\\\server\\share");
    // "C:\ソフト\表" in code page 932: ソ is 83 5C, 表 is 95 5C.
    const std::string path = "C:\\\x83\x5C\x83\x74\x83\x67\\\x95\x5C";
    EXPECT_EQ(folderOf(path, cp932LeadByte), "C:\\\x83\x5C\x83\x74\x83\x67");
    EXPECT_EQ(withoutTrailingBackslash(path, cp932LeadByte), path);
    EXPECT_EQ(withoutTrailingBackslash(path + "\\", cp932LeadByte), path);
    EXPECT_EQ(folderOf("C:\\a\x83", cp932LeadByte), "C:");
}

TEST(Settings, ConfirmationWritesFiveKeysInOrder) {
    MemoryStore store;
    std::int16_t repeat = 9;
    EXPECT_EQ(saveDialogSettings(store, 10, bgmAudioCd, "3.5", "D:\\b.wav", repeat),
              ConfirmResult::Saved);
    EXPECT_EQ(repeat, 4);
    EXPECT_EQ(store.writes, (Writes{{"Num", " 10"},
                                    {"Num100", " 1000"},
                                    {keyBgmKind, " 1"},
                                    {keyBgmRepeat, " 4"},
                                    {keyBgmFile, "D:\\b.wav"}}));

    const std::pair<const char*, std::int16_t> tracks[] = {
        {"2.5", 2}, {"-3", -3}, {"", 0}, {"abc", 0}, {" 12 ", 12}, {"-32768.5", -32768}, {"7a", 0}};
    for (const auto& [text, stored] : tracks) {
        MemoryStore other;
        EXPECT_EQ(saveDialogSettings(other, 1, bgmNone, text, "", repeat), ConfirmResult::Saved);
        EXPECT_EQ(repeat, stored) << '"' << text << '"';
        EXPECT_EQ(other.values[keyBgmRepeat], (stored < 0 ? "" : " ") + std::to_string(stored));
    }
}

TEST(Settings, AFailedWriteStopsTheConfirmationAndSaysHowMuchWentThrough) {
    for (std::size_t failing = 1; failing <= 5; ++failing) {
        MemoryStore store;
        store.failingWrite = failing;
        std::int16_t repeat = 0;
        EXPECT_EQ(saveDialogSettings(store, 7, bgmMusicFile, "3", "a.mp3", repeat),
                  failing == 1 ? ConfirmResult::NotSaved : ConfirmResult::PartlySaved);
        EXPECT_EQ(store.writes.size(), failing - 1) << "nothing is written after the failure";
    }
    // The screensaver run's own writes go on past a failure.
    MemoryStore store;
    store.failingWrite = 1;
    storeScreenSize(store, 800, 600);
    EXPECT_EQ(store.writes, (Writes{{"Height", " 600"}}));
}

TEST(Settings, TrackOutside16BitsRefusesBeforeAnyWrite) {
    for (const char* text : {"40000", "32767.5", "-32769", "1e400"}) {
        MemoryStore store;
        std::int16_t repeat = 6;
        EXPECT_EQ(saveDialogSettings(store, 5, bgmAudioCd, text, "x.mp3", repeat),
                  ConfirmResult::TrackOutOfRange);
        EXPECT_TRUE(store.writes.empty()) << text;
        EXPECT_EQ(repeat, 6) << text;
    }
}
