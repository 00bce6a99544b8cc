#pragma once

#include "plain_window_win32.h"
#include "preview_parent_win32.h"

#include "picture_win32.h"

#include <windows.h>

// The still preview inside the display control panel's preview area: a
// borderless black window made a child of the given window, sized to it,
// with the preview picture at its top-left corner.
class PreviewWindow : public win32::PlainWindow {
  public:
    PreviewWindow();

    // Puts the window into parent and shows it. False when parent is not a
    // window; nothing is shown then.
    bool setUp(HWND parent);

  private:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void onDestroyed() override;
    void paint(HDC dc) const;

    HWND parent_ = nullptr;
    win32::GdiObject<HBITMAP> picture_;
    // Ends the process once the preview area is gone, even if its owner
    // never destroyed our window with it.
    win32::WindowTimer parentWatch_{*this, 250, false};
    // Ends it as soon as the process that owns the preview area ends,
    // whether or not our window went with it.
    OwnerProcessWatch parentProcess_;
};
