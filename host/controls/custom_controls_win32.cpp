#include "custom_controls_win32.h"

#include "flat_button_win32.h"
#include "property_bag.h"
#include "shadow_frame_win32.h"

std::unique_ptr<forms::UserControl> makeCustomControl(std::string_view kind) {
    if (forms::keysEqual(kind, FlatButton::Kind)) {
        return std::make_unique<FlatButton>();
    }
    if (forms::keysEqual(kind, ShadowFrame::Kind)) {
        return std::make_unique<ShadowFrame>();
    }
    return nullptr;
}

void registerCustomControls(forms::BuildContext& context) {
    auto earlier = std::move(context.makeUserControl);
    context.makeUserControl =
        [earlier](std::string_view kind) -> std::unique_ptr<forms::UserControl> {
        if (auto control = makeCustomControl(kind)) {
            return control;
        }
        return earlier ? earlier(kind) : nullptr;
    };
}
