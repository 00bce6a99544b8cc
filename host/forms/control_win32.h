#pragma once

#include "mouse_win32.h"

#include <windows.h>

#include <functional>
#include <string>

namespace forms {

class Container;
class Form;

// Place of a control in its container, in twips from the container's
// inside top-left corner.
struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Anything a form holds: visual controls and timers.
class Control {
  public:
    virtual ~Control() = default;
};

// A control without a window of its own, drawn by its container after the
// container has painted itself, and hit-tested by the container on mouse
// presses.
class WindowlessControl : public Control {
  public:
    WindowlessControl(Container& container, const Placement& placement);
    ~WindowlessControl() override;
    WindowlessControl(const WindowlessControl&) = delete;
    WindowlessControl& operator=(const WindowlessControl&) = delete;

    Container* container() const { return container_; }
    const Placement& placement() const { return placement_; }
    void move(const Placement& placement);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    // The control's place in its container's client pixels.
    RECT pixelRect() const;
    void invalidate() const;

    virtual void draw(HDC dc, const RECT& area) const = 0;
    // Whether presses on the control reach it (shapes let them through).
    virtual bool takesMouse() const { return true; }

    // A press of any mouse button on the control.
    std::function<void(const MouseEvent&)> onMouseDown;

  private:
    friend class Container;
    Container* container_;
    Placement placement_;
    bool visible_ = true;
};

// A control with a child window of its own.
class WindowedControl : public Control {
  public:
    ~WindowedControl() override;
    WindowedControl(const WindowedControl&) = delete;
    WindowedControl& operator=(const WindowedControl&) = delete;

    Container* container() const { return container_; }
    Form* form() const;
    // The control's window; nullptr once it has been destroyed.
    HWND handle() const;
    const Placement& placement() const { return placement_; }
    void move(const Placement& placement);
    bool visible() const;
    bool enabled() const;
    virtual void setEnabled(bool enabled);

    // Keyboard order: Tab moves through the form's controls by tab index;
    // controls without one follow in the order they were made.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int tabIndex) { tabIndex_ = tabIndex; }
    long long sequence() const { return sequence_; }
    // Visible and enabled, with every container.
    virtual bool canReceiveFocus() const;
    bool setFocus();
    bool hasFocus() const;

    // Notifications the control's window sends its parent (WM_COMMAND,
    // WM_HSCROLL, WM_CTLCOLOR...), handed back to the control.
    virtual bool onReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    WindowedControl();
    // Window creation: the parent window for a control in `container`, and
    // the control's place in it in pixels.
    static HWND parentWindowOf(Container& container);
    static RECT pixelRectIn(const Container& container, const Placement& placement);
    // The window's rectangle for a place; a drop-down list reaches further.
    virtual RECT windowRect(const RECT& place) const { return place; }
    // Takes ownership of a newly made child window of the container.
    void attach(Container& container, HWND window, const Placement& placement);

  private:
    friend class Container;
    Container* container_ = nullptr;
    HWND window_ = nullptr;
    Placement placement_;
    int tabIndex_ = -1;
    long long sequence_ = 0;
};

} // namespace forms
