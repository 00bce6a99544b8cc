#include "preview_parent_win32.h"

#include "program_win32.h"

namespace {

void CALLBACK ownerEnded(void*, BOOLEAN) {
    win32::endProgram(0);
}

} // namespace

OwnerProcessWatch::~OwnerProcessWatch() {
    stop();
}

void OwnerProcessWatch::stop() {
    if (wait_) {
        // Returns once a callback that has started is done.
        UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE);
        wait_ = nullptr;
    }
    process_.reset();
}

void OwnerProcessWatch::watch(HWND window) {
    stop();
    DWORD processId = 0;
    if (GetWindowThreadProcessId(window, &processId) == 0 || processId == 0 ||
        processId == GetCurrentProcessId()) {
        return;
    }
    process_.reset(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (process_ && !RegisterWaitForSingleObject(&wait_, process_.get(), ownerEnded, nullptr,
                                                 INFINITE, WT_EXECUTEONLYONCE)) {
        wait_ = nullptr;
        stop();
    }
}

void adoptDpiAwarenessOf(HWND window) {
    using GetWindowContext = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
    using SetThreadContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32 || !window) {
        return;
    }
    auto getWindowContext = reinterpret_cast<GetWindowContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    auto setThreadContext = reinterpret_cast<SetThreadContext>(
        reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
    if (!getWindowContext || !setThreadContext) {
        return;
    }
    if (DPI_AWARENESS_CONTEXT context = getWindowContext(window)) {
        setThreadContext(context);
    }
}
