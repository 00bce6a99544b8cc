#pragma once

#include <windows.h>

namespace dialog {

// A modal dialog of Windows' dialog class, made from an empty template in
// memory: the dialog manager gives it the keyboard (Tab, arrows in groups,
// Enter for the default button, Escape, access keys) and its controls the
// accessibility of standard controls. A derived dialog creates its controls
// when it opens and answers its messages.
class ModalDialog {
  public:
    ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;
    virtual ~ModalDialog() = default;

    // Shows the dialog with that window style until close(). Returns the
    // value given to close(), or -1 when it could not open.
    INT_PTR showModal(DWORD style);

    HWND handle() const { return window_; }

  protected:
    // The dialog opens: make its controls. True when the focus was set.
    virtual bool onOpen() = 0;
    // Any other message. True when handled, with its answer in result.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    void close(INT_PTR value);

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

} // namespace dialog
