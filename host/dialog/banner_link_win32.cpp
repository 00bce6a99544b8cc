#include "banner_link_win32.h"

#include "handle_win32.h"

#include "banner_text.h"
#include "contract.h"
#include "program_win32.h"
#include "text_win32.h"

#include <shellapi.h>

#include <string>

namespace dialog {

namespace {

// Writes the HELP_PAGE resource's bytes to path, replacing an older copy.
bool writeHelpPage(const wchar_t* path) {
    std::string_view page = win32::resourceBytes(GetModuleHandleW(nullptr), L"HELP_PAGE");
    auto size = static_cast<DWORD>(page.size());
    if (size == 0) {
        return false;
    }
    win32::UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    bool ok = WriteFile(file.get(), page.data(), size, &written, nullptr) && written == size;
    return CloseHandle(file.release()) && ok;
}

bool shellOpen(HWND owner, const wchar_t* target) {
    // ShellExecute reports success with a value above 32.
    return reinterpret_cast<INT_PTR>(
               ShellExecuteW(owner, L"open", target, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

} // namespace

bool openBannerLink(HWND owner) {
    if (kalendraWebAddress[0] != '\0') {
        return shellOpen(owner, win32::widen(kalendraWebAddress).c_str());
    }
    const std::wstring path =
        win32::widen(std::string(contract::workingFolder) + "\\" + helpPageFileName);
    return writeHelpPage(path.c_str()) && shellOpen(owner, path.c_str());
}

} // namespace dialog
