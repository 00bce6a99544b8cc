#include "settings_dialog_win32.h"

#include "button_look.h"
#include "flat_button_paint_win32.h"
#include "shadow_frame_paint_win32.h"
#include "shadow_frame_props.h"

#include "dialog_logic.h"
#include "text_win32.h"

// The settings dialog's painting: its own picture (background, frame,
// engraved caption boxes) and the controls it paints over it.

namespace dialog {

// The dialog's own picture: background, frame with its engraved caption
// boxes. Controls painted by us show it where they are transparent.
void SettingsDialog::paintBackground() {
    RECT client = {};
    GetClientRect(handle(), &client);
    background_ = win32::MemoryCanvas(client.right, client.bottom);
    if (!background_.valid()) {
        return;
    }
    win32::fillRectangle(background_.dc(), client, layout::backColour);

    RECT frame = pixels(layout::frame, false);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    win32::MemoryCanvas face(width, height);
    if (!face.valid()) {
        return;
    }
    controls::ShadowFrameProps props = controls::defaultShadowFrameProps(layout::backColour);
    props.shadowDepth = layout::frameShadowDepth;
    controls::paintFrame(face.dc(), controls::paintableShadowFrame(props), width, height, width,
                         height, layout::backColour);
    // Each white outline one pixel right of and below its black one.
    auto outline = [&](const layout::Box& box, int offset, win32::Colour colour) {
        RECT place = pixels({box.left + offset, box.top + offset, box.width, box.height}, false);
        win32::SelectedObject pen(face.dc(), GetStockObject(DC_PEN));
        win32::SelectedObject brush(face.dc(), GetStockObject(NULL_BRUSH));
        SetDCPenColor(face.dc(), colour);
        Rectangle(face.dc(), place.left, place.top, place.right, place.bottom);
    };
    for (const layout::Box* box : {&layout::musicBoxBlack, &layout::countBoxBlack}) {
        outline(*box, 0, layout::black);
        outline(*box, engraveOffsetTwips, layout::white);
    }
    BitBlt(background_.dc(), frame.left, frame.top, width, height, face.dc(), 0, 0, SRCCOPY);
}

void SettingsDialog::paintBackgroundBehind(HWND control, HDC dc) const {
    RECT place = {};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&place), 2);
    BitBlt(dc, 0, 0, place.right - place.left, place.bottom - place.top, background_.dc(),
           place.left, place.top, SRCCOPY);
}

void SettingsDialog::paintCaption(HWND control, HDC dc, const RECT& area, bool centred,
                                  bool border) const {
    paintBackgroundBehind(control, dc);
    RECT text = area;
    if (border) {
        FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&text, -2, -2);
    }
    const std::wstring caption = win32::widen(win32::windowText(control));
    const bool prefix = (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX) == 0;
    UINT format =
        DT_TOP | DT_WORDBREAK | (centred ? DT_CENTER : DT_LEFT) | (prefix ? 0 : DT_NOPREFIX);
    win32::SelectedObject font(dc, captionFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, layout::black);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, format);
}

// One of the button's five looks, from the button's own state.
void SettingsDialog::paintPushButton(HWND button, HDC dc, const RECT& area) const {
    controls::ButtonState state;
    state.enabled = IsWindowEnabled(button) != FALSE;
    state.pushed = (SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    POINT pointer = {};
    state.hot = GetCursorPos(&pointer) && WindowFromPoint(pointer) == button;
    state.focused = GetFocus() == button;
    state.isDefault = (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    const controls::ButtonDrawState look = controls::buttonLook(state);
    controls::FlatButtonLook paint;
    paint.caption = win32::windowText(button);
    paint.font = captionFont_.get();
    paint.captionColour = layout::black;
    paint.enabled = look != controls::StateDisabled;
    paint.focusRect = controls::showsFocusRect(state);
    paint.backColour = layout::backColour;
    controls::paintFlatButton(dc, area.right, area.bottom, look, paint);
}

void SettingsDialog::paintSource(int source, HDC dc, const RECT& area) const {
    HWND button = sources_[source];
    paintBackgroundBehind(button, dc);
    RECT markArea = pixels(layout::sourceMarks[source], true);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, markArea.right - markArea.left, markArea.bottom - markArea.top);
    win32::drawBitmap(dc, (source == selectedMark_ ? markOn_ : markOff_).get(), 0, 0);
    RestoreDC(dc, saved);
    RECT text = {captionOffset_[source], 0, area.right, area.bottom};
    std::wstring caption = win32::widen(layout::sourceCaptions[source].text);
    win32::SelectedObject font(dc, captionFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, layout::black);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_TOP | DT_WORDBREAK);
    // The focus cue follows Windows' rule: hidden until the keyboard is used.
    const LRESULT cues = SendMessageW(button, WM_QUERYUISTATE, 0, 0);
    if (GetFocus() == button && !(cues & UISF_HIDEFOCUS)) {
        DrawFocusRect(dc, &text);
    }
}

void SettingsDialog::paintBannerBox(int side, HDC dc, const RECT& area) const {
    win32::fillRectangle(dc, area, layout::black);
    win32::drawBitmap(dc, bannerShown_[side], 0, 0);
}

} // namespace dialog
