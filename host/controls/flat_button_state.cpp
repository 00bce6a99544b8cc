#include "flat_button_state.h"

#include <cmath>

void FlatButtonState::Redraw(int state) {
    if (busy_) {
        return;
    }
    drawState_ = state;
    // A repaint that triggers another one (nested messages) paints only once.
    busy_ = true;
    events_.Paint({state, hasFocus_ && focusRect_ && state > StateNormal, enabled_});
    busy_ = false;
}

void FlatButtonState::RedrawIfNeeded(int state) {
    if (drawState_ != state) {
        Redraw(state);
    }
}

void FlatButtonState::MouseMove(int button, int shift, float x, float y, int width, int height) {
    hover_ = x >= 0 && x <= width && y >= 0 && y <= height;
    if (hover_) {
        events_.TrackMouseLeave();
    }
    if (!formActive_ || spaceDown_) {
        return;
    }
    if (hover_) {
        RedrawIfNeeded(pressed_ ? StatePressed : StateHot);
    } else {
        RedrawIfNeeded(hasFocus_ ? StateFocused : StateNormal);
    }
    events_.MouseMove(button, shift, x, y);
}

void FlatButtonState::MouseLeave() {
    hover_ = false;
    if (spaceDown_ || drawState_ == StateDisabled) {
        return;
    }
    if (!hasFocus_ && !isDefault_) {
        RedrawIfNeeded(StateNormal);
    } else if (drawState_ == StatePressed) {
        Redraw(pressed_ ? StateFocused : StateNormal);
    } else if (drawState_ != StateFocused && formActive_) {
        Redraw(StateFocused);
    }
}

void FlatButtonState::MouseDown(int button) {
    lastButton_ = button;
    if (button != LeftButton) {
        return;
    }
    hasFocus_ = true;
    pressed_ = true;
    mouseDown_ = true;
    RedrawIfNeeded(StatePressed);
}

void FlatButtonState::MouseUp(int button) {
    if (button != LeftButton) {
        return;
    }
    if (formActive_) {
        if (hover_) {
            RedrawIfNeeded(StateHot);
        } else if (hasFocus_) {
            Redraw(StateFocused);
        }
        if (hover_ && hasFocus_ && pressed_) {
            events_.Click();
        }
    }
    pressed_ = false;
    mouseDown_ = false;
}

void FlatButtonState::DblClick() {
    if (lastButton_ == LeftButton) {
        Redraw(StatePressed);
        events_.DblClick();
    }
}

void FlatButtonState::KeyDown(int keyCode) {
    switch (keyCode) {
    case KeyCodeReturn:
        events_.Click();
        break;
    case KeyCodeSpace:
        if (!mouseDown_) {
            spaceDown_ = true;
            pressed_ = true;
            RedrawIfNeeded(StatePressed);
        }
        break;
    case KeyCodeLeft:
    case KeyCodeUp:
        events_.SendTab(true);
        break;
    case KeyCodeRight:
    case KeyCodeDown:
        events_.SendTab(false);
        break;
    default:
        break;
    }
}

void FlatButtonState::KeyUp(int keyCode) {
    if (keyCode != KeyCodeSpace || mouseDown_) {
        return;
    }
    if (!hover_) {
        Redraw(StateFocused);
    } else {
        RedrawIfNeeded(StateHot);
    }
    if (pressed_) {
        events_.Click();
    }
    spaceDown_ = false;
    pressed_ = false;
}

void FlatButtonState::AccessKeyPress() {
    if (!enabled_) {
        return;
    }
    if (spaceDown_) {
        spaceDown_ = false;
        pressed_ = false;
        if (hover_) {
            RedrawIfNeeded(StateHot);
        } else {
            Redraw(StateFocused);
        }
        return;
    }
    events_.ProcessPendingMessages();
    events_.Click();
}

void FlatButtonState::GotFocus() {
    hasFocus_ = true;
    if (hover_) {
        if (drawState_ != StateHot && drawState_ != StatePressed) {
            Redraw(StateHot);
        }
    } else if (!pressed_) {
        Redraw(StateFocused);
    }
}

