#pragma once

#include "colour.h"
#include "container_win32.h"
#include "control_win32.h"
#include "font_win32.h"
#include "gdi_win32.h"
#include "picture_win32.h"
#include "property_bag.h"
#include "window_win32.h"

#include <functional>
#include <string>
#include <string_view>

namespace forms {

// A control of our own, subclassed for each kind. It has a child window and
// a drawing surface: a back buffer the size of the control that keeps what
// was drawn on it and is copied to the window whenever the window is
// painted, with the windowless controls inside drawn over it. Subclasses
// override the handlers they need.
//
// Start: create() makes the window, then runs Initialize, ReadProperties
// (from the given bag; an empty one gives every default), then Resize, and
// shows the control.
class UserControl : public WindowedControl, public Container, private MessageTarget {
  public:
    UserControl();
    ~UserControl() override;

    bool create(Container& container, const Placement& placement, const PropertyBag* properties);

    HWND containerWindow() const override { return handle(); }
    Form* form() const override { return WindowedControl::form(); }
    Colour backColour() const override { return backColour_; }

    // Drawing surface. Drawing through hdc() shows once the window is next
    // painted; refresh() paints at once.
    HDC hdc();
    int scaleWidth() const { return canvas_.width(); } // pixels
    int scaleHeight() const { return canvas_.height(); }
    float scaleWidthTwips() const;
    float scaleHeightTwips() const;
    void setBackColour(Colour colour);
    void setForeColour(Colour colour); // text colour and the pen of the surface
    const Font& font() const { return font_; }
    void setFont(const FontDescription& font);
    void refresh();

    // Enables or disables the window: a disabled window gets no input.
    void setWindowEnabled(bool enabled) { WindowedControl::setEnabled(enabled); }
    // The control's size in its container (twips).
    void setSize(int widthTwips, int heightTwips);

    // What the container tells its controls.
    Colour ambientBackColour() const;
    bool ambientDisplayAsDefault() const;
    HWND parentFormHandle() const;

    // Keys that reach the control with Alt, lower case ("o" for "&OK").
    const std::string& accessKeys() const { return accessKeys_; }
    void setAccessKeys(std::string keys);
    void setCanGetFocus(bool can) { canGetFocus_ = can; }
    bool canReceiveFocus() const override;
    // Moves the focus on as Tab (or Shift+Tab) would.
    void sendTab(bool backwards);

    // Property setters call this with the property's name.
    void propertyChanged(std::string_view name);
    std::function<void(std::string_view)> onPropertyChanged;

    // Raised by the container and the form.
    void ambientChanged(std::string_view name) { handleAmbientChanged(name); }
    void accessKeyPress(int keyAscii) { handleAccessKeyPress(keyAscii); }

  protected:
    virtual void handleInitialize() {}
    virtual void handleReadProperties(const PropertyBag&) {}
    virtual void handleResize() {}
    virtual void handleAmbientChanged(std::string_view) {}
    virtual void handleGotFocus() {}
    virtual void handleLostFocus() {}
    // Mouse positions are in the control's pixels.
    virtual void handleMouseDown(const MouseEvent&) {}
    virtual void handleMouseMove(const MouseEvent&) {}
    virtual void handleMouseUp(const MouseEvent&) {}
    virtual void handleDblClick() {}
    virtual void handleKeyDown(int, int) {} // key code, shift state
    virtual void handleKeyUp(int, int) {}
    virtual void handleAccessKeyPress(int) {}
    // The window is about to go (its form unloads); it still exists.
    virtual void handleTerminate() {}

  private:
    bool onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) override;
    void showAccessKey();
    void resizeCanvas(int width, int height);
    void prepareCanvas();
    void compose(HDC target);
    bool onMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    MemoryCanvas canvas_;
    MemoryCanvas composition_;
    Colour backColour_ = systemButtonFace;
    Colour foreColour_ = systemButtonText;
    Font font_;
    std::string accessKeys_;
    bool canGetFocus_ = true;
    bool starting_ = false;
};

} // namespace forms
