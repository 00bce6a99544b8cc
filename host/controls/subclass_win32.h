#pragma once

// Window subclassing for one owner object: the owner receives the messages
// it registered, before or after the window's previous procedure. Built on
// the system's SetWindowSubclass, one subclass per owner and window, so
// several owners may subclass one window and remove themselves in any order.

#include "subclass_table.h"

#include <windows.h>

#include <memory>

namespace controls {

inline WindowId idOf(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

class WindowSubclasser {
  public:
    explicit WindowSubclasser(SubclassOwner& owner);
    // Stops every subclass still in place.
    ~WindowSubclasser();
    WindowSubclasser(const WindowSubclasser&) = delete;
    WindowSubclasser& operator=(const WindowSubclasser&) = delete;

    // Subclasses a window of this thread; returns its entry index, the
    // existing one if this owner subclasses it already, or -1 on failure
    // (the window is then left as it was).
    int start(HWND window);
    // Registers a message (handleBefore, handleAfter or both); a window
    // this owner does not subclass is skipped.
    void addMessage(HWND window, UINT message, int when);
    // Removes this owner's subclass; a window it does not subclass is
    // skipped. The window's procedure chain of other owners stays intact.
    void stop(HWND window);

    const SubclassTable& table() const { return table_; }

  private:
    static LRESULT CALLBACK intercept(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);

    SubclassOwner& owner_;
    SubclassTable table_;
    // Expires with the owner, so a callback that destroys it ends the
    // dispatch safely.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace controls
