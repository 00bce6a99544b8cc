// A form that shows the host's two custom controls side by side, for
// looking at them and for the end-to-end pixel checks (tests/e2e/
// controls_gallery.sh): the decorated frame in its square and rounded
// styles, with and without shadow, and the push button in each of its five
// looks, held there on purpose. Escape (the form's cancel button) closes it.
//
// Once shown it prints "client X Y", the screen position of its client
// area's top-left corner, and ends with status 0 when closed.

#include "custom_controls_win32.h"
#include "flat_button_win32.h"
#include "forms_win32.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// 640 x 296 pixels at 15 twips per pixel. Frames 140 x 100 pixels in a row,
// buttons 105 x 33 pixels in a row below, each with its look named under it.
const char* const galleryForm = R"([Form Gallery]
Caption = "Kalendra controls gallery"
BorderStyle = 1
ClientWidth = 9600
ClientHeight = 4440
BackColor = &H00E0E0E0
Font = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128"

[ShadowFrame SquareShadow]
Left = 180
Top = 180
Width = 2100
Height = 1500
ShadowDepth = 7

[Label lbl(0)]
Container = SquareShadow
Left = 90
Top = 120
Width = 1980
Height = 420
Caption = "四角・影あり\nSquare, shadow"
BackStyle = 0

[FlatButton Cmd_File]
Container = SquareShadow
Left = 120
Top = 780
Width = 675
Height = 375
Caption = "..."
Font = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128"
TabIndex = 20

[ShadowFrame RoundShadow]
Left = 2520
Top = 180
Width = 2100
Height = 1500
ShadowDepth = 7
FrameStyle = 0
CornerDepth = 20

[Label lbl(1)]
Container = RoundShadow
Left = 90
Top = 120
Width = 1980
Height = 420
Caption = "角丸・影あり\nRounded, shadow"
BackStyle = 0

[ShadowFrame SquarePlain]
Left = 4860
Top = 180
Width = 2100
Height = 1500
ShowShadow = False
FillColour = &H00F8F8F8

[Label lbl(2)]
Container = SquarePlain
Left = 90
Top = 120
Width = 1980
Height = 420
Caption = "四角・影なし\nSquare, no shadow"
BackStyle = 0

[ShadowFrame RoundPlain]
Left = 7200
Top = 180
Width = 2100
Height = 1500
ShowShadow = False
FrameStyle = 0
CornerDepth = 20
FillColour = &H00F8F8F8
BorderColour = &H00743C00

[Label lbl(3)]
Container = RoundPlain
Left = 90
Top = 120
Width = 1980
Height = 420
Caption = "角丸・影なし\nRounded, no shadow"
BackStyle = 0

[FlatButton Look(0)]
Left = 180
Top = 2400
Width = 1575
Height = 495
Caption = "無効 &Disabled"
Font = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128"
TabIndex = 10

[FlatButton Look(1)]
Left = 2040
Top = 2400
Width = 1575
Height = 495
Caption = "設定"
Font = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128"
TabIndex = 11

[FlatButton Look(2)]
Left = 3900
Top = 2400
Width = 1575
Height = 495
Caption = "&OK"
TabIndex = 1

[FlatButton Look(3)]
Left = 5760
Top = 2400
Width = 1575
Height = 495
Caption = "ｷｬﾝｾﾙ"
Font = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128"
TabIndex = 12

[FlatButton Look(4)]
Left = 7620
Top = 2400
Width = 1575
Height = 495
Caption = "&Cancel"
TabIndex = 13

[Label LookName(0)]
Left = 180
Top = 3000
Width = 1575
Height = 420
Caption = "0 無効\nDisabled"
Alignment = 2
BackStyle = 0

[Label LookName(1)]
Left = 2040
Top = 3000
Width = 1575
Height = 420
Caption = "1 通常\nNormal"
Alignment = 2
BackStyle = 0

[Label LookName(2)]
Left = 3900
Top = 3000
Width = 1575
Height = 420
Caption = "2 フォーカス\nFocused"
Alignment = 2
BackStyle = 0

[Label LookName(3)]
Left = 5760
Top = 3000
Width = 1575
Height = 420
Caption = "3 ホット\nHot"
Alignment = 2
BackStyle = 0

[Label LookName(4)]
Left = 7620
Top = 3000
Width = 1575
Height = 420
Caption = "4 押下\nPressed"
Alignment = 2
BackStyle = 0

[Label Hint]
Left = 180
Top = 3840
Width = 9000
Height = 420
Caption = "Esc で閉じる / Escape closes the gallery"
BackStyle = 0
)";

class Gallery : public forms::Form {
  public:
    using forms::Form::Form;

    // Puts every button in its look, after the form's activation and focus
    // have painted theirs.
    void showLooks() {
        for (int look = StateDisabled; look <= StatePressed; ++look) {
            auto* button = controls().find<FlatButton>("Look", look);
            if (!button) {
                continue;
            }
            if (look == StateDisabled) {
                button->SetEnabled(false);
            } else {
                button->Redraw(look);
            }
            button->refresh();
        }
    }

  protected:
    void Form_Load() override {
        auto* cancel = controls().find<FlatButton>("Look", StatePressed);
        if (cancel) {
            setCancelButton(cancel);
            cancel->onClick = [this] { unload(); };
        }
    }
};

} // namespace

int main() {
    std::string error;
    auto description = forms::parseFormDescription(galleryForm, &error);
    if (!description) {
        std::fprintf(stderr, "gallery: %s\n", error.c_str());
        return 2;
    }
    forms::BuildContext context;
    registerCustomControls(context);
    Gallery gallery(*description, context);
    if (!gallery.show()) {
        std::fprintf(stderr, "gallery: %s\n", gallery.loadError().c_str());
        return 2;
    }
    forms::doEvents();
    gallery.showLooks();

    POINT origin{0, 0};
    ClientToScreen(gallery.handle(), &origin);
    std::printf("client %ld %ld\n", origin.x, origin.y);
    std::fflush(stdout);

    forms::runMessageLoop();
    return 0;
}
