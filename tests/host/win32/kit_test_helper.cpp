// A program the kit's tests start. What it does is chosen by the
// environment variable KIT_HELPER_MODE, which it inherits:
//   exit            ends with status 7;
//   end-while-loaded shows a window whose close and destroy handlers write
//                   marker files, then ends the process at once with
//                   status 5 (no marker may appear);
//   window          shows a window titled "Kit helper window" and runs the
//                   message loop until it is closed, then ends with 3.
// KIT_HELPER_DIR names the folder for marker files.
#include "plain_window_win32.h"
#include "program_win32.h"
#include "text_win32.h"

#include <windows.h>

#include <string>

namespace {

std::wstring environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

void writeMarker(const wchar_t* name) {
    std::wstring path = environment(L"KIT_HELPER_DIR") + L"\\" + name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
}

class MarkingWindow : public win32::PlainWindow {
    bool onMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == WM_CLOSE) {
            writeMarker(L"query-unload");
        }
        return false;
    }
    void onDestroyed() override { writeMarker(L"unload"); }
};

class ClosingWindow : public win32::PlainWindow {
    void onDestroyed() override { PostQuitMessage(0); }
};

} // namespace

int main() {
    std::wstring mode = environment(L"KIT_HELPER_MODE");
    if (mode == L"exit") {
        return 7;
    }
    const RECT place = {100, 100, 400, 300};
    if (mode == L"end-while-loaded") {
        MarkingWindow window;
        window.create(L"KitHelper", "Kit helper ending", WS_OVERLAPPEDWINDOW | WS_VISIBLE, place);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        win32::endProgram(5);
    }
    if (mode == L"window") {
        ClosingWindow window;
        window.create(L"KitHelper", "Kit helper window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, place);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            DispatchMessageW(&message);
        }
        return 3;
    }
    return 1;
}
