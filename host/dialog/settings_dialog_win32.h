#pragma once

#include "banner_cycle.h"
#include "drawn_control_win32.h"
#include "modal_dialog_win32.h"
#include "settings.h"
#include "settings_dialog_layout.h"

#include "font_win32.h"
#include "gdi_win32.h"
#include "picture_win32.h"

#include <cstdint>
#include <string>

namespace dialog {

// The settings dialog: edits the number of butterflies, the music source,
// the CD track to repeat and the music file. "設定" stores them and closes;
// "ｷｬﾝｾﾙ" and every other way of closing store nothing. Its controls are
// standard Windows controls made from settings_dialog_layout.h when it
// opens; the push buttons, the music sources, the captions and the banner
// boxes are painted by the dialog with the looks the layout prescribes.
class SettingsDialog : public ModalDialog {
  public:
    // settings: the loaded settings, which the dialog changes in place.
    // store: where a confirmation writes them.
    SettingsDialog(LoadedSettings& settings, SettingsStore& store);

    // Shows the dialog until it closes.
    void show();

  private:
    bool onOpen() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    RECT pixels(const layout::Box& box, bool onFrame) const;
    HWND addControl(const wchar_t* windowClass, const std::string& text, DWORD style,
                    const RECT& place, int id);
    HWND addCaption(const layout::Caption& caption, int id = layout::id::caption,
                    DWORD extraStyle = 0, bool border = false);
    void addPushButton(HWND& button, const layout::Caption& caption, int id, bool isDefault);
    void addSource(int source);
    void addBannerBox(int side);
    void paintBackground();
    void paintBackgroundBehind(HWND control, HDC dc) const;
    void paintCaption(HWND control, HDC dc, const RECT& area, bool centred, bool border) const;
    void paintPushButton(HWND button, HDC dc, const RECT& area) const;
    void paintSource(int source, HDC dc, const RECT& area) const;
    void paintBannerBox(int side, HDC dc, const RECT& area) const;
    void scroll(WORD code, int thumb);
    void chooseSource(int source);
    void showSourceMarks(int selected);
    void showCount();
    void setCaptionText(HWND control, const std::string& text);
    void save();
    void chooseFile();
    void openWebPage();
    void advanceBanner();
    void closeDialog();
    void animate(bool opening);

    LoadedSettings& settings_;
    SettingsStore& store_;
    std::int16_t bannerTick_ = 0;
    std::int16_t animationX_ = 0;
    std::int16_t animationY_ = 0;
    bool closing_ = false;
    int countValue_ = layout::countDefault;
    int selectedMark_ = -1;
    int captionOffset_[3] = {}; // a source's caption right of its mark

    win32::GdiObject<HFONT> captionFont_;
    win32::GdiObject<HFONT> trackFont_; // the track box's
    win32::MemoryCanvas background_;
    HWND sources_[3] = {};
    HWND trackBox_ = nullptr;
    HWND fileButton_ = nullptr;
    HWND fileLabel_ = nullptr;
    HWND countBar_ = nullptr;
    HWND countLabel_ = nullptr;
    HWND bannerBoxes_[2] = {};
    HWND saveButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    // One for each control we paint; they outlive the windows.
    DrawnControl drawn_[24];
    int drawnCount_ = 0;
    win32::GdiObject<HBITMAP> bannerFrames_[bannerFrameCount];
    HBITMAP bannerShown_[2] = {};
    win32::GdiObject<HBITMAP> markOff_;
    win32::GdiObject<HBITMAP> markOn_;
    HICON icon_ = nullptr;
    HCURSOR hand_ = nullptr;
};

} // namespace dialog