void FlatButtonState::LostFocus() {
    hasFocus_ = false;
    pressed_ = false;
    spaceDown_ = false;
    if (!enabled_) {
        return;
    }
    if (!formActive_) {
        RedrawIfNeeded(StateNormal);
    } else if (hover_) {
        RedrawIfNeeded(StateHot);
    } else if (isDefault_) {
        Redraw(StateFocused);
    } else {
        RedrawIfNeeded(StateNormal);
    }
}

void FlatButtonState::FormActivation(bool active) {
    if (active) {
        formActive_ = true;
        if (enabled_) {
            if (hover_) {
                RedrawIfNeeded(StateHot);
            } else if (hasFocus_ || isDefault_) {
                Redraw(StateFocused);
            }
        }
        events_.FormActivate(1);
        return;
    }
    formActive_ = false;
    pressed_ = false;
    mouseDown_ = false;
    spaceDown_ = false;
    if (enabled_) {
        RedrawIfNeeded(StateNormal);
    }
    events_.FormActivate(0);
}

void FlatButtonState::AmbientChanged(std::string_view name, bool displayAsDefault) {
    isDefault_ = displayAsDefault;
    if (!enabled_ || hover_ || name != "DisplayAsDefault") {
        return;
    }
    if (isDefault_) {
        Redraw(StateFocused);
    } else {
        RedrawIfNeeded(StateNormal);
    }
}

void FlatButtonState::SetEnabled(bool value) {
    enabled_ = value;
    busy_ = false;
    const int plain = value ? StateNormal : StateDisabled;
    if (hover_ && value) {
        Redraw(StateHot);
    } else if (isDefault_ && value) {
        Redraw(StateFocused);
    } else if (plain != drawState_) {
        Redraw(plain);
    }
}

void FlatButtonState::SetFocusRect(bool value) {
    focusRect_ = value;
    if (hasFocus_) {
        Redraw(drawState_);
    }
}

void FlatButtonState::Repaint() {
    Redraw(drawState_);
}

void FlatButtonState::Loaded() {
    busy_ = false;
    Redraw(drawState_);
}

void FlatButtonState::SizeSettled() {
    busy_ = false;
    Redraw(drawState_);
}

std::string AccessKeyOf(std::string_view caption) {
    // Every "&" needs a character after it; "&&" is skipped as a pair.
    std::size_t pos = 0;
    while (pos + 1 < caption.size()) {
        pos = caption.find('&', pos);
        if (pos == std::string_view::npos || pos + 1 >= caption.size()) {
            return {};
        }
        const unsigned char next = static_cast<unsigned char>(caption[pos + 1]);
        if (next == '&') {
            pos += 2;
            continue;
        }
        // One whole UTF-8 character: a lead byte and its continuation bytes.
        std::size_t length = 1;
        while (pos + 1 + length < caption.size() &&
               (static_cast<unsigned char>(caption[pos + 1 + length]) & 0xC0) == 0x80) {
            ++length;
        }
        std::string key(caption.substr(pos + 1, length));
        if (next >= 'A' && next <= 'Z') {
            key[0] = static_cast<char>(next - 'A' + 'a');
        }
        return key;
    }
    return {};
}

TwipsSize MinimumButtonSize(TwipsSize size) {
    if (size.width < MinimumButtonTwips) {
        size.width = MinimumButtonTwips;
    }
    if (size.height < MinimumButtonTwips) {
        size.height = MinimumButtonTwips;
    }
    return size;
}

bool ActivationTurnsOn(MessageId uMsg, WordParam wParam) {
    return uMsg == WmActivate && (wParam & 0xFFFF) != 0;
}

PixelPoint SnapTarget(int originX, int originY, int widthPixels, int heightPixels) {
    return {static_cast<int>(std::nearbyint(originX + widthPixels / 2.0)),
            static_cast<int>(std::nearbyint(originY + heightPixels / 2.0))};
}
