#pragma once

#include "banner_cycle.h"
#include "settings.h"
#include "settings_dialog_layout.h"

#include "form_win32.h"
#include "picture_win32.h"
#include "timer_win32.h"

#include <cstdint>

namespace controls {
class FlatButton;
class ShadowFrame;
} // namespace controls
namespace forms {
class ComboBox;
class HScrollBar;
class Image;
class Label;
class PictureBox;
class Shape;
} // namespace forms

namespace dialog {

// The settings dialog: edits the number of butterflies, the music source,
// the CD track to repeat and the music file. "設定" stores them and closes;
// "ｷｬﾝｾﾙ" and every other way of closing store nothing. Its controls are
// made from settings_dialog_layout.h when it loads.
class SettingsDialog : public forms::Form {
  public:
    // settings: the loaded settings, which the dialog changes in place.
    // store: where a confirmation writes them.
    SettingsDialog(LoadedSettings& settings, SettingsStore& store);

  protected:
    void handleLoad() override;
    void handleQueryUnload(bool& cancel) override;
    void handleUnload() override;

  private:
    void createControls();
    forms::Label* addCaption(forms::Container& container, const layout::Caption& caption);
    void chooseSource(int source);
    void showSourceMarks(int selected);
    void showCount();
    void save();
    void chooseFile();
    void openWebPage();
    void advanceBanner();
    void animateOpen();
    void animateClose();

    LoadedSettings& settings_;
    SettingsStore& store_;
    std::int16_t bannerTick_ = 0;
    std::int16_t animationX_ = 0;
    std::int16_t animationY_ = 0;

    controls::ShadowFrame* frame_ = nullptr;
    forms::Shape* musicBoxes_[2] = {};  // black, white
    forms::Shape* countBoxes_[2] = {};  // black, white
    forms::Image* sourceMarks_[3] = {}; // by music source
    forms::Label* sourceCaptions_[3] = {};
    forms::Label* repeatCaption_ = nullptr;
    forms::Label* minCaption_ = nullptr;
    forms::Label* maxCaption_ = nullptr;
    forms::ComboBox* trackBox_ = nullptr;
    controls::FlatButton* fileButton_ = nullptr;
    forms::Label* fileLabel_ = nullptr;
    forms::HScrollBar* countBar_ = nullptr;
    forms::Label* countLabel_ = nullptr;
    forms::PictureBox* bannerBoxes_[2] = {};
    controls::FlatButton* saveButton_ = nullptr;
    controls::FlatButton* cancelButton_ = nullptr;
    forms::PictureRef bannerFrames_[bannerFrameCount];
    forms::PictureRef markOff_;
    forms::PictureRef markOn_;
    forms::Timer bannerTimer_;
};

} // namespace dialog
