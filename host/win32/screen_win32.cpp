#include "screen_win32.h"

#include "gdi_win32.h"
#include "twips.h"

#include <windows.h>

namespace win32 {

namespace {

int screenDotsPerInch(int index) {
    WindowDc dc;
    return dc.get() ? GetDeviceCaps(dc, index) : 96;
}

} // namespace

int Screen::dotsPerInch() {
    return screenDotsPerInch(LOGPIXELSY);
}

float Screen::twipsPerPixelX() {
    return twipsPerPixelFor(screenDotsPerInch(LOGPIXELSX));
}

float Screen::twipsPerPixelY() {
    return twipsPerPixelFor(dotsPerInch());
}

float Screen::widthTwips() {
    return static_cast<float>(GetSystemMetrics(SM_CXSCREEN)) * twipsPerPixelX();
}

float Screen::heightTwips() {
    return static_cast<float>(GetSystemMetrics(SM_CYSCREEN)) * twipsPerPixelY();
}

} // namespace win32
