#pragma once

// The push button's whole input behaviour, free of any window system: which
// of its five looks to paint, when to show the focus rectangle, and which
// events and requests follow from mouse, keyboard, focus and activation.

#include "subclass_table.h"
#include "windows_constants.h"

#include <string>
#include <string_view>
#include <vector>

namespace controls {

// The looks the button paints (the argument of a repaint).
enum ButtonDrawState : int {
    StateDisabled = 0,
    StateNormal = 1,
    StateFocused = 2,
    StateHot = 3,
    StatePressed = 4,
};

// Mouse buttons as the forms' input events report them.
constexpr int leftButton = 1;
constexpr int rightButton = 2;
constexpr int middleButton = 4;

// One whole repaint of the button.
struct ButtonPaint {
    int state = StateNormal;
    bool focusRect = false; // draw the focus rectangle on the text area
    bool enabled = true;    // caption in the fore colour, else in grey
};

// What the behaviour asks of the control around it, in the order it happens.
class FlatButtonEvents {
  public:
    virtual void paint(const ButtonPaint& paint) = 0;
    virtual void click() = 0;
    virtual void dblClick() = 0;
    virtual void mouseMove(int button, int shift, float x, float y) = 0;
    virtual void formActivate(int state) = 0;
    // Ask the system for a leave notification; a failed request is ignored.
    virtual void trackMouseLeave() = 0;
    // Move the focus to the previous (backwards) or next control.
    virtual void sendTab(bool backwards) = 0;
    virtual void processPendingMessages() = 0;

  protected:
    ~FlatButtonEvents() = default;
};

class FlatButtonState {
  public:
    explicit FlatButtonState(FlatButtonEvents& events) : events_(events) {}

    // Pointer position in the control's pixels; width and height are its
    // inner size in pixels (the edges count as inside).
    void mouseMove(int button, int shift, float x, float y, int width, int height);
    void mouseLeave();
    void mouseDown(int button);
    void mouseUp(int button);
    // The second press of a double click arrives here instead of mouseDown.
    void dblClick();
    void keyDown(int keyCode);
    void keyUp(int keyCode);
    // The button's access key, or Enter/Escape when the form made the button
    // its default or cancel button.
    void accessKeyPress();
    void gotFocus();
    void lostFocus();
    // The parent form was activated (true) or deactivated (false).
    void formActivation(bool active);
    // The container changed an ambient property; displayAsDefault is the
    // container's current "DisplayAsDefault" value.
    void ambientChanged(std::string_view name, bool displayAsDefault);

    // Property changes. The caller passes Enabled on to the window itself.
    void setEnabled(bool value);
    void setFocusRect(bool value);
    // Repaint in the current look (caption, fore colour or font changed).
    void repaint();
    // Properties loaded and subclassing in place: painting starts.
    void loaded();
    // Paints the whole button in a look and makes it the current one;
    // nothing while painting is held back (busy).
    void redraw(int state);
    // A resize left both sides at least the minimum size.
    void sizeSettled();

    int drawState() const { return drawState_; }
    bool busy() const { return busy_; }
    bool pressed() const { return pressed_; }
    bool hasFocus() const { return hasFocus_; }
    bool hover() const { return hover_; }
    bool formActive() const { return formActive_; }
    bool spaceDown() const { return spaceDown_; }
    bool mouseHeld() const { return mouseDown_; }
    bool isDefault() const { return isDefault_; }
    bool enabled() const { return enabled_; }
    bool focusRect() const { return focusRect_; }

  private:
    void redrawIfNeeded(int state);

    FlatButtonEvents& events_;
    int drawState_ = StateDisabled;
    bool busy_ = true; // no painting until loaded, resized or enabled
    bool pressed_ = false;
    bool hasFocus_ = false;
    bool hover_ = false;
    bool formActive_ = false;
    bool spaceDown_ = false;
    bool mouseDown_ = false;
    bool isDefault_ = false;
    int lastButton_ = 0;
    bool enabled_ = true;
    bool focusRect_ = true;
};

// The access key of a caption, lower-cased: the character after the first
// "&" that is not doubled ("&&" stands for a literal "&"); empty if none.
// Captions are UTF-8; the key is one whole character, ASCII letters lowered.
std::string accessKeyOf(std::string_view caption);

struct TwipsSize {
    int width = 0;
    int height = 0;
};
constexpr int minimumButtonTwips = 100;
// The size after the minimum-size rule: each side at least 100 twips.
TwipsSize minimumButtonSize(TwipsSize size);

// Whether an activation message turns the form on. WM_ACTIVATE carries the
// state in its low word (the high word flags a minimised window).
bool activationTurnsOn(MessageId message, WordParam wParam);

struct PixelPoint {
    int x = 0;
    int y = 0;
};
// Screen point at the centre of the button, halves rounded to even.
PixelPoint snapTarget(int originX, int originY, int widthPixels, int heightPixels);

} // namespace controls
