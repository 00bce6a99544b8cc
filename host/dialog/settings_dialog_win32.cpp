#include "settings_dialog_win32.h"

#include "banner_link_win32.h"
#include "dialog_logic.h"
#include "dialog_pictures_win32.h"
#include "music_file_chooser_win32.h"
#include "save_failure_win32.h"
#include "settings_file_win32.h"

#include "flat_button_win32.h"
#include "shadow_frame_win32.h"

#include "combo_box_win32.h"
#include "hscroll_bar_win32.h"
#include "image_win32.h"
#include "label_win32.h"
#include "picture_box_win32.h"
#include "program_win32.h"
#include "screen_win32.h"
#include "shape_win32.h"
#include "text_win32.h"
#include "twips.h"

#include <windows.h>

#include <optional>
#include <string>

namespace dialog {

namespace {

forms::Placement placement(const layout::Box& box) {
    return {box.left, box.top, box.width, box.height};
}

forms::FontDescription captionFont() {
    static const forms::FontDescription font = *forms::parseFont(layout::font);
    return font;
}

// Gives a label the width of its caption in its own font, as a label sized
// to its text does: the layout's widths were measured with the fonts of the
// system it was drawn on, and a wider substitute font would wrap the last
// characters onto a line the label cannot show.
void fitWidthToText(forms::Label& label) {
    std::wstring text = forms::widen(label.caption());
    forms::WindowDc dc;
    if (!dc.get()) {
        return;
    }
    forms::SelectedObject font(dc, label.font().handle() ? label.font().handle()
                                                         : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    if (GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) {
        forms::Placement place = label.placement();
        place.width = forms::pixelsToTwips(size.cx, forms::Screen::twipsPerPixelX());
        label.move(place);
    }
}

// A button of the layout, its caption and font read from a property bag as
// the control reads any.
controls::FlatButton* addButton(forms::ControlSet& controls, forms::Container& container,
                                const layout::Caption& caption) {
    forms::PropertyBag properties;
    properties.setText("Font", layout::font);
    properties.setText("Caption", caption.text);
    auto button = std::make_unique<controls::FlatButton>();
    if (!button->create(container, placement(caption.box), &properties)) {
        return nullptr;
    }
    return controls.add(std::move(button));
}

} // namespace

SettingsDialog::SettingsDialog(LoadedSettings& settings, SettingsStore& store)
    : settings_(settings), store_(store), bannerTimer_(*this, layout::bannerIntervalMs, true) {
    setCaption(layout::title);
    setBorderStyle(forms::BorderStyle::FixedSingle);
    setBackColour(layout::backColour);
    for (int i = 0; i < bannerFrameCount; ++i) {
        std::string name = "banner" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1);
        bannerFrames_[i] = dialogPicture(name);
    }
    markOff_ = dialogPicture("mark_off");
    markOn_ = dialogPicture("mark_on");
}

forms::Label* SettingsDialog::addCaption(forms::Container& container,
                                         const layout::Caption& caption) {
    auto label = std::make_unique<forms::Label>(container, placement(caption.box), caption.text);
    label->setFont(captionFont());
    label->setAlignment(caption.centred ? forms::Alignment::Centre : forms::Alignment::Left);
    label->setTransparent(true);
    label->setForeColour(layout::black);
    return controls().add(std::move(label));
}

// The controls in the layout's order, which is also the order they are
// painted in; the windowed ones then get their keyboard order.
void SettingsDialog::createControls() {
    forms::ControlSet& set = controls();
    auto frame = std::make_unique<controls::ShadowFrame>();
    forms::PropertyBag frameProperties;
    frameProperties.setText("shadowdepth", layout::frameShadowDepth);
    frame->create(*this, placement(layout::frame), &frameProperties);
    frame_ = set.add(std::move(frame));

    auto addBox = [&](const layout::Box& box, forms::Colour colour) {
        auto shape = std::make_unique<forms::Shape>(*frame_, placement(box));
        shape->setBorderColour(colour);
        return set.add(std::move(shape));
    };
    auto addMark = [&](int source) {
        sourceMarks_[source] = set.add(
            std::make_unique<forms::Image>(*frame_, placement(layout::sourceMarks[source])));
        sourceCaptions_[source] = addCaption(*frame_, layout::sourceCaptions[source]);
    };

    musicBoxes_[0] = addBox(layout::musicBoxBlack, layout::black);
    musicBoxes_[1] = addBox(layout::musicBoxWhite, layout::white);
    addCaption(*frame_, layout::musicCaption);
    addMark(bgmAudioCd);
    trackBox_ = set.add(std::make_unique<forms::ComboBox>(*frame_, placement(layout::trackBox)));
    trackBox_->setFont(font());
    repeatCaption_ = addCaption(*frame_, layout::repeatCaption);
    addMark(bgmNone);
    addMark(bgmMusicFile);
    fileButton_ = addButton(set, *frame_, layout::fileButton);
    fileLabel_ = set.add(std::make_unique<forms::Label>(*frame_, placement(layout::fileLabel)));
    fileLabel_->setFont(captionFont());
    fileLabel_->setTransparent(true);
    fileLabel_->setForeColour(layout::black);
    fileLabel_->setSingleBorder(true);
    // A path is data: an "&" in it is a character, not an access key.
    fileLabel_->setUseMnemonic(false);

    countBoxes_[0] = addBox(layout::countBoxBlack, layout::black);
    countBoxes_[1] = addBox(layout::countBoxWhite, layout::white);
    addCaption(*frame_, layout::countCaption);
    minCaption_ = addCaption(*frame_, layout::minCaption);
    countBar_ = set.add(std::make_unique<forms::HScrollBar>(*frame_, placement(layout::countBar)));
    countBar_->setMin(layout::countMinimum);
    countBar_->setMax(layout::countMaximum);
    countBar_->setValue(layout::countDefault);
    maxCaption_ = addCaption(*frame_, layout::maxCaption);
    countLabel_ = addCaption(*frame_, layout::countLabel);

    forms::PictureRef hand = dialogPicture("hand");
    auto addBannerBox = [&](int side) {
        auto box = std::make_unique<forms::PictureBox>(*this, placement(layout::bannerBoxes[side]));
        box->setBackColour(layout::black);
        box->setCursor(hand);
        bannerBoxes_[side] = set.add(std::move(box));
    };
    addBannerBox(0);
    saveButton_ = addButton(set, *this, layout::saveButton);
    cancelButton_ = addButton(set, *this, layout::cancelButton);
    addBannerBox(1);

    forms::WindowedControl* tabOrder[] = {frame_,          trackBox_,     fileButton_,
                                          saveButton_,     cancelButton_, bannerBoxes_[0],
                                          bannerBoxes_[1], countBar_};
    int tabIndex = 0;
    for (forms::WindowedControl* control : tabOrder) {
        control->setTabIndex(tabIndex++);
    }
}

void SettingsDialog::handleLoad() {
    setClientSize(layout::clientWidth, layout::clientHeight);
    setIcon(dialogPicture("icon"));
    createControls();

    countBar_->onChange = [this] { showCount(); };
    countBar_->onScroll = [this] { showCount(); };
    for (int i = 0; i < 3; ++i) {
        sourceMarks_[i]->onMouseDown = [this, i](const forms::MouseEvent&) { chooseSource(i); };
        sourceCaptions_[i]->onMouseDown = [this, i](const forms::MouseEvent&) { chooseSource(i); };
    }
    for (forms::PictureBox* box : bannerBoxes_) {
        box->onClick = [this] { openWebPage(); };
    }
    saveButton_->onClick = [this] { save(); };
    cancelButton_->onClick = [this] { unload(); };
    fileButton_->onClick = [this] { chooseFile(); };
    bannerTimer_.onTimer = [this] { advanceBanner(); };

    for (forms::Label* label : {sourceCaptions_[0], sourceCaptions_[1], sourceCaptions_[2],
                                repeatCaption_, minCaption_, maxCaption_}) {
        fitWidthToText(*label);
    }

    bannerTick_ = 0;
    DialogPlacement place = dialogPlacement(forms::Screen::widthTwips(),
                                            forms::Screen::heightTwips(), width(), height());
    move(place.left, place.top);

    // Each white outline one pixel right of and below its black one.
    for (forms::Shape** boxes : {musicBoxes_, countBoxes_}) {
        forms::Placement engraved = boxes[0]->placement();
        engraved.left += engraveOffsetTwips;
        engraved.top += engraveOffsetTwips;
        boxes[1]->move(engraved);
    }

    // A count outside the scroll bar's range is refused; it keeps its 5.
    countBar_->setValue(settings_.flockHundreds);
    showCount();

    SourceControls source = sourceControlsFor(settings_.musicSource);
    trackBox_->setEnabled(false);
    showSourceMarks(source.selectedMark);
    trackBox_->setEnabled(source.trackBoxEnabled);
    fileButton_->setEnabled(source.fileButtonEnabled);

    // The stored track shows even when the list does not hold it.
    trackBox_->setText(trackText(settings_.repeatTrack));
    for (const std::string& entry : trackListEntries()) {
        trackBox_->addItem(entry);
    }
    fileLabel_->setCaption(shownMusicPath(settings_.musicFile));

    POINT pointer = {};
    if (GetCursorPos(&pointer)) {
        animationX_ = static_cast<std::int16_t>(pointer.x);
        animationY_ = static_cast<std::int16_t>(pointer.y);
    } else {
        animationX_ = 0;
        animationY_ = 0;
    }
    animateOpen();
    forms::Screen::setMousePointer(forms::MousePointer::Default);
}

void SettingsDialog::showSourceMarks(int selected) {
    for (int i = 0; i < 3; ++i) {
        sourceMarks_[i]->setPicture(i == selected ? markOn_ : markOff_);
    }
}

void SettingsDialog::chooseSource(int source) {
    settings_.musicSource = static_cast<std::int16_t>(source);
    SourceControls controls = sourceControlsFor(source);
    showSourceMarks(controls.selectedMark);
    // Each control goes straight to its new state: one that stays enabled is
    // never disabled on the way, so the focus stays where the user left it.
    fileButton_->setEnabled(controls.fileButtonEnabled);
    trackBox_->setEnabled(controls.trackBoxEnabled);
}

void SettingsDialog::showCount() {
    countLabel_->setCaption(butterflyCountText(countBar_->value()));
}

void SettingsDialog::save() {
    std::int16_t repeat = settings_.repeatTrack;
    ConfirmResult result = saveDialogSettings(store_, countBar_->value(), settings_.musicSource,
                                              trackBox_->text(), settings_.musicFile, repeat);
    if (result == ConfirmResult::TrackOutOfRange) {
        // Nothing was written; the user corrects the track and tries again,
        // in the box that holds it, enabled for that even when another
        // source is chosen.
        MessageBoxW(handle(), forms::widen(trackRangeMessage()).c_str(), L"Kalendra",
                    MB_OK | MB_ICONEXCLAMATION);
        trackBox_->setEnabled(true);
        trackBox_->setFocus();
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
    unload();
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
        MessageBoxW(handle(), forms::widen(unspellablePathMessage()).c_str(), L"Kalendra",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    settings_.musicFile = stored.ansi;
    fileLabel_->setCaption(*chosen);
    settings_.chooserFolder = folderOf(settings_.musicFile, isAnsiLeadByte);
}

void SettingsDialog::openWebPage() {
    forms::Screen::setMousePointer(forms::MousePointer::Hourglass);
    openBannerLink(handle());
    forms::Screen::setMousePointer(forms::MousePointer::Default);
}

void SettingsDialog::advanceBanner() {
    BannerStep step = dialog::advanceBanner(bannerTick_);
    if (step.box == BannerBox::None) {
        return;
    }
    bannerBoxes_[static_cast<int>(step.box)]->setPicture(bannerFrames_[step.frame - 1]);
}

void SettingsDialog::handleQueryUnload(bool&) {
    bannerTimer_.setEnabled(false);
}

void SettingsDialog::handleUnload() {
    animateClose();
}

void SettingsDialog::animateOpen() {
    RECT from = {animationX_, animationY_, animationX_, animationY_};
    RECT to = {};
    GetWindowRect(handle(), &to);
    DrawAnimatedRects(handle(), IDANI_CAPTION, &from, &to);
}

void SettingsDialog::animateClose() {
    RECT from = {};
    GetWindowRect(handle(), &from);
    RECT to = {animationX_, animationY_, animationX_, animationY_};
    DrawAnimatedRects(handle(), IDANI_CAPTION, &from, &to);
}

} // namespace dialog
