#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace win32 {

// A window of a class of our own (the run's hidden window, the preview):
// its messages go to onMessage, and the window goes with the object.
class PlainWindow {
  public:
    PlainWindow() = default;
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    virtual ~PlainWindow();

    // Registers the class on first use and creates the window; false when
    // it could not be made.
    bool create(const wchar_t* className, const std::string& titleUtf8, DWORD style,
                const RECT& place, HWND parent = nullptr);
    HWND handle() const { return window_; }

  protected:
    // True when handled, with the answer in result.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window is gone (destroyed by us or with its parent).
    virtual void onDestroyed() {}

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

// A repeating system timer on a window that calls onTick while enabled.
class WindowTimer {
  public:
    WindowTimer(const PlainWindow& window, UINT intervalMs, bool enabled);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Starts the timer if it is enabled, once the window exists.
    void start() { setEnabled(enabled_); }
    // Calls onTick when a WM_TIMER is this timer's; true when it was.
    bool tick(WPARAM timerId) const;

    std::function<void()> onTick;

  private:
    const PlainWindow& window_;
    UINT_PTR id_;
    UINT intervalMs_;
    bool enabled_;
};

} // namespace win32
