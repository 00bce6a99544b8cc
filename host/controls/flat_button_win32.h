#pragma once

// The host's push button as a user control: painted by its own Redraw into
// the control's back buffer, shaped by a rounded window region, and driven
// by FlatButtonState from mouse, keyboard, focus, access keys, the leave
// notification and the parent form's activation (both through subclassing).

#include "colour_math.h"
#include "flat_button_state.h"
#include "subclass_win32.h"

#include "font_description.h"
#include "user_control_win32.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace controls {

// The push button's two notifications that only subclassing delivers: the
// pointer leaving the button's window, and the parent form's activation.
// Both are registered for the call after the window's previous procedure
// and are handed to the button's state machine.
class FlatButtonHooks : public SubclassOwner {
  public:
    explicit FlatButtonHooks(FlatButtonState& state) : state_(state) {}
    // Stops both subclasses that are still in place.
    ~FlatButtonHooks();
    FlatButtonHooks(const FlatButtonHooks&) = delete;
    FlatButtonHooks& operator=(const FlatButtonHooks&) = delete;

    // Subclasses the button's own window for WM_MOUSELEAVE, then the parent
    // form's window for WM_ACTIVATE.
    // False when the button's window could not be subclassed; a parent that
    // cannot be subclassed only leaves the form's activation unseen.
    bool start(HWND button, HWND parentForm);
    // Removes the button's subclass first, then the parent's.
    void stop();

    void onSubclassedMessage(bool before, bool& handled, MessageResult& result, WindowId& window,
                             MessageId& message, WordParam& wParam, LongParam& lParam) override;

  private:
    FlatButtonState& state_;
    WindowSubclasser subclasser_{*this};
    HWND button_ = nullptr;
    HWND parent_ = nullptr;
};

// Asks for WM_MOUSELEAVE once the pointer leaves the window; false when
// the system refuses (the button then simply waits for the next move).
bool requestMouseLeave(HWND button);

// Puts the pointer on the centre of the button's client area; width and
// height are its inner size in pixels.
void snapMouseTo(HWND button, int widthPixels, int heightPixels);

class FlatButton : public forms::UserControl {
  public:
    FlatButton();
    ~FlatButton() override;

    // Properties, read from the property bag under the keys Caption,
    // ForeColor, Font, FocusRect and Enabled.
    const std::string& caption() const { return caption_; } // UTF-8, "&" marks the access key
    void setCaption(std::string_view caption);
    Colour captionColour() const { return captionColour_; }
    void setCaptionColour(Colour colour);
    const forms::FontDescription& captionFont() const { return font_; }
    void setCaptionFont(const forms::FontDescription& font);
    bool focusRect() const { return state_.focusRect(); }
    void setFocusRect(bool focusRect);
    // The Enabled property: the state machine and the window.
    void setEnabled(bool enabled) override;

    // Moves the mouse pointer to the centre of the button.
    void snapMouseTo() const;

    // Repaints the whole button in one of its looks (StateDisabled ..
    // StatePressed). Input changes the look again as it arrives, so this is
    // for showing a look on purpose (a gallery, a test).
    void redraw(int state);
    int drawState() const { return state_.drawState(); }
    const FlatButtonState& state() const { return state_; }

    // Events.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    std::function<void(int state)> onFormActivate; // 1 activated, 0 deactivated

  protected:
    // Input, focus and the container's notifications go to the state machine.
    void handleInitialize() override { setFont(font_); }
    void handleReadProperties(const forms::PropertyBag& bag) override;
    void handleResize() override;
    void handleAmbientChanged(std::string_view name) override {
        state_.ambientChanged(name, ambientDisplayAsDefault());
    }
    void handleGotFocus() override { state_.gotFocus(); }
    void handleLostFocus() override { state_.lostFocus(); }
    void handleMouseDown(const forms::MouseEvent& event) override {
        state_.mouseDown(static_cast<int>(event.button));
    }
    void handleMouseMove(const forms::MouseEvent& event) override {
        state_.mouseMove(event.buttons, event.shift, event.x, event.y, scaleWidth(), scaleHeight());
    }
    void handleMouseUp(const forms::MouseEvent& event) override {
        state_.mouseUp(static_cast<int>(event.button));
    }
    void handleDblClick() override { state_.dblClick(); }
    void handleKeyDown(int keyCode, int) override { state_.keyDown(keyCode); }
    void handleKeyUp(int keyCode, int) override { state_.keyUp(keyCode); }
    void handleAccessKeyPress(int) override { state_.accessKeyPress(); }
    void handleTerminate() override { stopHooks(); }

  private:
    // What the state machine asks of the control.
    class Events : public FlatButtonEvents {
      public:
        explicit Events(FlatButton& button) : button_(button) {}
        void paint(const ButtonPaint& paint) override { button_.paint(paint); }
        void click() override;
        void dblClick() override;
        void mouseMove(int button, int shift, float x, float y) override;
        void formActivate(int state) override;
        void trackMouseLeave() override { requestMouseLeave(button_.handle()); }
        void sendTab(bool backwards) override { button_.sendTab(backwards); }
        void processPendingMessages() override;

      private:
        FlatButton& button_;
    };

    void paint(const ButtonPaint& paint);
    // Subclassing of the button's and the parent form's windows, once the
    // properties are in place.
    void startHooks();
    void stopHooks();

    Events events_{*this};
    FlatButtonState state_{events_};
    FlatButtonHooks hooks_{state_};
    std::string caption_;
    Colour captionColour_ = 0;
    forms::FontDescription font_;
    HWND parentHwnd_ = nullptr;
    bool hooked_ = false;
    bool correctingSize_ = false;
};

// The caption font a new button starts with: Verdana, 8.25 pt, regular,
// character set 0.
forms::FontDescription defaultFlatButtonFont();

} // namespace controls
