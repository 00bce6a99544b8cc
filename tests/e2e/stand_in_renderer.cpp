// Stands in for the renderer in the host's end-to-end tests: copied next to
// the host under the renderer's file name, it opens a window titled
// "Butterfly_VC", reads its messages for two seconds and then, as the
// environment variable KALENDRA_STAND_IN says:
//   hang   stops reading its messages for good;
//   stall  stops reading them for four seconds and then goes on.
// The moment it stops it writes the file "stand_in_stopped" into
// C:\tolvek_temp, and when it goes on, "stand_in_resumed". A close request
// ends it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void mark(const char* name) {
    if (FILE* file = std::fopen((std::string("C:\\tolvek_temp\\") + name).c_str(), "wb"))
        std::fclose(file);
}

// Reads messages until ms have passed or the window has gone; false when it
// has gone.
bool pumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    MSG message;
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return false;
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end)
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main() {
    const char* mode = std::getenv("KALENDRA_STAND_IN");
    const std::string how = mode ? mode : "hang";

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KalendraStandInRenderer";
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Butterfly_VC", WS_POPUP | WS_VISIBLE, 0, 0,
                        320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    if (!pumpFor(2000))
        return 0;
    mark("stand_in_stopped");
    if (how != "stall") {
        Sleep(INFINITE);
        return 0;
    }
    Sleep(4000);
    mark("stand_in_resumed");
    while (pumpFor(INFINITE)) {
    }
    return 0;
}
