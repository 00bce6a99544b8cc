#pragma once

#include <windows.h>

namespace dialog {

// What a click on the settings dialog's banner opens: the project's web page
// when one is configured (kalendraWebAddress), otherwise the help page the
// program carries, written into the working folder as helpPageFileName
// first.
// Opened with the shell's "open" verb, so the user's browser shows it. False
// when the page could not be written or the shell could not open it.
bool openBannerLink(HWND owner);

constexpr char helpPageFileName[] = "Kalendra.html";

} // namespace dialog
