// The compiled-in layout of the settings dialog: it reads, and holds every
// control the dialog's handlers drive, of the kind they expect, in the
// places, captions and keyboard order of the dialog's design.
#include "settings_dialog_layout.h"

#include "form_description.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

namespace {

forms::FormDescription layout() {
    std::string error;
    std::optional<forms::FormDescription> form =
        forms::parseFormDescription(settingsDialogLayout(), &error);
    EXPECT_TRUE(form) << error;
    return form ? *form : forms::FormDescription{};
}

struct Expected {
    const char* kind;
    const char* name;
    int index;
    const char* container; // "" for the dialog itself
    int left, top, width, height;
};

// Every visible control with its place, in twips.
const Expected places[] = {
    {"ShadowFrame", "ShadowFrame1", -1, "", 180, 180, 7155, 2595},
    {"PictureBox", "Pic_m", 0, "", 180, 2880, 1845, 780},
    {"FlatButton", "Cmd_Set", -1, "", 2100, 2880, 1575, 495},
    {"FlatButton", "Cmd_Can", -1, "", 3780, 2880, 1515, 495},
    {"PictureBox", "Pic_m", 1, "", 5400, 2880, 1845, 780},
    {"Shape", "Sh", 0, "ShadowFrame1", 300, 240, 1695, 315},
    {"Shape", "Sh", 1, "ShadowFrame1", 420, 360, 1695, 315},
    {"Label", "lbl", 15, "ShadowFrame1", 300, 300, 1665, 195},
    {"Image", "Img_BGM", 1, "ShadowFrame1", 420, 780, 195, 195},
    {"Label", "lbl_BGM", 1, "ShadowFrame1", 660, 780, 645, 195},
    {"ComboBox", "BGM_Repeat", -1, "ShadowFrame1", 1440, 720, 615, 300},
    {"Label", "lbl", 14, "ShadowFrame1", 2100, 780, 990, 195},
    {"Image", "Img_BGM", 0, "ShadowFrame1", 420, 1080, 195, 195},
    {"Label", "lbl_BGM", 0, "ShadowFrame1", 660, 1080, 330, 195},
    {"Image", "Img_BGM", 2, "ShadowFrame1", 420, 1380, 195, 195},
    {"Label", "lbl_BGM", 2, "ShadowFrame1", 660, 1380, 900, 195},
    {"FlatButton", "Cmd_File", -1, "ShadowFrame1", 360, 1680, 675, 375},
    {"Label", "lbl_Fname", -1, "ShadowFrame1", 1080, 1680, 5595, 495},
    {"Shape", "Sh", 2, "ShadowFrame1", 4080, 240, 1695, 315},
    {"Shape", "Sh", 3, "ShadowFrame1", 4200, 120, 1695, 315},
    {"Label", "lbl", 0, "ShadowFrame1", 4080, 300, 1665, 195},
    {"Label", "lbl", 1, "ShadowFrame1", 4080, 720, 345, 195},
    {"HScrollBar", "HS", -1, "ShadowFrame1", 4500, 720, 1635, 255},
    {"Label", "lbl", 2, "ShadowFrame1", 6240, 720, 375, 195},
    {"Label", "lbl_Num", -1, "ShadowFrame1", 4500, 1020, 1620, 195},
};

const forms::ControlDescription& find(const forms::FormDescription& form, const char* name,
                                      int index = -1) {
    const forms::ControlDescription* control = form.find(name, index);
    static const forms::ControlDescription missing;
    EXPECT_NE(control, nullptr) << name << "(" << index << ") is missing";
    return control ? *control : missing;
}

const std::string labelFont = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128";

} // namespace

