#include "subclass_win32.h"

#include <commctrl.h>

namespace controls {

WindowSubclasser::WindowSubclasser(SubclassOwner& owner) : owner_(owner) {}

WindowSubclasser::~WindowSubclasser() {
    for (int i = 0; i < table_.size(); ++i) {
        if (const WindowId id = table_.entry(i)->window; id != 0) {
            RemoveWindowSubclass(reinterpret_cast<HWND>(id), intercept,
                                 reinterpret_cast<UINT_PTR>(this));
        }
    }
}

int WindowSubclasser::start(HWND window) {
    if (const int existing = table_.findEntry(idOf(window), false); existing >= 0) {
        return existing;
    }
    if (!IsWindow(window)) {
        return -1;
    }
    const auto self = reinterpret_cast<UINT_PTR>(this);
    if (!SetWindowSubclass(window, intercept, self, self)) {
        return -1;
    }
    return table_.insert(idOf(window));
}

void WindowSubclasser::addMessage(HWND window, UINT message, int when) {
    table_.addMessage(idOf(window), message, when);
}

void WindowSubclasser::stop(HWND window) {
    if (table_.release(idOf(window))) {
        RemoveWindowSubclass(window, intercept, reinterpret_cast<UINT_PTR>(this));
    }
}

LRESULT CALLBACK WindowSubclasser::intercept(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR id, DWORD_PTR selfValue) {
    auto* self = reinterpret_cast<WindowSubclasser*>(selfValue);
    const std::weak_ptr<int> alive = self->alive_;
    const WindowId windowId = idOf(window);

    const CurrentEntry currentEntry = [&]() -> const SubclassEntry* {
        return alive.expired() ? nullptr : self->table_.entryOf(windowId);
    };
    // The chain continues on the subclassed window itself; the callback may
    // change the message and its parameters but not redirect it.
    const CallPrevious callPrevious = [window](const SubclassMessage& m) {
        return DefSubclassProc(window, m.message, m.wParam, m.lParam);
    };
    const LRESULT result = dispatchSubclassed({windowId, message, wParam, lParam}, currentEntry,
                                              self->owner_, callPrevious);

    // The window is gone after this message: drop the subclass so that a
    // later window with the same handle is not taken for it.
    if (message == WM_NCDESTROY && !alive.expired()) {
        RemoveWindowSubclass(window, intercept, id);
        self->table_.release(windowId);
    }
    return result;
}

} // namespace controls
