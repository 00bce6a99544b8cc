#include "form_win32.h"

#include "gdi_win32.h"
#include "message_loop_win32.h"
#include "screen_win32.h"
#include "text_win32.h"
#include "timer_win32.h"
#include "twips.h"
#include "user_control_win32.h"

namespace forms {

namespace {

int loadedForms = 0;

DWORD styleFor(BorderStyle border) {
    switch (border) {
    case BorderStyle::None:
        return WS_POPUP | WS_CLIPCHILDREN;
    case BorderStyle::FixedSingle:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::Sizable:
        break;
    }
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

BOOL CALLBACK collectEnabledWindow(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE;
}

} // namespace

Form::Form() = default;

Form::~Form() {
    destroying_ = true;
    for (Timer* timer : timers_) {
        timer->form_ = nullptr;
    }
    timers_.clear();
    controls_.clear();
    if (window_) {
        restoreDisabledWindows();
        DestroyWindow(window_);
    }
    detachControls();
}

int Form::loadedCount() {
    return loadedForms;
}

Form* Form::fromWindow(HWND window) {
    HWND desktop = GetDesktopWindow();
    for (HWND step = window; step && step != desktop; step = GetAncestor(step, GA_PARENT)) {
        if (MessageTarget* target = messageTargetOf(step)) {
            if (Form* found = target->asForm()) {
                return found;
            }
        }
    }
    return nullptr;
}

bool Form::createWindow() {
    float perPixelX = Screen::twipsPerPixelX();
    float perPixelY = Screen::twipsPerPixelY();
    RECT frame = {0, 0, twipsToPixels(4800, perPixelX), twipsToPixels(3600, perPixelY)};
    DWORD style = styleFor(borderStyle_);
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    // Windows places a window with a caption; the others start at 0, 0.
    int origin = (style & WS_CAPTION) == WS_CAPTION && !(style & WS_POPUP) ? CW_USEDEFAULT : 0;
    OffsetRect(&frame, origin - frame.left, origin - frame.top);
    window_ = createTargetWindow(WindowClass::Form, style, widen(caption_), frame, nullptr, this);
    return window_ != nullptr;
}

bool Form::load() {
    if (loaded_) {
        return true;
    }
    // Those of the last load were kept until now because event handlers
    // may still have been running on them when it unloaded.
    controls_.clear();
    if (!createWindow()) {
        return false;
    }
    loaded_ = true;
    ++loadedForms;
    for (Timer* timer : timers_) {
        timer->apply();
    }
    handleLoad();
    return loaded_;
}

bool Form::show() {
    if (!load()) {
        return false;
    }
    bool child = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD) != 0;
    ShowWindow(window_, child ? SW_SHOWNA : SW_SHOW);
    if (!child && GetActiveWindow() == window_ && !focusedControl()) {
        focusFirst();
    }
    return true;
}

bool Form::showModal() {
    if (!load()) {
        return false;
    }
    std::vector<HWND> enabled;
    EnumThreadWindows(GetCurrentThreadId(), collectEnabledWindow,
                      reinterpret_cast<LPARAM>(&enabled));
    for (HWND window : enabled) {
        if (window != window_) {
            EnableWindow(window, FALSE);
            disabledWindows_.push_back(window);
        }
    }
    show();
    MSG message;
    while (loaded_) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is ending: the loop that runs it sees the quit too.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        dispatchMessage(message);
    }
    restoreDisabledWindows();
    return true;
}

void Form::restoreDisabledWindows() {
    for (HWND window : disabledWindows_) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    disabledWindows_.clear();
}

bool Form::unload() {
    if (!loaded_ || unloading_) {
        return false;
    }
    unloading_ = true;
    bool cancel = false;
    handleQueryUnload(cancel);
    if (cancel) {
        unloading_ = false;
        return false;
    }
    handleUnload();
    finishUnload();
    unloading_ = false;
    return true;
}

void Form::finishUnload() {
    // Other windows come back before this one goes, so one of them is activated.
    restoreDisabledWindows();
    if (window_) {
        DestroyWindow(window_);
    }
}

void Form::onWindowDestroyed() {
    window_ = nullptr;
    lastFocus_ = nullptr;
    paintBuffer_ = MemoryCanvas();
    restoreDisabledWindows();
    if (loaded_) {
        loaded_ = false;
        --loadedForms;
    }
}

void Form::setBackColour(Colour colour) {
    backColour_ = colour;
    if (window_) {
        InvalidateRect(window_, nullptr, FALSE);
    }
    notifyAmbientChanged("BackColor");
}

std::string Form::caption() const {
    return window_ ? windowText(window_) : caption_;
}

void Form::setCaption(std::string_view caption) {
    caption_ = std::string(caption);
    if (window_) {
        SetWindowTextW(window_, widen(caption_).c_str());
    }
}

void Form::setIcon(PictureRef icon) {
    icon_ = std::move(icon);
    HICON handle = icon_ ? icon_->icon() : nullptr;
    if (window_) {
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(handle));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(handle));
    }
}

void Form::paint(HDC dc) {
    RECT client = {};
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    if (paintBuffer_.width() != client.right || paintBuffer_.height() != client.bottom) {
        paintBuffer_ = MemoryCanvas(client.right, client.bottom);
    }
    HDC target = paintBuffer_.valid() ? paintBuffer_.dc() : dc;
    fillRectangle(target, client, backColour_);
    paintWindowlessControls(target);
    if (target != dc) {
        BitBlt(dc, 0, 0, client.right, client.bottom, target, 0, 0, SRCCOPY);
    }
}

bool Form::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (handlePaintMessage(window, message, wParam, result, [this](HDC dc) { paint(dc); })) {
        return true;
    }
    switch (message) {
    case WM_CLOSE:
        unload();
        return true;
    case WM_QUERYENDSESSION: {
        bool cancel = false;
        if (loaded_ && !unloading_) {
            handleQueryUnload(cancel);
        }
        result = cancel ? FALSE : TRUE;
        return true;
    }
    case WM_ENDSESSION:
        if (wParam && loaded_ && !unloading_) {
            unloading_ = true;
            handleUnload();
            finishUnload();
            unloading_ = false;
        }
        return true;
    case WM_DESTROY:
        // Destroyed from outside, as when the window it is a child of goes.
        if (!unloading_ && !destroying_ && loaded_) {
            unloading_ = true;
            handleUnload();
            restoreDisabledWindows();
            unloading_ = false;
        }
        return false;
    case DM_GETDEFID:
        result = defaultButton_ ? MAKELRESULT(IDOK, DC_HASDEFID) : 0;
        return true;
    case WM_COMMAND: // Enter and Escape from IsDialogMessageW
        if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            pressButton(LOWORD(wParam));
        }
        return true;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->id_ == wParam) {
                timer->tick();
                break;
            }
        }
        return true;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window, focus)) {
                lastFocus_ = focus;
            }
            return false;
        }
        if (HIWORD(wParam)) {
            return false; // minimised
        }
        restoreFocus();
        if (GetFocus() != window && !IsChild(window, GetFocus())) {
            SetFocus(window);
        }
        return true;
    case WM_SETFOCUS:
        restoreFocus();
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        pressWindowlessControl(message, wParam, lParam);
        return true;
    default:
        return false;
    }
}

} // namespace forms
