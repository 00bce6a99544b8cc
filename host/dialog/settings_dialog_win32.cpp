#include "settings_dialog_win32.h"

#include "banner_link_win32.h"
#include "dialog_logic.h"
#include "dialog_pictures_win32.h"
#include "music_file_chooser_win32.h"
#include "save_failure_win32.h"
#include "settings_file_win32.h"
#include "window_titles.h"

#include "gdi_win32.h"
#include "screen_win32.h"
#include "text_win32.h"
#include "twips.h"

#include <algorithm>
#include <optional>

namespace dialog {

namespace {

constexpr DWORD dialogStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr UINT_PTR bannerTimerId = 1;
// Room for the track box's list below its edit field when it drops down.
constexpr int trackListHeight = 200;

std::string bannerFrameName(int index) {
    return "banner" + std::string(index < 9 ? "0" : "") + std::to_string(index + 1);
}

} // namespace

SettingsDialog::SettingsDialog(LoadedSettings& settings, SettingsStore& store)
    : settings_(settings), store_(store),
      captionFont_(win32::createFont(layout::fontName, layout::fontPoints, layout::fontWeight,
                                     layout::fontCharset)),
      trackFont_(win32::createFont("Tahoma", 8.25, 400, DEFAULT_CHARSET)) {
    for (int i = 0; i < bannerFrameCount; ++i) {
        bannerFrames_[i] = dialogBitmap(bannerFrameName(i));
    }
    markOff_ = dialogBitmap("mark_off");
    markOn_ = dialogBitmap("mark_on");
    icon_ = dialogIcon("icon", false);
    hand_ = dialogIcon("hand", true);
}

void SettingsDialog::show() {
    showModal(dialogStyle);
}

// The windows in keyboard order: the music sources as one stop, the track
// box, "...", "設定", "ｷｬﾝｾﾙ", the banner boxes, the scroll bar. Each
// caption comes right before the control it names.
bool SettingsDialog::onOpen() {
    HWND window = handle();
    SetWindowTextW(window, win32::widen(titles::settingsDialog).c_str());
    if (icon_) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }

