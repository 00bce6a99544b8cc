#include "modal_dialog_win32.h"

namespace dialog {

namespace {

// DLGTEMPLATE followed by three empty words: no menu, the dialog class, no
// title (the title is set when it opens).
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

} // namespace

INT_PTR ModalDialog::showModal(DWORD style) {
    alignas(DWORD) EmptyTemplate empty = {};
    empty.header.style = style;
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &empty.header, nullptr,
                                             procedure, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    return result;
}

void ModalDialog::close(INT_PTR value) {
    if (window_) {
        EndDialog(window_, value);
    }
}

INT_PTR CALLBACK ModalDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ModalDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        return self->onOpen() ? FALSE : TRUE;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    LRESULT result = 0;
    if (!self || !self->onMessage(message, wParam, lParam, result)) {
        return FALSE;
    }
    // The answer goes through DWLP_MSGRESULT: no dialog here answers the
    // messages whose answer is returned directly (WM_CTLCOLOR...).
    SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace dialog
