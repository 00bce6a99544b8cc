#pragma once

namespace win32 {

// The primary screen's resolution and size in twips.
class Screen {
  public:
    // The screen's vertical dots per inch, as fonts and pictures take it.
    static int dotsPerInch();
    static float twipsPerPixelX();
    static float twipsPerPixelY();
    static float widthTwips();
    static float heightTwips();
};

} // namespace win32
