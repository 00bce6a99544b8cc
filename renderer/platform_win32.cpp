#include "platform.h"

#include "contract.h"

#include <windows.h>

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

std::string nativePath(const char* path) {
    return path;
}

const char* workingDirectory() {
    return contract::workingFolder;
}
