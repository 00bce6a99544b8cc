// A form that shows the host's two custom controls side by side, for
// looking at them and for the end-to-end pixel checks (tests/e2e/
// controls_gallery.sh): the decorated frame in its square and rounded
// styles, with and without shadow, and the push button in each of its five
// looks, held there on purpose. Escape (the form's cancel button) closes it.
//
// Once shown it prints "client X Y", the screen position of its client
// area's top-left corner, and ends with status 0 when closed.

#include "../window_test.h"
#include "flat_button_win32.h"
#include "shadow_frame_win32.h"

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <utility>

using namespace controls;

namespace {

constexpr char japaneseFont[] = "ＭＳ Ｐゴシック; 9.75; 400; 0; 0; 0; 128";

// 640 x 296 pixels at 15 twips per pixel. Frames 140 x 100 pixels in a row,
// buttons 105 x 33 pixels in a row below, each with its look named under it.
class Gallery : public forms::Form {
  public:
    Gallery() {
        setCaption("Kalendra controls gallery");
        setBorderStyle(forms::BorderStyle::FixedSingle);
        setBackColour(0x00E0E0E0);
        setFont(*forms::parseFont(japaneseFont));
    }

    // Puts every button in its look, after the form's activation and focus
    // have painted theirs.
    void showLooks() {
        for (int look = StateDisabled; look <= StatePressed; ++look) {
            FlatButton* button = looks_[look];
            if (look == StateDisabled) {
                button->setEnabled(false);
            } else {
                button->redraw(look);
            }
            button->refresh();
        }
    }

  protected:
    void handleLoad() override {
        setClientSize(9600, 4440);
        struct FrameLook {
            const char* caption;
            std::initializer_list<std::pair<const char*, const char*>> properties;
        };
        const FrameLook frames[] = {
            {"四角・影あり\nSquare, shadow", {{"ShadowDepth", "7"}}},
            {"角丸・影あり\nRounded, shadow",
             {{"ShadowDepth", "7"}, {"FrameStyle", "0"}, {"CornerDepth", "20"}}},
            {"四角・影なし\nSquare, no shadow",
             {{"ShowShadow", "False"}, {"FillColour", "&H00F8F8F8"}}},
            {"角丸・影なし\nRounded, no shadow",
             {{"ShowShadow", "False"},
              {"FrameStyle", "0"},
              {"CornerDepth", "20"},
              {"FillColour", "&H00F8F8F8"},
              {"BorderColour", "&H00743C00"}}},
        };
        for (int i = 0; i < 4; ++i) {
            auto* frame = addUserControl<ShadowFrame>(
                *this, *this, {180 + 2340 * i, 180, 2100, 1500}, frames[i].properties);
            addLabel(*frame, {90, 120, 1980, 420}, frames[i].caption, forms::Alignment::Left);
            if (i == 0) {
                addUserControl<FlatButton>(*this, *frame, {120, 780, 675, 375},
                                           {{"Caption", "..."}, {"Font", japaneseFont}}, 20);
            }
        }
        struct ButtonLook {
            const char* caption;
            bool japanese;
            int tabIndex;
            const char* name;
        };
        const ButtonLook buttons[] = {
            {"無効 &Disabled", true, 10, "0 無効\nDisabled"}, {"設定", true, 11, "1 通常\nNormal"},
            {"&OK", false, 1, "2 フォーカス\nFocused"},       {"ｷｬﾝｾﾙ", true, 12, "3 ホット\nHot"},
            {"&Cancel", false, 13, "4 押下\nPressed"},
        };
        for (int look = 0; look < 5; ++look) {
            const int left = 180 + 1860 * look;
            const ButtonLook& b = buttons[look];
            looks_[look] = b.japanese
                               ? addUserControl<FlatButton>(
                                     *this, *this, {left, 2400, 1575, 495},
                                     {{"Caption", b.caption}, {"Font", japaneseFont}}, b.tabIndex)
                               : addUserControl<FlatButton>(*this, *this, {left, 2400, 1575, 495},
                                                            {{"Caption", b.caption}}, b.tabIndex);
            addLabel(*this, {left, 3000, 1575, 420}, b.name, forms::Alignment::Centre);
        }
        addLabel(*this, {180, 3840, 9000, 420}, "Esc で閉じる / Escape closes the gallery",
                 forms::Alignment::Left);
        setCancelButton(looks_[StatePressed]);
        looks_[StatePressed]->onClick = [this] { unload(); };
    }

  private:
    void addLabel(forms::Container& container, const forms::Placement& place, const char* caption,
                  forms::Alignment alignment) {
        auto* label = controls().add(std::make_unique<forms::Label>(container, place, caption));
        label->setFont(font());
        label->setAlignment(alignment);
        label->setTransparent(true);
    }

    FlatButton* looks_[5] = {};
};

} // namespace

int main() {
    Gallery gallery;
    if (!gallery.show()) {
        std::fprintf(stderr, "gallery: the form did not load\n");
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