TEST(SettingsDialogLayout, WindowAndEveryControlInItsPlace) {
    forms::FormDescription form = layout();
    EXPECT_EQ(form.name, "Butterfly_P");
    EXPECT_EQ(form.caption, "■Kalendra■");
    EXPECT_EQ(form.properties.readLong("ClientWidth", 0), 7455);
    EXPECT_EQ(form.properties.readLong("ClientHeight", 0), 3990);
    EXPECT_EQ(form.properties.readColour("BackColor", 0), forms::rgb(224, 224, 224));
    EXPECT_EQ(form.properties.readLong("BorderStyle", 0), 1); // fixed single
    EXPECT_EQ(form.properties.readString("Icon", ""), "icon");
    for (const Expected& expected : places) {
        const forms::ControlDescription& control = find(form, expected.name, expected.index);
        SCOPED_TRACE(forms::controlReference(expected.name, expected.index));
        EXPECT_EQ(control.kind, expected.kind);
        EXPECT_EQ(control.container, expected.container);
        EXPECT_EQ(control.left, expected.left);
        EXPECT_EQ(control.top, expected.top);
        EXPECT_EQ(control.width, expected.width);
        EXPECT_EQ(control.height, expected.height);
    }
    EXPECT_EQ(find(form, "ShadowFrame1").properties.readInteger("ShadowDepth", 5), 7);
    EXPECT_EQ(find(form, "ShadowFrame1").properties.entries().size(), 1u);
}

TEST(SettingsDialogLayout, CaptionsFontsAndLooks) {
    forms::FormDescription form = layout();
    const std::pair<const char*, int> labels[] = {
        {"lbl", 0},     {"lbl", 1},     {"lbl", 2},     {"lbl", 14},     {"lbl", 15},
        {"lbl_BGM", 0}, {"lbl_BGM", 1}, {"lbl_BGM", 2}, {"lbl_Num", -1}, {"lbl_Fname", -1}};
    for (const auto& [name, index] : labels) {
        const forms::ControlDescription& label = find(form, name, index);
        SCOPED_TRACE(forms::controlReference(name, index));
        EXPECT_EQ(label.properties.readString("Font", ""), labelFont);
        EXPECT_EQ(label.properties.readLong("BackStyle", 1), 0); // transparent
        EXPECT_EQ(label.properties.readColour("ForeColor", 1), 0u);
    }
    EXPECT_EQ(find(form, "lbl", 0).caption, "蝶の数");
    EXPECT_EQ(find(form, "lbl", 1).caption, "min.");
    EXPECT_EQ(find(form, "lbl", 2).caption, "max.");
    EXPECT_EQ(find(form, "lbl", 14).caption, "曲目をﾘﾋﾟｰﾄ");
    EXPECT_EQ(find(form, "lbl", 15).caption, "BGM");
    EXPECT_EQ(find(form, "lbl_BGM", 0).caption, "なし");
    EXPECT_EQ(find(form, "lbl_BGM", 1).caption, "音楽CD");
    EXPECT_EQ(find(form, "lbl_BGM", 2).caption, "MP3、WAV");
    EXPECT_EQ(find(form, "lbl_Num").caption, "9999");
    EXPECT_EQ(find(form, "lbl_Num").properties.readLong("Alignment", 0), 2);
    EXPECT_EQ(find(form, "lbl", 0).properties.readLong("Alignment", 0), 2);
    EXPECT_EQ(find(form, "lbl", 15).properties.readLong("Alignment", 0), 2);
    EXPECT_EQ(find(form, "lbl_Fname").caption, "");
    EXPECT_EQ(find(form, "lbl_Fname").properties.readLong("BorderStyle", 0), 1);

    EXPECT_EQ(find(form, "Cmd_Set").caption, "設定");
    EXPECT_EQ(find(form, "Cmd_Can").caption, "ｷｬﾝｾﾙ");
    EXPECT_EQ(find(form, "Cmd_File").caption, "...");
    for (const char* button : {"Cmd_Set", "Cmd_Can", "Cmd_File"}) {
        EXPECT_EQ(find(form, button).properties.readString("Font", ""), labelFont) << button;
    }
    // Engraved caption boxes: black outlines under white ones.
    EXPECT_EQ(find(form, "Sh", 0).properties.readColour("BorderColor", 1), forms::rgb(0, 0, 0));
    EXPECT_EQ(find(form, "Sh", 1).properties.readColour("BorderColor", 1),
              forms::rgb(255, 255, 255));
    EXPECT_EQ(find(form, "Sh", 2).properties.readColour("BorderColor", 1), forms::rgb(0, 0, 0));
    EXPECT_EQ(find(form, "Sh", 3).properties.readColour("BorderColor", 1),
              forms::rgb(255, 255, 255));

    const forms::ControlDescription& bar = find(form, "HS");
    EXPECT_EQ(bar.properties.readLong("Min", 0), 1);
    EXPECT_EQ(bar.properties.readLong("Max", 0), 10);
    EXPECT_EQ(bar.properties.readLong("SmallChange", 0), 1);
    EXPECT_EQ(bar.properties.readLong("LargeChange", 0), 1);
    EXPECT_EQ(bar.properties.readLong("Value", 0), 5);

    for (int box : {0, 1}) {
        const forms::ControlDescription& banner = find(form, "Pic_m", box);
        EXPECT_EQ(banner.properties.readColour("BackColor", 1), 0u);
        EXPECT_EQ(banner.properties.readLong("MousePointer", 0), 99);
        EXPECT_EQ(banner.properties.readString("MouseIcon", ""), "hand");
        // No border: the 120 x 50 frames fill the box's top-left corner.
        EXPECT_EQ(banner.properties.readLong("BorderStyle", 1), 0);
    }
    const forms::ControlDescription& timer = find(form, "Timer1");
    EXPECT_EQ(timer.kind, "Timer");
    EXPECT_EQ(timer.properties.readLong("Interval", 0), 100);
    EXPECT_TRUE(timer.properties.readBoolean("Enabled", false));
}

