#pragma once

#include "mouse_win32.h"

namespace forms {

// The primary screen in twips, and the screen-wide mouse pointer: while it
// is not Default, every window of the program shows it.
class Screen {
  public:
    // The screen's vertical dots per inch, as fonts and pictures take it.
    static int dotsPerInch();
    static float twipsPerPixelX();
    static float twipsPerPixelY();
    static float widthTwips();
    static float heightTwips();

    static void setMousePointer(MousePointer pointer);
    // Sets the screen pointer for WM_SETCURSOR; false while it is Default.
    static bool applyPointer();
};

} // namespace forms
