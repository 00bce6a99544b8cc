#include "message_loop_win32.h"

#include "form_win32.h"

namespace forms {

void dispatchMessage(const MSG& message) {
    Form* form = Form::fromWindow(message.hwnd);
    if (form && form->preTranslateMessage(message)) {
        return;
    }
    // Windows' dialog keyboard, which also translates and dispatches.
    MSG copy = message;
    if (form && form->handle() && IsWindowEnabled(form->handle()) &&
        IsDialogMessageW(form->handle(), &copy)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void runMessageLoop() {
    MSG message;
    while (Form::loadedCount() > 0) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            return;
        }
        dispatchMessage(message);
    }
}

void doEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Left for the loop that runs the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatchMessage(message);
    }
}

} // namespace forms
