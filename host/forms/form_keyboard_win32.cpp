#include "form_win32.h"

#include "user_control_win32.h"

#include <algorithm>
#include <climits>

// The keyboard of a form: the Tab order by tab index and the focus. Enter,
// Escape and access keys are Windows' dialog keyboard (IsDialogMessageW),
// which reports Enter and Escape to the form as IDOK and IDCANCEL.

namespace forms {

std::vector<WindowedControl*> Form::tabOrder() const {
    std::vector<WindowedControl*> order;
    collectWindowedControls(order);
    std::stable_sort(order.begin(), order.end(), [](WindowedControl* a, WindowedControl* b) {
        int keyA = a->tabIndex() < 0 ? INT_MAX : a->tabIndex();
        int keyB = b->tabIndex() < 0 ? INT_MAX : b->tabIndex();
        return keyA != keyB ? keyA < keyB : a->sequence() < b->sequence();
    });
    return order;
}

WindowedControl* Form::focusedControl() const {
    HWND focus = GetFocus();
    for (HWND step = focus; step && step != window_; step = GetParent(step)) {
        WindowedControl* control = controlOf(step);
        if (control && control->form() == this) {
            return control;
        }
    }
    return nullptr;
}

void Form::focusFirst() {
    for (WindowedControl* control : tabOrder()) {
        if (control->canReceiveFocus()) {
            control->setFocus();
            return;
        }
    }
}

void Form::restoreFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_) &&
        IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
    } else if (!focusedControl()) {
        focusFirst();
    }
}

void Form::moveFocus(bool forward) {
    std::vector<WindowedControl*> order = tabOrder();
    if (order.empty()) {
        return;
    }
    std::size_t count = order.size();
    auto current = std::find(order.begin(), order.end(), focusedControl());
    std::size_t start = current == order.end() ? (forward ? count - 1 : 0)
                                               : static_cast<std::size_t>(current - order.begin());
    for (std::size_t step = 1; step <= count; ++step) {
        std::size_t at = forward ? (start + step) % count : (start + count - step) % count;
        if (order[at]->canReceiveFocus()) {
            order[at]->setFocus();
            return;
        }
    }
}

void Form::setDefaultButton(UserControl* button) {
    UserControl* previous = defaultButton_;
    defaultButton_ = button;
    if (previous && previous != button) {
        previous->ambientChanged("DisplayAsDefault");
    }
    if (button) {
        button->ambientChanged("DisplayAsDefault");
    }
}

void Form::forgetButton(const UserControl* button) {
    if (defaultButton_ == button) {
        defaultButton_ = nullptr;
    }
    if (cancelButton_ == button) {
        cancelButton_ = nullptr;
    }
}

bool Form::preTranslateMessage(const MSG& message) {
    // Tab goes by tab index across containers: Windows' own order follows
    // each container's windows, and the dialog's scroll bar, inside the
    // frame, comes after the buttons and banners on the form.
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || !window_ ||
        !IsWindowEnabled(window_)) {
        return false;
    }
    moveFocus(GetKeyState(VK_SHIFT) >= 0);
    return true;
}

void Form::pressButton(WORD command) {
    UserControl* button = command == IDCANCEL ? cancelButton_ : defaultButton_;
    if (button && button->enabled() && button->visible()) {
        button->accessKeyPress(command == IDCANCEL ? VK_ESCAPE : VK_RETURN);
    }
}

} // namespace forms
