// Lists the settings dialog's windows in window order, one a line, as a
// screen reader meets them: class, type (from the style) and window text,
// from which Windows' accessibility of standard controls takes each one's
// role and name (Wine's oleacc answers no client object for them here).
// Usage: dialog_probe TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    char buffer[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    return buffer;
}

std::string typeOf(HWND window, const wchar_t* windowClass) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    std::string type = "other";
    if (!lstrcmpiW(windowClass, L"Button")) {
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
            type = "push";
            break;
        case BS_DEFPUSHBUTTON:
            type = "defpush";
            break;
        case BS_AUTORADIOBUTTON:
            type = "autoradio";
            break;
        default:
            break;
        }
    } else if (!lstrcmpiW(windowClass, L"Static")) {
        type = (style & SS_TYPEMASK) == SS_OWNERDRAW ? "ownerdraw" : "text";
        if (style & SS_NOPREFIX)
            type += "+noprefix";
        if (style & SS_NOTIFY)
            type += "+notify";
    } else if (!lstrcmpiW(windowClass, L"ComboBox")) {
        type = (style & 3) == CBS_DROPDOWN ? "dropdown" : "combo";
    } else if (!lstrcmpiW(windowClass, L"ScrollBar")) {
        type = (style & SBS_VERT) ? "vertical" : "horizontal";
    }
    if (style & WS_TABSTOP)
        type += "+tabstop";
    if (style & WS_GROUP)
        type += "+group";
    return type;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    HWND dialog = FindWindowW(nullptr, argv[1]);
    if (!dialog) {
        return 1;
    }
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t windowClass[64] = {};
        wchar_t text[256] = {};
        GetClassNameW(child, windowClass, 64);
        GetWindowTextW(child, text, 256);
        const bool checked = SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED &&
                             !lstrcmpiW(windowClass, L"Button");
        std::printf("%s|%s|%s%s\n", utf8(windowClass).c_str(), typeOf(child, windowClass).c_str(),
                    utf8(text).c_str(), checked ? "|checked" : "");
    }
    return 0;
}
