// How a chosen music path is stored, with a code page that spells ASCII only.

#include "music_file_path.h"

#include <gtest/gtest.h>

namespace dialog {

namespace {

std::optional<std::string> asciiOnly(std::string_view path) {
    for (char c : path)
        if (static_cast<unsigned char>(c) >= 0x80)
            return std::nullopt;
    return std::string(path);
}

TEST(MusicFilePath, SpeltAsChosenElseShortFormElseRefused) {
    int shortFormAsked = 0;
    const ShortPathForm shortForms = [&](std::string_view path) -> std::string {
        ++shortFormAsked;
        if (path == "C:\\Music\\\xE6\x9B\xB2.mp3") // 曲.mp3, a volume with short names
            return "C:\\Music\\6A3D~1.MP3";
        if (path == "D:\\\xE9\x9F\xB3\\a.mp3") // 音\a.mp3: a short form that is still not ASCII
            return "D:\\\xE9\x9F\xB3\\a.mp3";
        return {};
    };

    StoredMusicPath plain = musicPathForSettings("C:\\Music\\R&B.mp3", asciiOnly, shortForms);
    EXPECT_EQ(plain.kind, StoredPathKind::AsChosen);
    EXPECT_EQ(plain.ansi, "C:\\Music\\R&B.mp3");
    EXPECT_EQ(shortFormAsked, 0) << "a path the code page spells is kept as it is";

    StoredMusicPath shortened =
        musicPathForSettings("C:\\Music\\\xE6\x9B\xB2.mp3", asciiOnly, shortForms);
    EXPECT_EQ(shortened.kind, StoredPathKind::ShortForm);
    EXPECT_EQ(shortened.ansi, "C:\\Music\\6A3D~1.MP3");

    for (const char* path : {"D:\\\xE9\x9F\xB3\\a.mp3", "E:\\\xED\x95\x9C.mp3"}) {
        SCOPED_TRACE(path);
        StoredMusicPath refused = musicPathForSettings(path, asciiOnly, shortForms);
        EXPECT_EQ(refused.kind, StoredPathKind::Refused);
        EXPECT_TRUE(refused.ansi.empty());
    }
    EXPECT_FALSE(unspellablePathMessage().empty());
}

} // namespace

} // namespace dialog
