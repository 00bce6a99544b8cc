#include "platform.h"

#include "contract.h"
#include "display_power.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

namespace {

// Not in every SDK's headers: a waitable timer that keeps to a fraction of
// a millisecond (Windows 10, version 1803 and later).
constexpr DWORD highResolutionTimerFlag = 0x00000002;

// The power setting whose notifications say whether the console's display
// is off (0), on (1) or dimmed (2).
constexpr GUID consoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct NotificationCloser {
    void operator()(HPOWERNOTIFY notification) const {
        UnregisterPowerSettingNotification(notification);
    }
};
using PowerNotification = std::unique_ptr<void, NotificationCloser>;

// The window of the current GL context (freeglut's, whose handle it keeps
// to itself).
HWND currentWindow() {
    HDC context = wglGetCurrentDC();
    return context != nullptr ? WindowFromDC(context) : nullptr;
}

constexpr UINT_PTR powerWatchId = 1;

// Sees the window's messages before freeglut does, for the one freeglut
// passes over.
LRESULT CALLBACK watchPower(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR power) {
    if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam != 0) {
        const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
        if (IsEqualGUID(setting->PowerSetting, consoleDisplayState))
            reinterpret_cast<DisplayPower*>(power)->notify(setting->Data, setting->DataLength);
        return TRUE;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, watchPower, powerWatchId);
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

int readProfileInt(const char* section, const char* key, int defaultValue, const char* path) {
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path));
}

void showPointer(bool visible) {
    ShowCursor(visible ? TRUE : FALSE);
}

bool paceFramesToDisplay() {
    // WGL_EXT_swap_control: the driver hands out its entry point only when
    // it offers the extension.
    using SwapInterval = BOOL(WINAPI*)(int);
    const PROC entry = wglGetProcAddress("wglSwapIntervalEXT");
    if (entry == nullptr)
        return false;
    const auto setInterval = reinterpret_cast<SwapInterval>(reinterpret_cast<void (*)()>(entry));
    return setInterval(1) != FALSE;
}

std::int64_t performanceCounter() {
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

std::int64_t performanceFrequency() {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
}

void waitForCounter(std::int64_t counter) {
    static const UniqueHandle timer(
        CreateWaitableTimerExW(nullptr, nullptr, highResolutionTimerFlag, TIMER_ALL_ACCESS));
    const std::int64_t frequency = performanceFrequency();
    const std::int64_t left = counter - performanceCounter();
    if (left <= 0 || frequency <= 0)
        return;
    if (timer) {
        LARGE_INTEGER due;
        due.QuadPart = -(left * 10000000 / frequency); // relative, in 100 ns
        if (due.QuadPart < 0 && SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE))
            WaitForSingleObject(timer.get(), INFINITE);
    } else {
        // Older systems: Sleep keeps only to the scheduler's tick, so it
        // takes the bulk and leaves the last two milliseconds.
        const std::int64_t ms = left * 1000 / frequency;
        if (ms > 2)
            Sleep(static_cast<DWORD>(ms - 2));
    }
    while (performanceCounter() < counter)
        SwitchToThread();
}

int displayRefreshRate() {
    MONITORINFOEXW monitor = {};
    monitor.cbSize = sizeof monitor;
    HMONITOR shown = MonitorFromWindow(currentWindow(), MONITOR_DEFAULTTOPRIMARY);
    const wchar_t* device = GetMonitorInfoW(shown, &monitor) ? monitor.szDevice : nullptr;
    DEVMODEW mode = {};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(device, ENUM_CURRENT_SETTINGS, &mode) ||
        (mode.dmFields & DM_DISPLAYFREQUENCY) == 0)
        return 0;
    return static_cast<int>(mode.dmDisplayFrequency);
}

void watchDisplayPower(DisplayPower& power) {
    static PowerNotification notification;
    HWND window = currentWindow();
    if (window == nullptr || notification)
        return;
    if (SetWindowSubclass(window, watchPower, powerWatchId, reinterpret_cast<DWORD_PTR>(&power)))
        notification.reset(RegisterPowerSettingNotification(window, &consoleDisplayState,
                                                            DEVICE_NOTIFY_WINDOW_HANDLE));
}

void sleepUntilEvent(int maxMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(maxMs), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

std::string nativePath(const char* path) {
    return path;
}

const char* workingDirectory() {
    return contract::workingFolder;
}
