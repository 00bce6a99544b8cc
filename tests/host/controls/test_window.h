#pragma once

// Bare windows of a class of the test's own, for the tests that subclass
// windows without the forms layer.

#include <windows.h>

// Registers the class on first use; nullptr when that fails.
inline const wchar_t* testWindowClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    return RegisterClassW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS ? name : nullptr;
}

// A window destroyed at the end of its scope.
struct TestWindow {
    HWND hWnd;
    TestWindow(const wchar_t* className, HWND parent, DWORD style, int x, int y, int width,
               int height)
        : hWnd(CreateWindowExW(0, className, L"test window", style, x, y, width, height, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~TestWindow() {
        if (IsWindow(hWnd)) {
            DestroyWindow(hWnd);
        }
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
};
