#pragma once

// Shared by the tests that show the custom controls on real forms: running
// the message loop for a while, and reading what a window paints.

#include "custom_controls_win32.h"
#include "forms_win32.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

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

// A form built from a description whose user controls are the host's own.
inline std::unique_ptr<forms::Form> customControlsForm(std::string_view text, std::string* error) {
    auto description = forms::parseFormDescription(text, error);
    if (!description) {
        return nullptr;
    }
    forms::BuildContext context;
    registerCustomControls(context);
    return std::make_unique<forms::Form>(*description, context);
}
