#pragma once

#include "form_description.h"
#include "form_win32.h"

#include <string>

namespace forms {

// Makes the controls of a description on a form whose window exists, in the
// order the description gives them, and puts them in the form's control set.
// Standard kinds: Label, Image, Shape, PictureBox, HScrollBar, ComboBox and
// Timer; any other kind is a user control made by the context. A control's
// container must be a user control declared before it. Unknown properties,
// values of the wrong type and picture names that do not resolve are errors.
bool buildControls(Form& form, const FormDescription& description, const BuildContext& context,
                   std::string* error);

} // namespace forms
