#include "subclass_win32.h"

#include <commctrl.h>

namespace {

WindowId IdOf(HWND hWnd) {
    return reinterpret_cast<WindowId>(hWnd);
}

HWND WindowOf(WindowId id) {
    return reinterpret_cast<HWND>(id);
}

} // namespace

WindowSubclasser::WindowSubclasser(SubclassOwner& owner) : owner_(owner) {}

WindowSubclasser::~WindowSubclasser() {
    for (int i = 0; i < table_.size(); ++i) {
        if (const WindowId window = table_.Entry(i)->hWnd; window != 0) {
            RemoveWindowSubclass(WindowOf(window), Intercept, reinterpret_cast<UINT_PTR>(this));
        }
    }
}

int WindowSubclasser::SubclassStart(HWND hWnd) {
    if (const int existing = table_.FindEntry(IdOf(hWnd), false); existing >= 0) {
        return existing;
    }
    if (!IsWindow(hWnd)) {
        return -1;
    }
    const auto self = reinterpret_cast<UINT_PTR>(this);
    if (!SetWindowSubclass(hWnd, Intercept, self, self)) {
        return -1;
    }
    return table_.Insert(IdOf(hWnd));
}

void WindowSubclasser::AddMsg(HWND hWnd, UINT uMsg, int when) {
    table_.AddMsg(IdOf(hWnd), uMsg, when);
}

void WindowSubclasser::SubclassStop(HWND hWnd) {
    if (table_.Release(IdOf(hWnd))) {
        RemoveWindowSubclass(hWnd, Intercept, reinterpret_cast<UINT_PTR>(this));
    }
}

LRESULT CALLBACK WindowSubclasser::Intercept(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR selfValue) {
    auto* self = reinterpret_cast<WindowSubclasser*>(selfValue);
    const std::weak_ptr<int> alive = self->alive_;
    const WindowId window = IdOf(hWnd);

    const CurrentEntry currentEntry = [&]() -> const SubclassEntry* {
        return alive.expired() ? nullptr : self->table_.EntryOf(window);
    };
    // The chain continues on the subclassed window itself; the callback may
    // change the message and its parameters but not redirect it.
    const CallPrevious callPrevious = [hWnd](const SubclassMessage& m) {
        return DefSubclassProc(hWnd, m.uMsg, m.wParam, m.lParam);
    };
    const LRESULT result = DispatchSubclassed({window, uMsg, wParam, lParam}, currentEntry,
                                              self->owner_, callPrevious);

    // The window is gone after this message: drop the subclass so that a
    // later window with the same handle is not taken for it.
    if (uMsg == WM_NCDESTROY && !alive.expired()) {
        RemoveWindowSubclass(hWnd, Intercept, id);
        self->table_.Release(window);
    }
    return result;
}
