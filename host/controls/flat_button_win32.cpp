#include "flat_button_win32.h"

#include "flat_button_paint_win32.h"

#include "form_win32.h"
#include "gdi_win32.h"
#include "message_loop_win32.h"
#include "twips.h"

#include <vector>

namespace {

// Colours the forms keep may name a system colour; painting needs its value.
Colour PlainColour(Colour colour) {
    return forms::colorRefOf(colour);
}

constexpr const char* DefaultCaption = "&OK";

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
    subclasser_.AddMsg(button, WM_MOUSELEAVE, MsgAfter);
    if (parentForm && subclasser_.SubclassStart(parentForm) >= 0) {
        parent_ = parentForm;
        subclasser_.AddMsg(parentForm, WM_ACTIVATE, MsgAfter);
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
    if (uMsg == WM_MOUSELEAVE && button_ && lng_hWnd == IdOf(button_)) {
        state_.MouseLeave();
    } else if (uMsg == WM_ACTIVATE && parent_ && lng_hWnd == IdOf(parent_)) {
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

forms::FontDescription DefaultFlatButtonFont() {
    forms::FontDescription font;
    font.name = "Verdana";
    font.size = 8.25;
    font.weight = 400;
    font.charset = 0;
    return font;
}

FlatButton::FlatButton() : font_(DefaultFlatButtonFont()) {}

FlatButton::~FlatButton() {
    StopHooks();
}

void FlatButton::SetCaption(std::string_view caption) {
    caption_ = std::string(caption);
    setAccessKeys(AccessKeyOf(caption_));
    state_.Repaint();
    propertyChanged("Caption");
}

void FlatButton::SetEnabled(bool enabled) {
    // The state first: disabling a focused window moves the focus on, and
    // the button must already know it is disabled when that focus loss arrives.
    state_.SetEnabled(enabled);
    setWindowEnabled(enabled);
    propertyChanged("Enabled");
}

void FlatButton::SetForeColor(Colour colour) {
    foreColor_ = colour;
    setForeColour(colour);
    state_.Repaint();
    propertyChanged("ForeColor");
}

void FlatButton::SetFont(const forms::FontDescription& font) {
    font_ = font;
    setFont(font_);
    state_.Repaint();
    propertyChanged("Font");
}

void FlatButton::SetFocusRect(bool focusRect) {
    state_.SetFocusRect(focusRect);
    propertyChanged("FocusRect");
}

void FlatButton::SnapMouseTo() const {
    ::SnapMouseTo(handle(), scaleWidth(), scaleHeight());
}

void FlatButton::Redraw(int state) {
    state_.Redraw(state);
}

void FlatButton::Paint(const ButtonPaint& paint) {
    const int width = scaleWidth();
    const int height = scaleHeight();
    HWND window = handle();
    if (width <= 0 || height <= 0 || !window) {
        return;
    }
    setForeColour(paint.enabled ? foreColor_ : DisabledCaptionColour);
    FlatButtonLook look;
    look.caption = caption_;
    look.font = font().handle();
    look.foreColor = PlainColour(foreColor_);
    look.enabled = paint.enabled;
    look.focusRect = paint.focusRect;
    look.backColour = PlainColour(backColour());
    PaintFlatButton(hdc(), width, height, paint.state, look);
    SetWindowRgn(window, CreateFlatButtonRegion(width, height).release(), TRUE);
}

void FlatButton::StartHooks() {
    if (hooked_ || !handle()) {
        return;
    }
    parentHwnd_ = parentFormHandle();
    hooked_ = hooks_.Start(handle(), parentHwnd_);
    // A button added to a form that is already active would otherwise wait
    // for the next activation before it shows hover and focus.
    if (hooked_ && parentHwnd_ && GetActiveWindow() == parentHwnd_) {
        state_.FormActivation(true);
    }
}

void FlatButton::StopHooks() {
    if (hooked_) {
        hooks_.Stop();
        hooked_ = false;
    }
}

void FlatButton::handleInitialize() {
    ownHwnd_ = handle();
    setFont(font_);
}

void FlatButton::handleReadProperties(const forms::PropertyBag& bag) {
    parentHwnd_ = parentFormHandle();
    SetCaption(bag.readString("Caption", DefaultCaption));
    SetForeColor(bag.readColour("ForeColor", 0));
    SetFont(forms::readFont(bag, "Font", font_));
    SetFocusRect(bag.readBoolean("FocusRect", true));
    SetEnabled(bag.readBoolean("Enabled", true));
    StartHooks();
    state_.Loaded();
}

void FlatButton::handleResize() {
    if (correctingSize_) {
        return;
    }
    const TwipsSize now{placement().width, placement().height};
    const TwipsSize least = MinimumButtonSize(now);
    if (least.width != now.width || least.height != now.height) {
        // The resizes this correction raises do not paint.
        correctingSize_ = true;
        setSize(least.width, least.height);
        correctingSize_ = false;
    }
    state_.SizeSettled();
}

void FlatButton::handleAmbientChanged(std::string_view name) {
    state_.AmbientChanged(name, ambientDisplayAsDefault());
}

void FlatButton::handleGotFocus() {
    state_.GotFocus();
}

void FlatButton::handleLostFocus() {
    state_.LostFocus();
}

void FlatButton::handleMouseDown(const forms::MouseEvent& event) {
    state_.MouseDown(static_cast<int>(event.button));
}

void FlatButton::handleMouseMove(const forms::MouseEvent& event) {
    state_.MouseMove(event.buttons, event.shift, event.x, event.y, scaleWidth(), scaleHeight());
}

void FlatButton::handleMouseUp(const forms::MouseEvent& event) {
    state_.MouseUp(static_cast<int>(event.button));
}

void FlatButton::handleDblClick() {
    state_.DblClick();
}

void FlatButton::handleKeyDown(int keyCode, int) {
    state_.KeyDown(keyCode);
}

void FlatButton::handleKeyUp(int keyCode, int) {
    state_.KeyUp(keyCode);
}

void FlatButton::handleAccessKeyPress(int) {
    state_.AccessKeyPress();
}

void FlatButton::handleTerminate() {
    StopHooks();
}

void FlatButton::Events::Paint(const ButtonPaint& paint) {
    button_.Paint(paint);
}

void FlatButton::Events::Click() {
    // A copy: the handler may replace itself or unload the form.
    if (auto handler = button_.onClick) {
        handler();
    }
}

void FlatButton::Events::DblClick() {
    if (auto handler = button_.onDblClick) {
        handler();
    }
}

void FlatButton::Events::MouseMove(int button, int shift, float x, float y) {
    if (auto handler = button_.onMouseMove) {
        handler(button, shift, x, y);
    }
}

void FlatButton::Events::FormActivate(int state) {
    if (auto handler = button_.onFormActivate) {
        handler(state);
    }
}

void FlatButton::Events::TrackMouseLeave() {
    RequestMouseLeave(button_.handle());
}

void FlatButton::Events::SendTab(bool backwards) {
    button_.sendTab(backwards);
}

void FlatButton::Events::ProcessPendingMessages() {
    forms::doEvents();
}
