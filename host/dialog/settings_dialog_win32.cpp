#include "settings_dialog_win32.h"

#include "banner_cycle.h"
#include "banner_text.h"
#include "dialog_logic.h"
#include "dialog_pictures_win32.h"
#include "settings_dialog_layout.h"
#include "settings_file_win32.h"

#include "custom_controls_win32.h"
#include "flat_button_win32.h"

#include "combo_box_win32.h"
#include "hscroll_bar_win32.h"
#include "image_win32.h"
#include "label_win32.h"
#include "picture_box_win32.h"
#include "screen_win32.h"
#include "shape_win32.h"
#include "text_win32.h"
#include "timer_win32.h"
#include "twips.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

// Gives a label the width of its caption in its own font, as a label sized
// to its text does: the layout's widths were measured with the fonts of the
// system it was drawn on, and a wider substitute font would wrap the last
// characters onto a line the label cannot show.
void fitWidthToText(forms::Label& label) {
    std::wstring text = forms::widen(label.caption());
    HDC dc = GetDC(nullptr);
    if (!dc) {
        return;
    }
    HGDIOBJ previous = SelectObject(dc, label.font().handle() ? label.font().handle()
                                                              : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    bool measured = GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    if (measured) {
        forms::Placement place = label.placement();
        place.width = forms::pixelsToTwips(size.cx, forms::Screen::twipsPerPixelX());
        label.move(place);
    }
}

} // namespace

Butterfly_P::Butterfly_P(forms::FormDescription layout, forms::BuildContext context,
                         LoadedSettings& settings, SettingsStore& store)
    : Form(std::move(layout), std::move(context)), settings_(settings), store_(store) {}

std::unique_ptr<Butterfly_P> Butterfly_P::make(LoadedSettings& settings, SettingsStore& store) {
    std::optional<forms::FormDescription> layout =
        forms::parseFormDescription(settingsDialogLayout());
    if (!layout) {
        return nullptr;
    }
    forms::BuildContext context;
    context.picture = dialogPicture;
    registerCustomControls(context);
    return std::make_unique<Butterfly_P>(std::move(*layout), std::move(context), settings, store);
}

bool Butterfly_P::findControls() {
    forms::ControlSet& set = controls();
    HS = set.find<forms::HScrollBar>("HS");
    lbl_Num = set.find<forms::Label>("lbl_Num");
    BGM_Repeat = set.find<forms::ComboBox>("BGM_Repeat");
    Cmd_File = set.find<FlatButton>("Cmd_File");
    Cmd_Set = set.find<FlatButton>("Cmd_Set");
    Cmd_Can = set.find<FlatButton>("Cmd_Can");
    lbl_Fname = set.find<forms::Label>("lbl_Fname");
    Timer1 = set.find<forms::Timer>("Timer1");
    lbl_Min = set.find<forms::Label>("lbl", 1);
    lbl_Max = set.find<forms::Label>("lbl", 2);
    lbl_RepeatCaption = set.find<forms::Label>("lbl", 14);
    bool found = HS && lbl_Num && BGM_Repeat && Cmd_File && Cmd_Set && Cmd_Can && lbl_Fname &&
                 Timer1 && lbl_Min && lbl_Max && lbl_RepeatCaption;
    for (int i = 0; i < 3; ++i) {
        Img_BGM[i] = set.find<forms::Image>("Img_BGM", i);
        lbl_BGM[i] = set.find<forms::Label>("lbl_BGM", i);
        found = found && Img_BGM[i] && lbl_BGM[i];
    }
    for (int i = 0; i < 2; ++i) {
        Img_Ra[i] = set.find<forms::Image>("Img_Ra", i);
        Pic_m[i] = set.find<forms::PictureBox>("Pic_m", i);
        found = found && Img_Ra[i] && Pic_m[i];
    }
    for (int i = 1; i <= bannerFrameCount; ++i) {
        Pic_t[i] = set.find<forms::PictureBox>("Pic_t", i);
        found = found && Pic_t[i];
    }
    for (int i = 0; i < 4; ++i) {
        Sh[i] = set.find<forms::Shape>("Sh", i);
        found = found && Sh[i];
    }
    return found;
}

