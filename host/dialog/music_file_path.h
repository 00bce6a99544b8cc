#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dialog {

// The music file's path as the settings file keeps it. That file holds text
// in the system's ANSI code page, and the music is played through the ANSI
// MCI functions, so a chosen path must be spelt exactly in that code page.

// The path in the ANSI code page; nothing when a character of it has no
// exact counterpart there (no best-fit substitutes).
using AnsiSpelling = std::function<std::optional<std::string>(std::string_view utf8Path)>;
// The path's short (8.3) form as UTF-8; empty when it has none (a volume
// without short names, or a file that does not exist).
using ShortPathForm = std::function<std::string(std::string_view utf8Path)>;

enum class StoredPathKind {
    AsChosen,  // the code page spells the path
    ShortForm, // stored as its short form, which the code page spells
    Refused,   // neither: nothing may be stored
};

struct StoredMusicPath {
    StoredPathKind kind = StoredPathKind::Refused;
    std::string ansi; // what the settings file stores; empty when refused
};

// Decides how a chosen path (UTF-8) is stored.
StoredMusicPath musicPathForSettings(std::string_view utf8Path, const AnsiSpelling& spell,
                                     const ShortPathForm& shortForm);

// The message of a refused path (UTF-8).
std::string unspellablePathMessage();

} // namespace dialog
