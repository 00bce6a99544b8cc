#include "flat_button_hooks_win32.h"

namespace {

WindowId IdOf(HWND hWnd) {
    return reinterpret_cast<WindowId>(hWnd);
}

} // namespace

FlatButtonHooks::~FlatButtonHooks() {
    Stop();
}

bool FlatButtonHooks::Start(HWND button, HWND parentForm) {
    Stop();
    if (subclasser_.SubclassStart(button) < 0) {
        return false;
    }
    button_ = button;
    subclasser_.AddMsg(button, WmMouseLeave, MsgAfter);
    if (parentForm && subclasser_.SubclassStart(parentForm) >= 0) {
        parent_ = parentForm;
        subclasser_.AddMsg(parentForm, WmActivate, MsgAfter);
    }
    return true;
}

void FlatButtonHooks::Stop() {
    if (button_) {
        subclasser_.SubclassStop(button_);
        button_ = nullptr;
    }
    if (parent_) {
        subclasser_.SubclassStop(parent_);
        parent_ = nullptr;
    }
}

void FlatButtonHooks::SubclassProc(bool, bool&, MessageResult&, WindowId& lng_hWnd, MessageId& uMsg,
                                   WordParam& wParam, LongParam&) {
    // Only reads the message: the window's own result stands.
    if (uMsg == WmMouseLeave && button_ && lng_hWnd == IdOf(button_)) {
        state_.MouseLeave();
    } else if (uMsg == WmActivate && parent_ && lng_hWnd == IdOf(parent_)) {
        state_.FormActivation(ActivationTurnsOn(uMsg, wParam));
    }
}

bool RequestMouseLeave(HWND button) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = button;
    return TrackMouseEvent(&track) != FALSE;
}

void SnapMouseTo(HWND button, int widthPixels, int heightPixels) {
    POINT origin{0, 0};
    if (!ClientToScreen(button, &origin)) {
        return;
    }
    const PixelPoint centre = SnapTarget(origin.x, origin.y, widthPixels, heightPixels);
    SetCursorPos(centre.x, centre.y);
}