void Butterfly_P::Form_Load() {
    if (!findControls()) {
        // A layout without the controls this dialog drives cannot work;
        // the dialog goes again and nothing is written.
        unload();
        return;
    }
    HS->onChange = [this] { HS_Change(); };
    HS->onScroll = [this] { HS_Change(); };
    for (int i = 0; i < 3; ++i) {
        Img_BGM[i]->onMouseDown = [this, i](const forms::MouseEvent&) { chooseSource(i); };
        lbl_BGM[i]->onMouseDown = [this, i](const forms::MouseEvent&) { chooseSource(i); };
    }
    for (int i = 0; i < 2; ++i) {
        Pic_m[i]->onClick = [this, i] { Pic_m_Click(i); };
    }
    Cmd_Set->onClick = [this] { Cmd_Set_Click(); };
    Cmd_Can->onClick = [this] { Cmd_Can_Click(); };
    Cmd_File->onClick = [this] { Cmd_File_Click(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };

    for (forms::Label* label :
         {lbl_BGM[0], lbl_BGM[1], lbl_BGM[2], lbl_RepeatCaption, lbl_Min, lbl_Max}) {
        fitWidthToText(*label);
    }

    BannerFrame = 0;
    DialogPlacement place = dialogPlacement(forms::Screen::widthTwips(),
                                            forms::Screen::heightTwips(), width(), height());
    move(place.left, place.top);

    // Each white outline one pixel right of and below its black one.
    for (int black : {0, 2}) {
        forms::Placement engraved = Sh[black]->placement();
        engraved.left += engraveOffsetTwips;
        engraved.top += engraveOffsetTwips;
        Sh[black + 1]->move(engraved);
    }

    // A count outside the scroll bar's range is refused; it keeps its 5.
    HS->setValue(settings_.ButterflyNum);
    lbl_Num->setCaption(butterflyCountText(HS->value()));

    SourceControls source = sourceControlsFor(settings_.BgmKind);
    BGM_Repeat->setEnabled(false);
    showSourceMarks(source.selectedMark);
    BGM_Repeat->setEnabled(source.trackBoxEnabled);
    Cmd_File->SetEnabled(source.fileButtonEnabled);

    // The stored track shows even when the list does not hold it.
    BGM_Repeat->setText(trackText(settings_.BgmRepeat));
    for (const std::string& entry : trackListEntries()) {
        BGM_Repeat->addItem(entry);
    }
    lbl_Fname->setCaption(forms::ansiToUtf8(settings_.BgmFile));

    POINT pointer = {};
    if (GetCursorPos(&pointer)) {
        AnimFromX = static_cast<std::int16_t>(pointer.x);
        AnimFromY = static_cast<std::int16_t>(pointer.y);
    } else {
        AnimFromX = 0;
        AnimFromY = 0;
    }
    AnimateOpen();
    forms::Screen::setMousePointer(forms::MousePointer::Default);
}

void Butterfly_P::showSourceMarks(int selected) {
    for (forms::Image* mark : Img_BGM) {
        mark->setPicture(Img_Ra[0]->picture());
    }
    if (selected >= 0 && selected < 3) {
        Img_BGM[selected]->setPicture(Img_Ra[1]->picture());
    }
}

void Butterfly_P::chooseSource(int source) {
    settings_.BgmKind = static_cast<std::int16_t>(source);
    Cmd_File->SetEnabled(false);
    BGM_Repeat->setEnabled(false);
    SourceControls controls = sourceControlsFor(source);
    showSourceMarks(controls.selectedMark);
    if (controls.trackBoxEnabled) {
        BGM_Repeat->setEnabled(true);
    }
    if (controls.fileButtonEnabled) {
        Cmd_File->SetEnabled(true);
    }
}

void Butterfly_P::HS_Change() {
    lbl_Num->setCaption(butterflyCountText(HS->value()));
}

void Butterfly_P::Cmd_Set_Click() {
    std::int16_t repeat = settings_.BgmRepeat;
    ConfirmResult result = SaveDialogSettings(store_, HS->value(), settings_.BgmKind,
                                              BGM_Repeat->text(), settings_.BgmFile, repeat);
    if (result == ConfirmResult::TrackOutOfRange) {
        // Nothing was written; the user corrects the track and tries again.
        MessageBoxW(handle(), forms::widen(trackRangeMessage()).c_str(), L"Kalendra",
                    MB_OK | MB_ICONEXCLAMATION);
        BGM_Repeat->setFocus();
        return;
    }
    settings_.BgmRepeat = repeat;
    unload();
}

void Butterfly_P::Cmd_Can_Click() {
    unload();
}

void Butterfly_P::Cmd_File_Click() {
    std::string filter = forms::utf8ToAnsi(musicFileFilter());
    std::string title = forms::utf8ToAnsi(musicFileChooserTitle);
    std::string folder = settings_.BgmFolder;
    constexpr DWORD capacity = 255;
    char file[capacity + 1] = {};
    char fileTitle[capacity + 1] = {};

    OPENFILENAMEA request = {};
    // The size every Windows version takes, without the fields added later.
    request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    request.hwndOwner = handle();
    request.hInstance = GetModuleHandleW(nullptr);
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 0;
    request.lpstrFile = file;
    request.nMaxFile = capacity;
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = capacity;
    request.lpstrInitialDir = folder.c_str();
    request.lpstrTitle = title.c_str();
    // No flags: the read-only box shows, and a typed name of a file that
    // does not exist yet is taken as it is.
    request.Flags = 0;
    if (!GetOpenFileNameA(&request)) {
        return;
    }
    settings_.BgmFile.assign(file, strnlen(file, capacity));
    lbl_Fname->setCaption(forms::ansiToUtf8(settings_.BgmFile));
    settings_.BgmFolder = FolderOf(settings_.BgmFile, isAnsiLeadByte);
}

void Butterfly_P::Pic_m_Click(int) {
    forms::Screen::setMousePointer(forms::MousePointer::Hourglass);
    ShellExecuteA(handle(), "open", kalendraWebAddress, "", "", SW_SHOWNORMAL);
    forms::Screen::setMousePointer(forms::MousePointer::Default);
}

void Butterfly_P::Timer1_Timer() {
    BannerStep step = advanceBanner(BannerFrame);
    if (step.box == BannerBox::None) {
        return;
    }
    Pic_m[static_cast<int>(step.box)]->setPicture(Pic_t[step.frame]->picture());
}

void Butterfly_P::Form_QueryUnload(bool&, forms::UnloadMode) {
    if (Timer1) {
        Timer1->setEnabled(false);
    }
}

void Butterfly_P::Form_Unload() {
    AnimateClose();
}

void Butterfly_P::AnimateOpen() {
    RECT from = {AnimFromX, AnimFromY, AnimFromX, AnimFromY};
    RECT to = {};
    GetWindowRect(handle(), &to);
    DrawAnimatedRects(handle(), IDANI_CAPTION, &from, &to);
}

void Butterfly_P::AnimateClose() {
    RECT from = {};
    GetWindowRect(handle(), &from);
    RECT to = {AnimFromX, AnimFromY, AnimFromX, AnimFromY};
    DrawAnimatedRects(handle(), IDANI_CAPTION, &from, &to);
}
