#pragma once

#include "music_file_path.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace dialog {

// The music file chooser and the system's side of storing its answer.

// Shows the open-file dialog in its wide form, so its title and filter read
// right on every code page, opening in ansiFolder (the stored folder, in the
// ANSI code page). The chosen path (UTF-8); nothing when the user cancels or
// the dialog fails, also for a path longer than 255 characters.
std::optional<std::string> chooseMusicFile(HWND owner, const std::string& ansiFolder);

// How a chosen path is stored with this system's ANSI code page and volumes.
StoredMusicPath storedMusicPath(std::string_view utf8Path);

// A stored path (ANSI) as the user reads it (UTF-8): the long form of a short
// one where the file exists, else the path as it is.
std::string shownMusicPath(const std::string& ansiPath);

} // namespace dialog
