#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

// Our text is UTF-8; windows and their captions take UTF-16 (the W
// functions), so Japanese captions show whatever the system code page.
// Text from the ANSI functions (file paths of the common dialogs, settings
// values) is in the system code page and is converted explicitly.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);
std::wstring ansiToWide(std::string_view ansi);
std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);
// The text in the ANSI code page when every character has an exact
// counterpart there: no best-fit substitutes, and converting back gives the
// same text. Nothing when it has none.
std::optional<std::string> exactAnsi(std::string_view utf8);

// A window's text (UTF-8).
std::string windowText(HWND window);

} // namespace win32
