// A window for the host's end-to-end tests: a preview area to draw into, or
// a window whose title blocks the host's start.
//   host_test_window TITLE X Y WIDTH HEIGHT LIFETIME_MS
// TITLE "--dialog" stands for the settings dialog's caption. Prints the
// window's handle as a decimal number, destroys the window after
// LIFETIME_MS and keeps running for a minute, so that what follows is due to
// the window going, not to this process ending. Whenever the
// child windows inside change, prints one line per child:
//   child LEFT TOP WIDTH HEIGHT VISIBLE CAPTION
// with the place in the window's client area, then "end".
//   host_test_window --post TITLE close|endsession
// sends the window titled TITLE (also a hidden one) a close request, or the
// end of the Windows session (WM_QUERYENDSESSION, then WM_ENDSESSION as its
// answer allows); prints "sent" or "no window".
//   host_test_window
// without arguments stands in for a renderer that never opens a window: it
// waits 60 s.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr UINT_PTR destroyTimer = 1;
constexpr UINT_PTR childTimer = 2;
std::string lastReport;

BOOL CALLBACK describeChild(HWND child, LPARAM report) {
    RECT place = {};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    char caption[256] = {};
    GetWindowTextA(child, caption, sizeof caption);
    char line[400];
    std::snprintf(line, sizeof line, "child %ld %ld %ld %ld %d %s\n", place.left, place.top,
                  place.right - place.left, place.bottom - place.top,
                  IsWindowVisible(child) ? 1 : 0, caption);
    *reinterpret_cast<std::string*>(report) += line;
    return TRUE;
}

void reportChildren(HWND window) {
    std::string report;
    EnumChildWindows(window, describeChild, reinterpret_cast<LPARAM>(&report));
    if (report != lastReport) {
        lastReport = report;
        std::printf("%send\n", report.c_str());
        std::fflush(stdout);
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == childTimer) {
            reportChildren(window);
            return 0;
        }
        if (wParam == destroyTimer) {
            KillTimer(window, destroyTimer);
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        // A grey that the preview's black and its picture both differ from.
        HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
        FillRect(reinterpret_cast<HDC>(wParam), &client, grey);
        DeleteObject(grey);
        return 1;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int postToWindow(const char* title, const std::string& what) {
    HWND target = FindWindowA(nullptr, title);
    if (!target) {
        std::printf("no window\n");
        return 1;
    }
    if (what == "close") {
        PostMessageW(target, WM_CLOSE, 0, 0);
    } else {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(target, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        SendMessageTimeoutW(target, WM_ENDSESSION, answer ? TRUE : FALSE, 0, SMTO_ABORTIFHUNG, 5000,
                            nullptr);
    }
    std::printf("sent\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 1) {
        Sleep(60000);
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == "--post") {
        return postToWindow(argv[2], argv[3]);
    }
    if (argc != 7) {
        std::fprintf(stderr, "usage: host_test_window TITLE X Y WIDTH HEIGHT LIFETIME_MS\n");
        return 2;
    }
    std::wstring title = std::string(argv[1]) == "--dialog"
                             ? std::wstring(L"\u25A0Kalendra\u25A0")
                             : std::wstring(argv[1], argv[1] + std::string(argv[1]).size());
    int x = std::atoi(argv[2]);
    int y = std::atoi(argv[3]);
    int width = std::atoi(argv[4]);
    int height = std::atoi(argv[5]);
    UINT lifetime = static_cast<UINT>(std::atoi(argv[6]));

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KalendraHostTestWindow";
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(),
                                  WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        return 1;
    }
    std::printf("%ld\n", static_cast<long>(reinterpret_cast<INT_PTR>(window)));
    std::fflush(stdout);
    SetTimer(window, destroyTimer, lifetime, nullptr);
    SetTimer(window, childTimer, 100, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    // The process outlives its window, so that a test sees the window go
    // while its owner still runs; the test ends it when done. Its thread no
    // longer answers messages, as a program's thread that is shutting down.
    Sleep(60000);
    return 0;
}
