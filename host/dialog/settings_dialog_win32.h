#pragma once

#include "settings.h"

#include "form_win32.h"

#include <cstdint>
#include <memory>
#include <string_view>

class FlatButton;
namespace forms {
class ComboBox;
class HScrollBar;
class Image;
class Label;
class PictureBox;
class Shape;
class Timer;
} // namespace forms

// The settings dialog: edits the number of butterflies, the music source,
// the CD track to repeat and the music file. "設定" stores them and closes;
// "ｷｬﾝｾﾙ" and every other way of closing store nothing. Its layout is the
// form description of settings_dialog.desc; the handlers live here.
class Butterfly_P : public forms::Form {
  public:
    // settings: the loaded settings, which the dialog changes in place.
    // store: where a confirmation writes them.
    Butterfly_P(forms::FormDescription layout, forms::BuildContext context,
                LoadedSettings& settings, SettingsStore& store);

    // The dialog as the program builds it: its compiled-in layout, its
    // pictures from the program's resources, the custom controls. Nothing
    // when the layout does not read (a fault of the build).
    static std::unique_ptr<Butterfly_P> make(LoadedSettings& settings, SettingsStore& store);

  protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;
    void Form_Unload() override;

  private:
    bool findControls();
    void chooseSource(int source);
    void showSourceMarks(int selected);
    void HS_Change();
    void Cmd_Set_Click();
    void Cmd_Can_Click();
    void Cmd_File_Click();
    void Pic_m_Click(int index);
    void Timer1_Timer();
    void AnimateOpen();
    void AnimateClose();

    LoadedSettings& settings_;
    SettingsStore& store_;
    std::int16_t BannerFrame = 0;
    std::int16_t AnimFromX = 0;
    std::int16_t AnimFromY = 0;

    // The layout's controls, found by name once they exist.
    forms::HScrollBar* HS = nullptr;
    forms::Label* lbl_Num = nullptr;
    forms::Image* Img_BGM[3] = {};
    forms::Label* lbl_BGM[3] = {};
    forms::Image* Img_Ra[2] = {};
    forms::ComboBox* BGM_Repeat = nullptr;
    FlatButton* Cmd_File = nullptr;
    FlatButton* Cmd_Set = nullptr;
    FlatButton* Cmd_Can = nullptr;
    forms::Label* lbl_Fname = nullptr;
    forms::PictureBox* Pic_m[2] = {};
    forms::PictureBox* Pic_t[25] = {}; // 1..24
    forms::Shape* Sh[4] = {};
    forms::Timer* Timer1 = nullptr;
    // Fixed captions sized to their text: lbl(1) "min.", lbl(2) "max.",
    // lbl(14) "曲目をﾘﾋﾟｰﾄ".
    forms::Label* lbl_Min = nullptr;
    forms::Label* lbl_Max = nullptr;
    forms::Label* lbl_RepeatCaption = nullptr;
};
