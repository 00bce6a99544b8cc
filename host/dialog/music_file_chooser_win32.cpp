#include "music_file_chooser_win32.h"

#include "dialog_logic.h"
#include "program_win32.h"
#include "text_win32.h"

#include <commdlg.h>

namespace {

std::wstring ansiToWide(std::string_view ansi) {
    return forms::widen(forms::ansiToUtf8(ansi));
}

// The path in the ANSI code page when every character has an exact
// counterpart there: no best-fit substitutes, and converting back gives the
// same text.
std::optional<std::string> spellInAnsi(std::string_view utf8Path) {
    const std::wstring wide = forms::widen(utf8Path);
    if (wide.empty()) {
        return std::string();
    }
    // The UTF-8 code page takes neither the flag nor the default-character
    // report; it spells everything.
    const bool utf8System = GetACP() == CP_UTF8;
    const DWORD flags = utf8System ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultReport = utf8System ? nullptr : &usedDefault;
    const int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr,
                                     usedDefaultReport);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), size, ansi.data(), length, nullptr,
                        usedDefaultReport);
    if (usedDefault || ansiToWide(ansi) != wide) {
        return std::nullopt;
    }
    return ansi;
}

std::string shortForm(std::string_view utf8Path) {
    const std::wstring wide = forms::widen(utf8Path);
    DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0) {
        return {};
    }
    std::wstring shortPath(needed, L'\0');
    DWORD length = GetShortPathNameW(wide.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) {
        return {};
    }
    shortPath.resize(length);
    return forms::narrow(shortPath);
}

} // namespace

std::optional<std::string> chooseMusicFile(HWND owner, const std::string& ansiFolder) {
    const std::wstring filter = forms::widen(musicFileFilter());
    const std::wstring title = forms::widen(musicFileChooserTitle);
    const std::wstring folder = ansiToWide(ansiFolder);
    constexpr DWORD capacity = 255;
    wchar_t file[capacity + 1] = {};
    wchar_t fileTitle[capacity + 1] = {};

    OPENFILENAMEW request = {};
    // The size every Windows version takes, without the fields added later.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    request.hwndOwner = owner;
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 0;
    request.lpstrFile = file;
    request.nMaxFile = capacity;
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = capacity;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = title.c_str();
    // No flags: the read-only box shows, and a typed name of a file that
    // does not exist yet is taken as it is.
    request.Flags = 0;
    // comdlg32 is loaded at first use, not at every screensaver start.
    using OpenFileChooser = BOOL(WINAPI*)(LPOPENFILENAMEW);
    auto open = forms::systemFunction<OpenFileChooser>(L"comdlg32.dll", "GetOpenFileNameW");
    if (!open || !open(&request)) {
        return std::nullopt;
    }
    return forms::narrow(std::wstring(file, wcsnlen(file, capacity)));
}

StoredMusicPath storedMusicPath(std::string_view utf8Path) {
    return musicPathForSettings(utf8Path, spellInAnsi, shortForm);
}

std::string shownMusicPath(const std::string& ansiPath) {
    const std::wstring wide = ansiToWide(ansiPath);
    if (!wide.empty()) {
        DWORD needed = GetLongPathNameW(wide.c_str(), nullptr, 0);
        if (needed > 0) {
            std::wstring longPath(needed, L'\0');
            DWORD length = GetLongPathNameW(wide.c_str(), longPath.data(), needed);
            if (length > 0 && length < needed) {
                longPath.resize(length);
                return forms::narrow(longPath);
            }
        }
    }
    return forms::ansiToUtf8(ansiPath);
}
