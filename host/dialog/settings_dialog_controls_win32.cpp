#include "settings_dialog_win32.h"

#include "banner_text.h"
#include "flat_button_paint_win32.h"

#include "gdi_win32.h"
#include "screen_win32.h"
#include "text_win32.h"
#include "twips.h"

#include <algorithm>

// The settings dialog's controls, made from the layout: standard windows,
// those with our looks painted through drawControlWith.

namespace dialog {

namespace {

// The width of a caption in its font, as a label sized to its text has:
// the layout's widths were measured with the fonts of the system it was
// drawn on, and a wider substitute font would wrap the last characters
// onto a line the label cannot show.
int textWidth(const std::string& text, HFONT font) {
    std::wstring wide = win32::widen(text);
    win32::WindowDc dc;
    SIZE size = {};
    if (!dc.get()) {
        return 0;
    }
    win32::SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font)
                                            : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

int pixelsX(int twips) {
    return win32::twipsToPixels(twips, win32::Screen::twipsPerPixelX());
}

int pixelsY(int twips) {
    return win32::twipsToPixels(twips, win32::Screen::twipsPerPixelY());
}

} // namespace

RECT SettingsDialog::pixels(const layout::Box& box, bool onFrame) const {
    RECT rect;
    rect.left = pixelsX(box.left) + (onFrame ? pixelsX(layout::frame.left) : 0);
    rect.top = pixelsY(box.top) + (onFrame ? pixelsY(layout::frame.top) : 0);
    rect.right = rect.left + pixelsX(box.width);
    rect.bottom = rect.top + pixelsY(box.height);
    return rect;
}

HWND SettingsDialog::addControl(const wchar_t* windowClass, const std::string& text, DWORD style,
                                const RECT& place, int id) {
    return CreateWindowExW(
        0, windowClass, win32::widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
        place.top, place.right - place.left, place.bottom - place.top, handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// A caption: a static control (so that a screen reader names the control
// after it) that the dialog paints transparently over the frame.
// A border, when asked for, is painted with the text, as part of the caption.
HWND SettingsDialog::addCaption(const layout::Caption& caption, int id, DWORD extraStyle,
                                bool border) {
    RECT place = pixels(caption.box, true);
    if (caption.sizedToText) {
        place.right = place.left + textWidth(caption.text, captionFont_.get());
    }
    HWND control = addControl(L"STATIC", caption.text,
                              (caption.centred ? SS_CENTER : SS_LEFT) | extraStyle, place, id);
    const bool centred = caption.centred;
    DrawnControl& drawn = drawn_[drawnCount_++];
    drawn.paint = [this, control, centred, border](HDC dc, const RECT& area) {
        paintCaption(control, dc, area, centred, border);
    };
    drawControlWith(control, drawn);
    return control;
}

void SettingsDialog::addPushButton(HWND& button, const layout::Caption& caption, int id,
                                   bool isDefault) {
    const bool onFrame = id == layout::id::fileButton;
    RECT place = pixels(caption.box, onFrame);
    button = addControl(L"BUTTON", caption.text,
                        WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), place, id);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_.get()), FALSE);
    SetWindowRgn(
        button,
        controls::flatButtonRegion(place.right - place.left, place.bottom - place.top).release(),
        FALSE);
    DrawnControl& drawn = drawn_[drawnCount_++];
    HWND window = button;
    drawn.paint = [this, window](HDC dc, const RECT& area) { paintPushButton(window, dc, area); };
    drawControlWith(button, drawn);
}

// A music source: a radio button over its option mark and its caption. A
// press of any mouse button chooses it at once, as the mark and the caption
// always did; the arrow keys choose within the group.
void SettingsDialog::addSource(int source) {
    const layout::Caption& caption = layout::sourceCaptions[source];
    RECT mark = pixels(layout::sourceMarks[source], true);
    RECT text = pixels(caption.box, true);
    text.right = text.left + textWidth(caption.text, captionFont_.get());
    RECT place = {mark.left, std::min(mark.top, text.top), std::max(mark.right, text.right),
                  std::max(mark.bottom, text.bottom)};
    captionOffset_[source] = text.left - mark.left;
    const bool first = source == bgmAudioCd;
    HWND button = addControl(L"BUTTON", caption.text, BS_AUTORADIOBUTTON | (first ? WS_GROUP : 0),
                             place, layout::id::firstSource + source);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_.get()), FALSE);
    sources_[source] = button;
    DrawnControl& drawn = drawn_[drawnCount_++];
    drawn.paint = [this, source](HDC dc, const RECT& area) { paintSource(source, dc, area); };
    drawn.press = [this, source](UINT) {
        chooseSource(source);
        return true;
    };
    drawControlWith(button, drawn);
}

// A banner box: a picture that answers a click, and Enter or Space while it
// has the focus, by opening the help or web page.
void SettingsDialog::addBannerBox(int side) {
    const char* name = kalendraWebAddress[0] ? layout::bannerBoxNameWeb : layout::bannerBoxNameHelp;
    HWND box =
        addControl(L"STATIC", name, SS_OWNERDRAW | SS_NOTIFY | WS_TABSTOP,
                   pixels(layout::bannerBoxes[side], false), layout::id::firstBannerBox + side);
    bannerBoxes_[side] = box;
    DrawnControl& drawn = drawn_[drawnCount_++];
    drawn.paint = [this, side](HDC dc, const RECT& area) { paintBannerBox(side, dc, area); };
    drawn.keyPress = [this] { openWebPage(); };
    drawControlWith(box, drawn);
}

} // namespace dialog
