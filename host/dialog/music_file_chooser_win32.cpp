#include "music_file_chooser_win32.h"

#include "dialog_logic.h"
#include "program_win32.h"
#include "text_win32.h"

#include <commdlg.h>

namespace dialog {

namespace {

// The path as GetShortPathNameW or GetLongPathNameW gives it; empty when
// the file is not there.
using PathForm = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
std::wstring pathIn(PathForm form, const std::wstring& path) {
    DWORD needed = path.empty() ? 0 : form(path.c_str(), nullptr, 0);
    std::wstring converted(needed, L'\0');
    DWORD length = needed == 0 ? 0 : form(path.c_str(), converted.data(), needed);
    converted.resize(length < needed ? length : 0);
    return converted;
}

std::string shortForm(std::string_view utf8Path) {
    return win32::narrow(pathIn(GetShortPathNameW, win32::widen(utf8Path)));
}

} // namespace

std::optional<std::string> chooseMusicFile(HWND owner, const std::string& ansiFolder) {
    const std::wstring filter = win32::widen(musicFileFilter());
    const std::wstring title = win32::widen(musicFileChooserTitle);
    const std::wstring folder = win32::ansiToWide(ansiFolder);
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
    if (!GetOpenFileNameW(&request)) {
        return std::nullopt;
    }
    return win32::narrow(std::wstring(file, wcsnlen(file, capacity)));
}

StoredMusicPath storedMusicPath(std::string_view utf8Path) {
    return musicPathForSettings(utf8Path, win32::exactAnsi, shortForm);
}

std::string shownMusicPath(const std::string& ansiPath) {
    const std::wstring longPath = pathIn(GetLongPathNameW, win32::ansiToWide(ansiPath));
    return longPath.empty() ? win32::ansiToUtf8(ansiPath) : win32::narrow(longPath);
}

} // namespace dialog
