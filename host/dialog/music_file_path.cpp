#include "music_file_path.h"

namespace dialog {

StoredMusicPath musicPathForSettings(std::string_view utf8Path, const AnsiSpelling& spell,
                                     const ShortPathForm& shortForm) {
    if (std::optional<std::string> ansi = spell(utf8Path)) {
        return {StoredPathKind::AsChosen, std::move(*ansi)};
    }
    // The short form names the same file in plain characters where the
    // volume keeps short names.
    std::string shortPath = shortForm(utf8Path);
    if (!shortPath.empty()) {
        if (std::optional<std::string> ansi = spell(shortPath)) {
            return {StoredPathKind::ShortForm, std::move(*ansi)};
        }
    }
    return {StoredPathKind::Refused, {}};
}

std::string unspellablePathMessage() {
    return "このファイル名はシステムの文字コードで表せないため使えません。"
           "名前を変えるか、別の場所に置いてください。";
}

} // namespace dialog
