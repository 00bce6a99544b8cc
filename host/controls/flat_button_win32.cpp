#include "flat_button_win32.h"

#include "flat_button_paint_win32.h"

#include "form_win32.h"
#include "gdi_win32.h"
#include "message_loop_win32.h"

namespace controls {

namespace {

constexpr const char* defaultCaption = "&OK";

} // namespace

FlatButtonHooks::~FlatButtonHooks() {
    stop();
}

bool FlatButtonHooks::start(HWND button, HWND parentForm) {
    stop();
    if (subclasser_.start(button) < 0) {
        return false;
    }
    button_ = button;
    subclasser_.addMessage(button, WM_MOUSELEAVE, handleAfter);
    if (parentForm && subclasser_.start(parentForm) >= 0) {
        parent_ = parentForm;
        subclasser_.addMessage(parentForm, WM_ACTIVATE, handleAfter);
    }
    return true;
}

void FlatButtonHooks::stop() {
    if (button_) {
        subclasser_.stop(button_);
        button_ = nullptr;
    }
    if (parent_) {
        subclasser_.stop(parent_);
        parent_ = nullptr;
    }
}

void FlatButtonHooks::onSubclassedMessage(bool, bool&, MessageResult&, WindowId& window,
                                          MessageId& message, WordParam& wParam, LongParam&) {
    // Only reads the message: the window's own result stands.
    if (message == WM_MOUSELEAVE && button_ && window == idOf(button_)) {
        state_.mouseLeave();
    } else if (message == WM_ACTIVATE && parent_ && window == idOf(parent_)) {
        state_.formActivation(activationTurnsOn(message, wParam));
    }
}

bool requestMouseLeave(HWND button) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = button;
    return TrackMouseEvent(&track) != FALSE;
}

void snapMouseTo(HWND button, int widthPixels, int heightPixels) {
    POINT origin{0, 0};
    if (!ClientToScreen(button, &origin)) {
        return;
    }
    const PixelPoint centre = snapTarget(origin.x, origin.y, widthPixels, heightPixels);
    SetCursorPos(centre.x, centre.y);
}

forms::FontDescription defaultFlatButtonFont() {
    forms::FontDescription font;
    font.name = "Verdana";
    font.size = 8.25;
    font.weight = 400;
    font.charset = 0;
    return font;
}

FlatButton::FlatButton() : font_(defaultFlatButtonFont()) {}

FlatButton::~FlatButton() {
    stopHooks();
}

void FlatButton::setCaption(std::string_view caption) {
    caption_ = std::string(caption);
    setAccessKeys(accessKeyOf(caption_));
    state_.repaint();
    propertyChanged("Caption");
}

void FlatButton::setEnabled(bool enabled) {
    // The state first: disabling a focused window moves the focus on, and
    // the button must already know it is disabled when that focus loss arrives.
    state_.setEnabled(enabled);
    setWindowEnabled(enabled);
    propertyChanged("Enabled");
}

void FlatButton::setCaptionColour(Colour colour) {
    captionColour_ = colour;
    setForeColour(colour);
    state_.repaint();
    propertyChanged("ForeColor");
}

void FlatButton::setCaptionFont(const forms::FontDescription& font) {
    font_ = font;
    setFont(font_);
    state_.repaint();
    propertyChanged("Font");
}

void FlatButton::setFocusRect(bool focusRect) {
    state_.setFocusRect(focusRect);
    propertyChanged("FocusRect");
}

void FlatButton::snapMouseTo() const {
    controls::snapMouseTo(handle(), scaleWidth(), scaleHeight());
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

void FlatButton::startHooks() {
    if (hooked_ || !handle()) {
        return;
    }
    parentHwnd_ = parentFormHandle();
    hooked_ = hooks_.start(handle(), parentHwnd_);
    // A button added to a form that is already active would otherwise wait
    // for the next activation before it shows hover and focus.
    if (hooked_ && parentHwnd_ && GetActiveWindow() == parentHwnd_) {
        state_.formActivation(true);
    }
}

void FlatButton::stopHooks() {
    if (hooked_) {
        hooks_.stop();
        hooked_ = false;
    }
}

void FlatButton::handleReadProperties(const forms::PropertyBag& bag) {
    parentHwnd_ = parentFormHandle();
    setCaption(bag.readString("Caption", defaultCaption));
    setCaptionColour(bag.readColour("ForeColor", 0));
    setCaptionFont(forms::readFont(bag, "Font", font_));
    setFocusRect(bag.readBoolean("FocusRect", true));
    setEnabled(bag.readBoolean("Enabled", true));
    startHooks();
    state_.loaded();
}

void FlatButton::handleResize() {
    if (correctingSize_) {
        return;
    }
    const TwipsSize now{placement().width, placement().height};
    const TwipsSize least = minimumButtonSize(now);
    if (least.width != now.width || least.height != now.height) {
        // The resizes this correction raises do not paint.
        correctingSize_ = true;
        setSize(least.width, least.height);
        correctingSize_ = false;
    }
    state_.sizeSettled();
}

void FlatButton::Events::click() {
    // A copy: the handler may replace itself or unload the form.
    if (auto handler = button_.onClick) {
        handler();
    }
}

void FlatButton::Events::dblClick() {
    if (auto handler = button_.onDblClick) {
        handler();
    }
}

void FlatButton::Events::mouseMove(int button, int shift, float x, float y) {
    if (auto handler = button_.onMouseMove) {
        handler(button, shift, x, y);
    }
}

void FlatButton::Events::formActivate(int state) {
    if (auto handler = button_.onFormActivate) {
        handler(state);
    }
}

void FlatButton::Events::processPendingMessages() {
    forms::doEvents();
}

} // namespace controls
