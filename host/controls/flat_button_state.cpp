#include "flat_button_state.h"

#include <cmath>

namespace controls {

void FlatButtonState::redraw(int state) {
    if (busy_) {
        return;
    }
    drawState_ = state;
    // A repaint that triggers another one (nested messages) paints only once.
    busy_ = true;
    events_.paint({state, hasFocus_ && focusRect_ && state > StateNormal, enabled_});
    busy_ = false;
}

void FlatButtonState::redrawIfNeeded(int state) {
    if (drawState_ != state) {
        redraw(state);
    }
}

void FlatButtonState::mouseMove(int button, int shift, float x, float y, int width, int height) {
    hover_ = x >= 0 && x <= width && y >= 0 && y <= height;
    if (hover_) {
        events_.trackMouseLeave();
    }
    if (!formActive_ || spaceDown_) {
        return;
    }
    if (hover_) {
        redrawIfNeeded(pressed_ ? StatePressed : StateHot);
    } else {
        redrawIfNeeded(hasFocus_ ? StateFocused : StateNormal);
    }
    events_.mouseMove(button, shift, x, y);
}

void FlatButtonState::mouseLeave() {
    hover_ = false;
    if (spaceDown_ || drawState_ == StateDisabled) {
        return;
    }
    if (!hasFocus_ && !isDefault_) {
        redrawIfNeeded(StateNormal);
    } else if (drawState_ == StatePressed) {
        redraw(pressed_ ? StateFocused : StateNormal);
    } else if (drawState_ != StateFocused && formActive_) {
        redraw(StateFocused);
    }
}

void FlatButtonState::mouseDown(int button) {
    lastButton_ = button;
    if (button != leftButton) {
        return;
    }
    hasFocus_ = true;
    pressed_ = true;
    mouseDown_ = true;
    redrawIfNeeded(StatePressed);
}

void FlatButtonState::mouseUp(int button) {
    if (button != leftButton) {
        return;
    }
    if (formActive_) {
        if (hover_) {
            redrawIfNeeded(StateHot);
        } else if (hasFocus_) {
            redraw(StateFocused);
        }
        if (hover_ && hasFocus_ && pressed_) {
            events_.click();
        }
    }
    pressed_ = false;
    mouseDown_ = false;
}

void FlatButtonState::dblClick() {
    if (lastButton_ == leftButton) {
        redraw(StatePressed);
        events_.dblClick();
    }
}

void FlatButtonState::keyDown(int keyCode) {
    switch (keyCode) {
    case keyCodeReturn:
        events_.click();
        break;
    case keyCodeSpace:
        if (!mouseDown_) {
            spaceDown_ = true;
            pressed_ = true;
            redrawIfNeeded(StatePressed);
        }
        break;
    case keyCodeLeft:
    case keyCodeUp:
        events_.sendTab(true);
        break;
    case keyCodeRight:
    case keyCodeDown:
        events_.sendTab(false);
        break;
    default:
        break;
    }
}

void FlatButtonState::keyUp(int keyCode) {
    if (keyCode != keyCodeSpace || mouseDown_) {
        return;
    }
    if (!hover_) {
        redraw(StateFocused);
    } else {
        redrawIfNeeded(StateHot);
    }
    if (pressed_) {
        events_.click();
    }
    spaceDown_ = false;
    pressed_ = false;
}

void FlatButtonState::accessKeyPress() {
    if (!enabled_) {
        return;
    }
    if (spaceDown_) {
        spaceDown_ = false;
        pressed_ = false;
        if (hover_) {
            redrawIfNeeded(StateHot);
        } else {
            redraw(StateFocused);
        }
        return;
    }
    events_.processPendingMessages();
    events_.click();
}

void FlatButtonState::gotFocus() {
    hasFocus_ = true;
    if (hover_) {
        if (drawState_ != StateHot && drawState_ != StatePressed) {
            redraw(StateHot);
        }
    } else if (!pressed_) {
        redraw(StateFocused);
    }
}

void FlatButtonState::lostFocus() {
    hasFocus_ = false;
    pressed_ = false;
    spaceDown_ = false;
    if (!enabled_) {
        return;
    }
    if (!formActive_) {
        redrawIfNeeded(StateNormal);
    } else if (hover_) {
        redrawIfNeeded(StateHot);
    } else if (isDefault_) {
        redraw(StateFocused);
    } else {
        redrawIfNeeded(StateNormal);
    }
}

void FlatButtonState::formActivation(bool active) {
    if (active) {
        formActive_ = true;
        if (enabled_) {
            if (hover_) {
                redrawIfNeeded(StateHot);
            } else if (hasFocus_ || isDefault_) {
                redraw(StateFocused);
            }
        }
        events_.formActivate(1);
        return;
    }
    formActive_ = false;
    pressed_ = false;
    mouseDown_ = false;
    spaceDown_ = false;
    if (enabled_) {
        redrawIfNeeded(StateNormal);
    }
    events_.formActivate(0);
}

void FlatButtonState::ambientChanged(std::string_view name, bool displayAsDefault) {
    isDefault_ = displayAsDefault;
    if (!enabled_ || hover_ || name != "DisplayAsDefault") {
        return;
    }
    if (isDefault_) {
        redraw(StateFocused);
    } else {
        redrawIfNeeded(StateNormal);
    }
}

void FlatButtonState::setEnabled(bool value) {
    enabled_ = value;
    busy_ = false;
    const int plain = value ? StateNormal : StateDisabled;
    if (hover_ && value) {
        redraw(StateHot);
    } else if (isDefault_ && value) {
        redraw(StateFocused);
    } else if (plain != drawState_) {
        redraw(plain);
    }
}

void FlatButtonState::setFocusRect(bool value) {
    focusRect_ = value;
    if (hasFocus_) {
        redraw(drawState_);
    }
}

void FlatButtonState::repaint() {
    redraw(drawState_);
}

void FlatButtonState::loaded() {
    busy_ = false;
    redraw(drawState_);
}

void FlatButtonState::sizeSettled() {
    busy_ = false;
    redraw(drawState_);
}

std::string accessKeyOf(std::string_view caption) {
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

TwipsSize minimumButtonSize(TwipsSize size) {
    if (size.width < minimumButtonTwips) {
        size.width = minimumButtonTwips;
    }
    if (size.height < minimumButtonTwips) {
        size.height = minimumButtonTwips;
    }
    return size;
}

bool activationTurnsOn(MessageId message, WordParam wParam) {
    return message == messageActivate && (wParam & 0xFFFF) != 0;
}

PixelPoint snapTarget(int originX, int originY, int widthPixels, int heightPixels) {
    return {static_cast<int>(std::nearbyint(originX + widthPixels / 2.0)),
            static_cast<int>(std::nearbyint(originY + heightPixels / 2.0))};
}

} // namespace controls
