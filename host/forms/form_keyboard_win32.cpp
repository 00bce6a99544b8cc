#include "form_win32.h"

#include "combo_box_win32.h"
#include "user_control_win32.h"

#include <algorithm>
#include <climits>
#include <cwctype>

// The keyboard of a form: the Tab order by tab index, the focus, the
// default (Enter) and cancel (Escape) buttons and access keys.

namespace forms {

namespace {

bool comboIsDropped(WindowedControl* control) {
    auto* combo = dynamic_cast<ComboBox*>(control);
    return combo && combo->handle() && SendMessageW(combo->handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

} // namespace

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
    if (!window_ || !IsWindowEnabled(window_)) {
        return false;
    }
    if (message.message == WM_KEYDOWN) {
        bool control = GetKeyState(VK_CONTROL) < 0;
        bool alt = GetKeyState(VK_MENU) < 0;
        WindowedControl* focused = focusedControl();
        switch (message.wParam) {
        case VK_TAB:
            if (control || alt) {
                return false;
            }
            moveFocus(GetKeyState(VK_SHIFT) >= 0);
            return true;
        case VK_RETURN:
            // A focused user control takes Enter itself.
            if (comboIsDropped(focused) || dynamic_cast<UserControl*>(focused) || !defaultButton_ ||
                !defaultButton_->enabled() || !defaultButton_->visible()) {
                return false;
            }
            defaultButton_->accessKeyPress(VK_RETURN);
            return true;
        case VK_ESCAPE:
            if (comboIsDropped(focused) || !cancelButton_ || !cancelButton_->enabled() ||
                !cancelButton_->visible()) {
                return false;
            }
            cancelButton_->accessKeyPress(VK_ESCAPE);
            return true;
        default:
            return false;
        }
    }
    if (message.message == WM_SYSCHAR) {
        wchar_t key = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(message.wParam)));
        if (key == 0 || key > 0x7F) {
            return false;
        }
        std::vector<UserControl*> users;
        collectUserControls(users);
        for (UserControl* user : users) {
            if (user->accessKeys().find(static_cast<char>(key)) == std::string::npos ||
                !user->enabled() || !IsWindowVisible(user->handle())) {
                continue;
            }
            if (user->canReceiveFocus()) {
                user->setFocus();
            }
            user->accessKeyPress(static_cast<int>(key));
            return true;
        }
    }
    return false;
}

} // namespace forms
