#pragma once

// The push button's two notifications that only subclassing delivers: the
// pointer leaving the button's window, and the parent form's activation.
// Both are registered for the call after the window's previous procedure
// and are handed to the button's state machine.

#include "flat_button_state.h"
#include "subclass_win32.h"

#include <windows.h>

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
    bool Start(HWND button, HWND parentForm);
    // Removes the button's subclass first, then the parent's.
    void Stop();

    void SubclassProc(bool bBefore, bool& bHandled, MessageResult& lReturn, WindowId& lng_hWnd,
                      MessageId& uMsg, WordParam& wParam, LongParam& lParam) override;

  private:
    FlatButtonState& state_;
    WindowSubclasser subclasser_{*this};
    HWND button_ = nullptr;
    HWND parent_ = nullptr;
};

// Asks for WM_MOUSELEAVE once the pointer leaves the window; false when
// the system refuses (the button then simply waits for the next move).
bool RequestMouseLeave(HWND button);

// Puts the pointer on the centre of the button's client area; width and
// height are its inner size in pixels.
void SnapMouseTo(HWND button, int widthPixels, int heightPixels);
