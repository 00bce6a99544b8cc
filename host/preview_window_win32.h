#pragma once

#include "form_win32.h"
#include "image_win32.h"
#include "preview_parent_win32.h"
#include "timer_win32.h"

#include <windows.h>

// The still preview inside the display control panel's preview area: a
// borderless black form made a child of the given window, sized to it, with
// the preview picture at its top-left corner.
class PreviewWindow : public forms::Form {
  public:
    PreviewWindow();

    // Puts the form into parent and shows it. False when parent is not a
    // window; nothing is shown then.
    bool setUp(HWND parent);

  protected:
    void handleUnload() override;

  private:
    void watchParent();

    HWND parent_ = nullptr;
    forms::Image previewImage_;
    // Ends the process once the preview area is gone, even if its owner
    // never destroyed our window with it.
    forms::Timer parentWatch_{*this, 250, false};
    // Ends it as soon as the process that owns the preview area ends,
    // whether or not our window went with it.
    OwnerProcessWatch parentProcess_;
};
