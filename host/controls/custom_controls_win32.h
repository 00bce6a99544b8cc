#pragma once

// How form descriptions make the host's own controls: the kinds
// "FlatButton" and "ShadowFrame".

#include "form_win32.h"
#include "user_control_win32.h"

#include <memory>
#include <string_view>

// A new, not yet created control of a kind (matched without regard to
// case); nullptr for any other kind.
std::unique_ptr<forms::UserControl> makeCustomControl(std::string_view kind);

// Lets a build context make both kinds; kinds it does not know go to the
// context's earlier factory, if it had one.
void registerCustomControls(forms::BuildContext& context);
