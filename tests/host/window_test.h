#pragma once

// Shared by the tests that show forms and controls on the display: running
// the message loop for a while, reading what a window paints, and forms
// whose controls a test makes in code.

#include "combo_box_win32.h"
#include "form_win32.h"
#include "hscroll_bar_win32.h"
#include "image_win32.h"
#include "label_win32.h"
#include "message_loop_win32.h"
#include "picture_box_win32.h"
#include "program_win32.h"
#include "screen_win32.h"
#include "shape_win32.h"
#include "text_win32.h"
#include "timer_win32.h"
#include "twips.h"
#include "user_control_win32.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

// Runs the message loop until done() or the time is up.
template <class Done> bool pumpUntil(Done done, DWORD milliseconds = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        forms::doEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

inline void pump(DWORD milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

// What a window paints into its client area (the back buffer and the
// windowless controls over it), through WM_PRINTCLIENT.
inline forms::MemoryCanvas printed(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    forms::MemoryCanvas canvas(client.right, client.bottom);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    return canvas;
}

// A form whose controls a test makes once its window exists.
class CodeForm : public forms::Form {
  public:
    std::function<void(CodeForm&)> build;

  protected:
    void handleLoad() override {
        if (build) {
            build(*this);
        }
    }
};

// A user control of type T in container, its properties read from the
// given keys and texts as from any property bag.
template <class T>
T* addUserControl(forms::Form& form, forms::Container& container, const forms::Placement& place,
                  std::initializer_list<std::pair<const char*, const char*>> properties,
                  int tabIndex = -1) {
    forms::PropertyBag bag;
    for (const auto& [key, value] : properties) {
        bag.setText(key, value);
    }
    auto control = std::make_unique<T>();
    if (!control->create(container, place, &bag)) {
        return nullptr;
    }
    control->setTabIndex(tabIndex);
    return form.controls().add(std::move(control));
}