TEST(SettingsDialogLayout, HiddenPictureHoldersInOrder) {
    forms::FormDescription form = layout();
    for (int frame = 1; frame <= 24; ++frame) {
        const forms::ControlDescription& holder = find(form, "Pic_t", frame);
        SCOPED_TRACE(frame);
        EXPECT_EQ(holder.kind, "PictureBox");
        EXPECT_FALSE(holder.properties.readBoolean("Visible", true));
        char picture[16];
        std::snprintf(picture, sizeof picture, "banner%02d", frame);
        EXPECT_EQ(holder.properties.readString("Picture", ""), picture);
        EXPECT_EQ(holder.width, 1800);
        EXPECT_EQ(holder.height, 750);
        // Below the client area.
        EXPECT_GE(holder.top, 3990);
    }
    const char* marks[] = {"mark_off", "mark_on"};
    for (int mark : {0, 1}) {
        const forms::ControlDescription& holder = find(form, "Img_Ra", mark);
        EXPECT_EQ(holder.kind, "Image");
        EXPECT_FALSE(holder.properties.readBoolean("Visible", true));
        EXPECT_EQ(holder.properties.readString("Picture", ""), marks[mark]);
        EXPECT_EQ(holder.left, 7800);
        EXPECT_EQ(holder.top, mark == 0 ? 300 : 540);
    }
}

TEST(SettingsDialogLayout, KeyboardOrder) {
    forms::FormDescription form = layout();
    const std::pair<const char*, int> order[] = {
        {"ShadowFrame1", 1}, {"BGM_Repeat", 2}, {"Cmd_File", 9},  {"Cmd_Set", 10},
        {"Cmd_Can", 11},     {"Pic_m(0)", 36},  {"Pic_m(1)", 37}, {"HS", 39}};
    for (const auto& [reference, tabIndex] : order) {
        std::string name = reference;
        int index = -1;
        if (auto open = name.find('('); open != std::string::npos) {
            index = std::stoi(name.substr(open + 1));
            name.resize(open);
        }
        EXPECT_EQ(find(form, name.c_str(), index).tabIndex, tabIndex) << reference;
    }
    // The hidden holders take the numbers in between, so nothing else comes
    // between the buttons and the banner boxes.
    for (const forms::ControlDescription& control : form.controls) {
        if (control.name == "Pic_t") {
            EXPECT_GT(control.tabIndex, 11);
            EXPECT_LT(control.tabIndex, 36);
        }
    }
}
