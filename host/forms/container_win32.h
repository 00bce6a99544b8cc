#pragma once

#include "colour.h"
#include "control_win32.h"

#include <windows.h>

#include <string_view>
#include <vector>

namespace forms {

class UserControl;

// A window that holds controls: a form or a user control. It draws its
// windowless controls over its own painting, in the order they were added
// (the last on top), and passes mouse presses to the topmost one hit.
class Container {
  public:
    virtual ~Container();
    Container() = default;
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    virtual HWND containerWindow() const = 0;
    virtual Form* form() const = 0;
    virtual Colour backColour() const = 0;

    RECT pixelRect(const Placement& placement) const;
    const std::vector<WindowlessControl*>& windowlessControls() const { return windowless_; }
    // Every windowed control inside, at any depth.
    void collectWindowedControls(std::vector<WindowedControl*>& found) const;

    void invalidatePixels(const RECT& area) const;
    // Tells the user controls directly inside that an ambient property changed.
    void notifyAmbientChanged(std::string_view name) const;

  protected:
    void paintWindowlessControls(HDC dc) const;
    WindowlessControl* windowlessControlAt(POINT point) const;
    // A press message (WM_xBUTTONDOWN or DBLCLK): raises MouseDown on the
    // windowless control under it; false when none takes it.
    bool pressWindowlessControl(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Cuts every control loose; containers call it while they still exist.
    void detachControls();

  private:
    friend class WindowlessControl;
    friend class WindowedControl;
    void remove(WindowlessControl* control);
    void remove(WindowedControl* control);
    std::vector<WindowlessControl*> windowless_;
    std::vector<WindowedControl*> windowed_;
};

} // namespace forms
