#include "monitor_covers_win32.h"

namespace {

constexpr wchar_t coverClassName[] = L"KalendraMonitorCover";

LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        // A click leaves the keyboard with the renderer.
        return MA_NOACTIVATE;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool registerCoverClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = coverProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = coverClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back(
            {{r.left, r.top, r.right, r.bottom}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

// The host is per-monitor DPI aware, so these are physical pixels.
std::vector<MonitorArea> readMonitors() {
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

} // namespace

void MonitorCovers::show() {
    place(monitorsToCover(readMonitors(), std::nullopt));
}

void MonitorCovers::followRenderer(HWND rendererWindow) {
    RECT r;
    if (rendererWindow == nullptr || !GetWindowRect(rendererWindow, &r)) {
        return;
    }
    // Read again each time: monitors come and go during a run (a display
    // that sleeps may disconnect), and their places may change.
    std::vector<ScreenRect> areas =
        monitorsToCover(readMonitors(), ScreenRect{r.left, r.top, r.right, r.bottom});
    if (areas != covered_) {
        place(areas);
    }
}

void MonitorCovers::place(const std::vector<ScreenRect>& areas) {
    covered_ = areas;
    // The new covers show before the old ones go, so nothing flashes.
    std::vector<CoverWindow> windows;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!areas.empty() && registerCoverClass(instance)) {
        for (const ScreenRect& area : areas) {
            HWND window =
                CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, coverClassName,
                                L"", WS_POPUP, area.left, area.top, area.right - area.left,
                                area.bottom - area.top, nullptr, nullptr, instance, nullptr);
            if (window != nullptr) {
                ShowWindow(window, SW_SHOWNOACTIVATE);
                UpdateWindow(window);
                windows.emplace_back(window);
            }
        }
    }
    windows_ = std::move(windows);
}