    // Size and place: centred across the screen, a third of the free
    // height down, the title bar counting towards the dialog's height.
    RECT outer = pixels({0, 0, layout::clientWidth, layout::clientHeight}, false);
    AdjustWindowRectEx(&outer, GetWindowLongW(window, GWL_STYLE), FALSE,
                       GetWindowLongW(window, GWL_EXSTYLE));
    const float perPixelX = win32::Screen::twipsPerPixelX();
    const float perPixelY = win32::Screen::twipsPerPixelY();
    DialogPlacement place =
        dialogPlacement(win32::Screen::widthTwips(), win32::Screen::heightTwips(),
                        win32::pixelsToTwips(outer.right - outer.left, perPixelX),
                        win32::pixelsToTwips(outer.bottom - outer.top, perPixelY));
    SetWindowPos(window, nullptr, win32::twipsToPixels(place.left, perPixelX),
                 win32::twipsToPixels(place.top, perPixelY), outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    paintBackground();

    for (int source : {bgmAudioCd, bgmNone, bgmMusicFile}) {
        addSource(source);
    }
    addCaption(layout::repeatCaption, layout::id::caption, WS_GROUP);
    RECT track = pixels(layout::trackBox, true);
    track.bottom += trackListHeight;
    trackBox_ =
        addControl(L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, track,
                   layout::id::trackBox);
    SendMessageW(trackBox_, WM_SETFONT, reinterpret_cast<WPARAM>(trackFont_.get()), FALSE);
    addPushButton(fileButton_, layout::fileButton, layout::id::fileButton, false);
    // A path is data: an "&" in it is a character, not an access key.
    fileLabel_ = addCaption({layout::fileLabel, ""}, layout::id::fileLabel, SS_NOPREFIX, true);
    addPushButton(saveButton_, layout::saveButton, layout::id::save, true);
    addPushButton(cancelButton_, layout::cancelButton, layout::id::cancel, false);
    addBannerBox(0);
    addBannerBox(1);
    addCaption(layout::musicCaption);
    addCaption(layout::minCaption);
    addCaption(layout::maxCaption);
    addCaption(layout::countLabel, layout::id::countLabel);
    countLabel_ = GetDlgItem(window, layout::id::countLabel);
    addCaption(layout::countCaption);
    countBar_ = addControl(L"SCROLLBAR", "", WS_TABSTOP | SBS_HORZ, pixels(layout::countBar, true),
                           layout::id::countBar);

    // A count outside the scroll bar's range is refused; it keeps its 5.
    if (settings_.flockHundreds >= layout::countMinimum &&
        settings_.flockHundreds <= layout::countMaximum) {
        countValue_ = settings_.flockHundreds;
    }
    SCROLLINFO info = {sizeof info,
                       SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL,
                       0,
                       layout::countMaximum - layout::countMinimum,
                       0,
                       countValue_ - layout::countMinimum,
                       0};
    SetScrollInfo(countBar_, SB_CTL, &info, TRUE);
    showCount();

    SourceControls source = sourceControlsFor(settings_.musicSource);
    showSourceMarks(source.selectedMark);
    EnableWindow(trackBox_, source.trackBoxEnabled);
    EnableWindow(fileButton_, source.fileButtonEnabled);

    // The stored track shows even when the list does not hold it.
    SetWindowTextW(trackBox_, win32::widen(trackText(settings_.repeatTrack)).c_str());
    for (const std::string& entry : trackListEntries()) {
        SendMessageW(trackBox_, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(win32::widen(entry).c_str()));
    }
    setCaptionText(fileLabel_, shownMusicPath(settings_.musicFile));

    POINT pointer = {};
    if (GetCursorPos(&pointer)) {
        animationX_ = static_cast<std::int16_t>(pointer.x);
        animationY_ = static_cast<std::int16_t>(pointer.y);
    }
    animate(true);
    SetTimer(window, bannerTimerId, layout::bannerIntervalMs, nullptr);
    SendMessageW(window, DM_SETDEFID, layout::id::save, 0);
    SetFocus(saveButton_);
    return true;
}

bool SettingsDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The dialog's own picture behind its controls.
    if (win32::handlePaintMessage(handle(), message, wParam, result, [this](HDC dc) {
            BitBlt(dc, 0, 0, background_.width(), background_.height(), background_.dc(), 0, 0,
                   SRCCOPY);
        })) {
        return true;
    }
    switch (message) {
    case WM_DRAWITEM: {
        // The banner boxes are owner-drawn statics: their painting is ours.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        for (int side = 0; side < 2; ++side) {
            if (item->hwndItem == bannerBoxes_[side]) {
                paintBannerBox(side, item->hDC, item->rcItem);
                result = TRUE;
                return true;
            }
        }
        return false;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == bannerBoxes_[0] ||
            reinterpret_cast<HWND>(wParam) == bannerBoxes_[1]) {
            if (hand_ && LOWORD(lParam) == HTCLIENT) {
                SetCursor(hand_);
                result = TRUE;
                return true;
            }
        }
        return false;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == countBar_) {
            scroll(LOWORD(wParam), HIWORD(wParam));
            return true;
        }
        return false;
    case WM_TIMER:
        if (wParam == bannerTimerId) {
            advanceBanner();
            return true;
        }
        return false;
    case WM_CLOSE:
        closeDialog();
        return true;
    case WM_ENDSESSION:
        if (wParam) {
            closeDialog();
        }
        return true;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == layout::id::save && code == BN_CLICKED) {
            save();
        } else if (id == layout::id::cancel && code == BN_CLICKED) {
            closeDialog();
        } else if (id == layout::id::fileButton && code == BN_CLICKED) {
            chooseFile();
        } else if (id >= layout::id::firstSource && id < layout::id::firstSource + 3 &&
                   code == BN_CLICKED) {
            // The arrow keys moved to this source (a mouse press chose it
            // already, on the press).
            if (id - layout::id::firstSource != selectedMark_) {
                chooseSource(id - layout::id::firstSource);
            }
        } else if ((id == layout::id::firstBannerBox || id == layout::id::firstBannerBox + 1) &&
                   code == STN_CLICKED) {
            openWebPage();
        } else {
            return false;
        }
        return true;
    }
    default:
        return false;
    }
}

// The scroll bar's value follows every step, and the thumb while it is
// dragged; the label follows the value.
void SettingsDialog::scroll(WORD code, int thumb) {
    const int span = layout::countMaximum - layout::countMinimum;
    int position = countValue_ - layout::countMinimum;
    switch (code) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        position -= 1;
        break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        position += 1;
        break;
    case SB_LEFT:
        position = 0;
        break;
    case SB_RIGHT:
        position = span;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = thumb;
        break;
    default:
        return;
    }
    const int value = layout::countMinimum + std::clamp(position, 0, span);
    if (value == countValue_) {
        return;
    }
    countValue_ = value;
    SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, value - layout::countMinimum, 0};
    SetScrollInfo(countBar_, SB_CTL, &info, TRUE);
    showCount();
}

