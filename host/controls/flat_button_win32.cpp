#include "flat_button_win32.h"

#include "flat_button_paint_win32.h"

#include "form_win32.h"
#include "gdi_win32.h"
#include "message_loop_win32.h"

#include <algorithm>

namespace controls {

namespace {

constexpr const char* defaultCaption = "&OK";
constexpr int minimumTwips = 100;

} // namespace

forms::FontDescription defaultFlatButtonFont() {
    forms::FontDescription font;
    font.name = "Verdana";
    font.size = 8.25;
    font.weight = 400;
    font.charset = 0;
    return font;
}

FlatButton::FlatButton() : font_(defaultFlatButtonFont()) {}

void FlatButton::setEnabled(bool enabled) {
    // The state first: disabling a focused window moves the focus on, and
    // the button must already know it is disabled when that focus loss arrives.
    state_.setEnabled(enabled);
    setWindowEnabled(enabled);
}

void FlatButton::redraw(int state) {
    state_.redraw(state);
}

void FlatButton::paint(const ButtonPaint& paint) {
    const int width = scaleWidth();
    const int height = scaleHeight();
    HWND window = handle();
    if (width <= 0 || height <= 0 || !window) {
        return;
    }
    setForeColour(paint.enabled ? captionColour_ : disabledCaptionColour);
    FlatButtonLook look;
    look.caption = caption_;
    look.font = font().handle();
    look.captionColour = forms::colorRefOf(captionColour_);
    look.enabled = paint.enabled;
    look.focusRect = paint.focusRect;
    look.backColour = forms::colorRefOf(backColour());
    paintFlatButton(hdc(), width, height, paint.state, look);
    SetWindowRgn(window, flatButtonRegion(width, height).release(), TRUE);
}

void FlatButton::click() {
    // A copy: the handler may replace itself or unload the form.
    if (auto handler = onClick) {
        handler();
    }
}

void FlatButton::trackMouseLeave() {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle();
    TrackMouseEvent(&track);
}

void FlatButton::moveFocus(bool backwards) {
    sendTab(backwards);
}

void FlatButton::processPendingMessages() {
    forms::doEvents();
}

void FlatButton::onSubclassedMessage(bool, bool&, MessageResult&, WindowId& window,
                                     MessageId& message, WordParam& wParam, LongParam&) {
    // Only reads the message: the window's own result stands.
    if (message == WM_MOUSELEAVE && window == idOf(handle())) {
        state_.mouseLeave();
    } else if (message == WM_ACTIVATE && parentHwnd_ && window == idOf(parentHwnd_)) {
        // The low word holds the state; the high word flags a minimised window.
        state_.formActivation(LOWORD(wParam) != WA_INACTIVE);
    }
}

void FlatButton::startHooks() {
    if (!handle() || subclasser_.start(handle()) < 0) {
        return;
    }
    subclasser_.addMessage(handle(), WM_MOUSELEAVE, handleAfter);
    if (parentHwnd_ && subclasser_.start(parentHwnd_) >= 0) {
        subclasser_.addMessage(parentHwnd_, WM_ACTIVATE, handleAfter);
    }
    // A button added to a form that is already active would otherwise wait
    // for the next activation before it shows hover and focus.
    if (parentHwnd_ && GetActiveWindow() == parentHwnd_) {
        state_.formActivation(true);
    }
}

void FlatButton::stopHooks() {
    subclasser_.stop(handle());
    subclasser_.stop(parentHwnd_);
}

void FlatButton::handleInitialize() {
    setFont(font_);
}

void FlatButton::handleReadProperties(const forms::PropertyBag& bag) {
    parentHwnd_ = parentFormHandle();
    caption_ = bag.readString("Caption", defaultCaption);
    setAccessKeys(accessKeyOf(caption_));
    captionColour_ = bag.readColour("ForeColor", 0);
    setForeColour(captionColour_);
    font_ = forms::readFont(bag, "Font", font_);
    setFont(font_);
    state_.setFocusRect(bag.readBoolean("FocusRect", true));
    setEnabled(bag.readBoolean("Enabled", true));
    startHooks();
    state_.startPainting();
}

void FlatButton::handleResize() {
    if (correctingSize_) {
        return;
    }
    const int width = placement().width;
    const int height = placement().height;
    if (width < minimumTwips || height < minimumTwips) {
        // The resizes this correction raises do not paint.
        correctingSize_ = true;
        setSize(std::max(width, minimumTwips), std::max(height, minimumTwips));
        correctingSize_ = false;
    }
    state_.startPainting();
}

void FlatButton::handleAmbientChanged(std::string_view name) {
    state_.ambientChanged(name, ambientDisplayAsDefault());
}

void FlatButton::handleGotFocus() {
    state_.gotFocus();
}

void FlatButton::handleLostFocus() {
    state_.lostFocus();
}

void FlatButton::handleMouseDown(const forms::MouseEvent& event) {
    state_.mouseDown(static_cast<int>(event.button));
}

void FlatButton::handleMouseMove(const forms::MouseEvent& event) {
    state_.mouseMove(event.x, event.y, scaleWidth(), scaleHeight());
}

void FlatButton::handleMouseUp(const forms::MouseEvent& event) {
    state_.mouseUp(static_cast<int>(event.button));
}

void FlatButton::handleDblClick() {
    state_.dblClick();
}

void FlatButton::handleKeyDown(int keyCode, int) {
    state_.keyDown(keyCode);
}

void FlatButton::handleKeyUp(int keyCode, int) {
    state_.keyUp(keyCode);
}

void FlatButton::handleAccessKeyPress(int) {
    state_.accessKeyPress();
}

void FlatButton::handleTerminate() {
    stopHooks();
}

} // namespace controls
