#include "save_failure_win32.h"

#include "dialog_logic.h"

#include "text_win32.h"

#include <windows.h>

#include <iterator>
#include <string_view>

namespace dialog {

std::wstring saveFailureText(bool partly, unsigned long systemCode) {
    std::wstring text = win32::widen(saveFailureMessage(partly));
    if (systemCode == 0) {
        return text;
    }
    wchar_t reason[512] = {};
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       systemCode, 0, reason, static_cast<DWORD>(std::size(reason)), nullptr);
    std::wstring_view words(reason, length);
    // Windows ends its texts with a line break.
    while (!words.empty() &&
           (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) {
        words.remove_suffix(1);
    }
    if (!words.empty()) {
        text.append(L"\n\n").append(words);
    }
    return text;
}

} // namespace dialog
