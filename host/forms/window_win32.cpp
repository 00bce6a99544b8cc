#include "window_win32.h"

#include "control_win32.h"
#include "screen_win32.h"

namespace forms {

namespace {

const wchar_t* const controlProperty = L"Kalendra.Control";

// Pointers stored on windows are only meaningful in this process.
bool isOwnWindow(HWND window) {
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

const wchar_t* className(WindowClass windowClass) {
    const wchar_t* const names[] = {L"KalendraForm", L"KalendraUserControl", L"KalendraPictureBox"};
    return names[static_cast<int>(windowClass)];
}

// Notifications that system controls send their parent (the scroll bar's)
// go back to the control's object, so each control handles its own.
bool reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_HSCROLL || lParam == 0) {
        return false;
    }
    WindowedControl* child = controlOf(reinterpret_cast<HWND>(lParam));
    return child && child->onReflectedMessage(message, wParam, lParam, result);
}

LRESULT CALLBACK targetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (target) {
            target->onWindowDestroyed();
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (reflectToChild(message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_SETCURSOR && Screen::applyPointer()) {
        return TRUE;
    }
    if (target && target->onMessage(window, message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Again for every window: a class registered already stays as it is.
void registerClass(WindowClass windowClass) {
    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    info.lpfnWndProc = targetWindowProc;
    info.hInstance = GetModuleHandleW(nullptr);
    info.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    info.lpszClassName = className(windowClass);
    // Forms take every press as a press; controls tell double clicks apart.
    info.style = windowClass == WindowClass::Form ? 0 : CS_DBLCLKS;
    RegisterClassExW(&info);
}

} // namespace

HWND createTargetWindow(WindowClass windowClass, DWORD style, const std::wstring& caption,
                        const RECT& place, HWND parent, MessageTarget* target) {
    registerClass(windowClass);
    return CreateWindowExW(0, className(windowClass), caption.c_str(), style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent, nullptr,
                           GetModuleHandleW(nullptr), target);
}

MessageTarget* messageTargetOf(HWND window) {
    // Our classes' procedure; subclassing changes only the window's own.
    bool ours = isOwnWindow(window) && GetClassLongPtrW(window, GCLP_WNDPROC) ==
                                           reinterpret_cast<ULONG_PTR>(targetWindowProc);
    return ours ? reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA))
                : nullptr;
}

void setControlOf(HWND window, WindowedControl* control) {
    if (control) {
        SetPropW(window, controlProperty, control);
    } else {
        RemovePropW(window, controlProperty);
    }
}

WindowedControl* controlOf(HWND window) {
    return isOwnWindow(window) ? static_cast<WindowedControl*>(GetPropW(window, controlProperty))
                               : nullptr;
}

} // namespace forms
