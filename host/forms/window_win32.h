#pragma once

#include <windows.h>

#include <string>

namespace forms {

class Form;
class WindowedControl;

// An object that handles the messages of a window of one of our classes.
class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    // True when the message was handled and `result` holds its answer.
    virtual bool onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) = 0;
    // WM_NCDESTROY: the window is gone.
    virtual void onWindowDestroyed() {}
    virtual Form* asForm() { return nullptr; }
};

enum class WindowClass { Form, UserControl, PictureBox };

// Creates a window of one of our classes whose messages go to `target`.
// The place's left may be CW_USEDEFAULT for windows with a caption.
HWND createTargetWindow(WindowClass windowClass, DWORD style, const std::wstring& caption,
                        const RECT& place, HWND parent, MessageTarget* target);
MessageTarget* messageTargetOf(HWND window);

// The control object of a child window, ours or a system control.
void setControlOf(HWND window, WindowedControl* control);
WindowedControl* controlOf(HWND window);

} // namespace forms
