#pragma once

#include <windows.h>

#include <memory>

namespace forms {

class Picture;

// Mouse buttons as event arguments give them; Shift holds 1 Shift, 2 Ctrl, 4 Alt.
enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };

struct MouseEvent {
    MouseButton button = MouseButton::None; // the button pressed or released;
                                            // for moves, the buttons held (a sum)
    int buttons = 0;
    int shift = 0;
    float x = 0; // pixels from the control's top-left corner
    float y = 0;
};

// Mouse pointer settings of the screen and of controls.
enum class MousePointer {
    Default = 0,
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    Hourglass = 11,
    Custom = 99
};

// The system cursor for a pointer setting; nullptr for Default and Custom.
HCURSOR systemCursor(MousePointer pointer);

// Shift state now (for keyboard events) and from a mouse message's flags.
int currentShiftState();
int shiftStateFromMouseFlags(WPARAM flags);

// Builds a mouse event from a button message or WM_MOUSEMOVE.
MouseEvent mouseEventFrom(UINT message, WPARAM wParam, LPARAM lParam);

// The pointer a windowed control shows over itself.
class PointerSetting {
  public:
    MousePointer pointer = MousePointer::Default;
    std::shared_ptr<const Picture> icon; // used with MousePointer::Custom

    // Sets the cursor for WM_SETCURSOR; false leaves it to the system.
    bool apply() const;
};

} // namespace forms
