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

class FlatButton : public forms::UserControl, private FlatButtonEvents, private SubclassOwner {
  public:
    FlatButton();

    // Properties, read from the property bag under the keys Caption,
    // ForeColor, Font, FocusRect and Enabled.
    const std::string& caption() const { return caption_; } // UTF-8, "&" marks the access key
    Colour captionColour() const { return captionColour_; }
    const forms::FontDescription& captionFont() const { return font_; }
    bool focusRect() const { return state_.focusRect(); }
    // The Enabled property: the state machine and the window.
    void setEnabled(bool enabled) override;

    // Repaints the whole button in one of its looks (StateDisabled ..
    // StatePressed). Input changes the look again as it arrives, so this is
    // for showing a look on purpose (a gallery, a test).
    void redraw(int state);
    int drawState() const { return state_.drawState(); }
    const FlatButtonState& state() const { return state_; }

    std::function<void()> onClick;

  protected:
    void handleInitialize() override;
    void handleReadProperties(const forms::PropertyBag& bag) override;
    void handleResize() override;
    void handleAmbientChanged(std::string_view name) override;
    void handleGotFocus() override;
    void handleLostFocus() override;
    void handleMouseDown(const forms::MouseEvent& event) override;
    void handleMouseMove(const forms::MouseEvent& event) override;
    void handleMouseUp(const forms::MouseEvent& event) override;
    void handleDblClick() override;
    void handleKeyDown(int keyCode, int shift) override;
    void handleKeyUp(int keyCode, int shift) override;
    void handleAccessKeyPress(int key) override;
    void handleTerminate() override;

  private:
    // What the state machine asks of the control.
    void paint(const ButtonPaint& paint) override;
    void click() override;
    void trackMouseLeave() override;
    void moveFocus(bool backwards) override;
    void processPendingMessages() override;

    // The two notifications only subclassing delivers, both after the
    // window's own handling: the pointer leaving the button's window, and
    // the parent form's activation.
    void onSubclassedMessage(bool before, bool& handled, MessageResult& result, WindowId& window,
                             MessageId& message, WordParam& wParam, LongParam& lParam) override;
    // Subclasses the button's window, then the parent form's, once the
    // properties are in place. A parent that cannot be subclassed only
    // leaves the form's activation unseen.
    void startHooks();
    // Removes the button's subclass first, then the parent's.
    void stopHooks();

    FlatButtonState state_{*this};
    WindowSubclasser subclasser_{*this};
    std::string caption_;
    Colour captionColour_ = 0;
    forms::FontDescription font_;
    HWND parentHwnd_ = nullptr;
    bool correctingSize_ = false;
};

// The caption font a new button starts with: Verdana, 8.25 pt, regular,
// character set 0.
forms::FontDescription defaultFlatButtonFont();

} // namespace controls
