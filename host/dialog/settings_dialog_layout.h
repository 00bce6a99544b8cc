#pragma once

#include <string_view>

// The settings dialog's layout as a form description (settings_dialog.desc,
// compiled into the program), UTF-8.
std::string_view settingsDialogLayout();
