#pragma once

// Which of its five looks a push button shows, from the state Windows keeps
// for it.

namespace controls {

enum ButtonDrawState : int {
    StateDisabled = 0,
    StateNormal = 1,
    StateFocused = 2, // focused, or the dialog's default button
    StateHot = 3,     // the pointer is over it
    StatePressed = 4,
};

struct ButtonState {
    bool enabled = true;
    bool pushed = false;
    bool hot = false;
    bool focused = false;
    bool isDefault = false;
};

// Disabled first, then pressed, hot, focused or default, else normal.
constexpr ButtonDrawState buttonLook(const ButtonState& s) {
    return !s.enabled                 ? StateDisabled
           : s.pushed                 ? StatePressed
           : s.hot                    ? StateHot
           : s.focused || s.isDefault ? StateFocused
                                      : StateNormal;
}

// The focus rectangle shows on the focused button in every look but the
// normal and the disabled one.
constexpr bool showsFocusRect(const ButtonState& s) {
    return s.focused && buttonLook(s) > StateNormal;
}

} // namespace controls
