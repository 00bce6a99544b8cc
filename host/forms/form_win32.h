#pragma once

#include "colour.h"
#include "container_win32.h"
#include "control_set_win32.h"
#include "font_description.h"
#include "gdi_win32.h"
#include "picture_win32.h"
#include "window_win32.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Timer;
class UserControl;

enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2 };

// A top-level window holding controls, subclassed for each form. It is
// loaded hidden (its window and controls are made and handleLoad runs),
// shown modelessly or modally, and unloaded: handleQueryUnload may cancel,
// then handleUnload runs and the window goes. The window's close command and
// the end of the Windows session unload it the same way.
class Form : public Container, private MessageTarget {
  public:
    Form();
    ~Form() override;

    // Makes the window; handleLoad then makes the controls. A form loaded
    // again gets fresh controls.
    bool load();
    bool isLoaded() const { return loaded_; }
    bool show();
    // Shows the form and returns once it has been unloaded; meanwhile the
    // thread's other windows are disabled.
    bool showModal();
    // False when handleQueryUnload cancelled.
    bool unload();
    HWND handle() const { return window_; }

    HWND containerWindow() const override { return window_; }
    Form* form() const override { return const_cast<Form*>(this); }
    Colour backColour() const override { return backColour_; }
    void setBackColour(Colour colour);

    std::string caption() const;
    void setCaption(std::string_view caption);
    // Before the form loads.
    void setBorderStyle(BorderStyle style) { borderStyle_ = style; }
    const FontDescription& font() const { return font_; }
    void setFont(const FontDescription& font) { font_ = font; }
    void setIcon(PictureRef icon);

    // Outer size, and position on the screen or, once the form is a child
    // window, in the parent's client area, in twips.
    int width() const;
    int height() const;
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    void setClientSize(int width, int height);

    ControlSet& controls() { return controls_; }

    // Keyboard: Tab order, default (Enter) and cancel (Escape) buttons.
    std::vector<WindowedControl*> tabOrder() const;
    void moveFocus(bool forward);
    WindowedControl* focusedControl() const;
    UserControl* defaultButton() const { return defaultButton_; }
    UserControl* cancelButton() const { return cancelButton_; }
    void setDefaultButton(UserControl* button);
    void setCancelButton(UserControl* button) { cancelButton_ = button; }
    void forgetButton(const UserControl* button);
    // Tab, before the message goes to IsDialogMessageW; true when used.
    bool preTranslateMessage(const MSG& message);

    static Form* fromWindow(HWND window);
    static int loadedCount();

  protected:
    virtual void handleLoad() {}
    virtual void handleQueryUnload(bool& /*cancel*/) {}
    virtual void handleUnload() {}

  private:
    friend class Timer;
    bool onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT& result) override;
    void onWindowDestroyed() override;
    Form* asForm() override { return this; }
    bool createWindow();
    void paint(HDC dc);
    void focusFirst();
    void pressButton(WORD command);
    void restoreFocus();
    void restoreDisabledWindows();
    void finishUnload();

    HWND window_ = nullptr;
    std::string caption_;
    Colour backColour_ = systemButtonFace;
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    FontDescription font_;
    PictureRef icon_;
    MemoryCanvas paintBuffer_;
    ControlSet controls_;
    std::vector<Timer*> timers_;
    std::vector<HWND> disabledWindows_;
    HWND lastFocus_ = nullptr;
    UserControl* defaultButton_ = nullptr;
    UserControl* cancelButton_ = nullptr;
    bool loaded_ = false;
    bool unloading_ = false;
    bool destroying_ = false;
};

} // namespace forms
