#include "preview_window_win32.h"

#include "colour.h"
#include "picture_win32.h"
#include "program_win32.h"
#include "screen_win32.h"
#include "twips.h"

namespace {

constexpr forms::Colour black = 0x000000;

} // namespace

PreviewWindow::PreviewWindow()
    : previewImage_(*this, forms::Placement{},
                    forms::Picture::fromResource(GetModuleHandleW(nullptr), L"PREVIEW")) {
    setCaption("Preview Window");
    setBorderStyle(forms::BorderStyle::None);
    setBackColour(black);
    parentWatch_.onTimer = [this] { watchParent(); };
}

bool PreviewWindow::setUp(HWND parent) {
    // The form's window is created under the awareness of the window it
    // goes into: Windows allows no child of a different awareness.
    adoptDpiAwarenessOf(parent);
    RECT area = {};
    if (!parent || !IsWindow(parent) || !GetWindowRect(parent, &area)) {
        return false;
    }
    float perPixelX = forms::Screen::twipsPerPixelX();
    float perPixelY = forms::Screen::twipsPerPixelY();
    int widthTwips = forms::pixelsToTwips(area.right - area.left, perPixelX);
    int heightTwips = forms::pixelsToTwips(area.bottom - area.top, perPixelY);
    if (!load()) {
        return false;
    }
    parent_ = parent;
    parentProcess_.watch(parent);
    HWND window = handle();
    // A child window may not keep the pop-up style as well.
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD);
    // Nothing is sent to the preview area's thread when our window goes: that
    // thread may be shutting down and no longer answer, and the preview would
    // wait for it instead of ending.
    LONG_PTR extendedStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    SetWindowLongPtrW(window, GWL_EXSTYLE, extendedStyle | WS_EX_NOPARENTNOTIFY);
    if (!SetParent(window, parent)) {
        return false;
    }
    move(0, 0, widthTwips, heightTwips);
    previewImage_.move(forms::Placement{0, 0, widthTwips, heightTwips});
    parentWatch_.setEnabled(true);
    return show();
}

void PreviewWindow::watchParent() {
    if (!IsWindow(parent_)) {
        forms::endProgram(0);
    }
}

void PreviewWindow::handleUnload() {
    // Also runs when the preview area is destroyed and takes our window with
    // it; then no message would wake the program's loop again.
    PostQuitMessage(0);
}