void SettingsDialog::showSourceMarks(int selected) {
    selectedMark_ = selected;
    for (int i = 0; i < 3; ++i) {
        SendMessageW(sources_[i], BM_SETCHECK, i == selected ? BST_CHECKED : BST_UNCHECKED, 0);
        // The group's one keyboard stop is its chosen source.
        LONG_PTR style =
            GetWindowLongPtrW(sources_[i], GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP);
        if (i == selected || (selected < 0 && i == bgmAudioCd)) {
            style |= WS_TABSTOP;
        }
        SetWindowLongPtrW(sources_[i], GWL_STYLE, style);
        repaint(sources_[i]);
    }
}

void SettingsDialog::chooseSource(int source) {
    settings_.musicSource = static_cast<std::int16_t>(source);
    SourceControls controls = sourceControlsFor(source);
    showSourceMarks(controls.selectedMark);
    // Each control goes straight to its new state: one that stays enabled is
    // never disabled on the way, so the focus stays where the user left it.
    EnableWindow(fileButton_, controls.fileButtonEnabled);
    EnableWindow(trackBox_, controls.trackBoxEnabled);
}

void SettingsDialog::setCaptionText(HWND control, const std::string& text) {
    SetWindowTextW(control, win32::widen(text).c_str());
    repaint(control);
}

void SettingsDialog::showCount() {
    setCaptionText(countLabel_, butterflyCountText(countValue_));
}

void SettingsDialog::save() {
    std::int16_t repeat = settings_.repeatTrack;
    ConfirmResult result =
        saveDialogSettings(store_, countValue_, settings_.musicSource, win32::windowText(trackBox_),
                           settings_.musicFile, repeat);
    if (result == ConfirmResult::TrackOutOfRange) {
        // Nothing was written; the user corrects the track and tries again,
        // in the box that holds it, enabled for that even when another
        // source is chosen.
        MessageBoxW(handle(), win32::widen(trackRangeMessage()).c_str(), L"Kalendra",
                    MB_OK | MB_ICONEXCLAMATION);
        EnableWindow(trackBox_, TRUE);
        SendMessageW(handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(trackBox_), TRUE);
        return;
    }
    if (result != ConfirmResult::Saved) {
        // The choices stay in the controls: the user frees the file and
        // confirms again, or cancels.
        std::wstring text =
            saveFailureText(result == ConfirmResult::PartlySaved, store_.writeFailureCode());
        MessageBoxW(handle(), text.c_str(), L"Kalendra", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    settings_.repeatTrack = repeat;
    closeDialog();
}

void SettingsDialog::chooseFile() {
    std::optional<std::string> chosen = chooseMusicFile(handle(), settings_.chooserFolder);
    if (!chosen) {
        return;
    }
    // The settings file and the music's MCI calls take ANSI text: a path
    // the code page cannot spell goes in as its short form, or not at all.
    StoredMusicPath stored = storedMusicPath(*chosen);
    if (stored.kind == StoredPathKind::Refused) {
        MessageBoxW(handle(), win32::widen(unspellablePathMessage()).c_str(), L"Kalendra",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    settings_.musicFile = stored.ansi;
    setCaptionText(fileLabel_, *chosen);
    settings_.chooserFolder = folderOf(settings_.musicFile, isAnsiLeadByte);
}

void SettingsDialog::openWebPage() {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    openBannerLink(handle());
    SetCursor(previous);
}

void SettingsDialog::advanceBanner() {
    BannerStep step = dialog::advanceBanner(bannerTick_);
    if (step.box == BannerBox::None) {
        return;
    }
    const int side = static_cast<int>(step.box);
    bannerShown_[side] = bannerFrames_[step.frame - 1].get();
    repaint(bannerBoxes_[side]);
}

// Every way of closing comes here: the banner stops, the window shrinks
// back to where the pointer was when it opened.
void SettingsDialog::closeDialog() {
    if (closing_) {
        return;
    }
    closing_ = true;
    KillTimer(handle(), bannerTimerId);
    animate(false);
    close(0);
}

void SettingsDialog::animate(bool opening) {
    RECT point = {animationX_, animationY_, animationX_, animationY_};
    RECT window = {};
    GetWindowRect(handle(), &window);
    DrawAnimatedRects(handle(), IDANI_CAPTION, opening ? &point : &window,
                      opening ? &window : &point);
}

} // namespace dialog
