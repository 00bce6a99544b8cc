#pragma once

#include <string>

namespace dialog {

// The message a confirmation shows when it could not write the settings
// file: the dialog's own text, then Windows' reason for systemCode on a line
// of its own when Windows has one.
std::wstring saveFailureText(bool partly, unsigned long systemCode);

} // namespace dialog
