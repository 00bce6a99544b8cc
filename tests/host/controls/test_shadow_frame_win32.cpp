// The decorated frame as a user control on a real form: what its back
// buffer shows with the controls it holds drawn over it, when it repaints,
// and its stored properties.
#include "../window_test.h"
#include "gdi_win32.h"
#include "shadow_frame_paint_win32.h"
#include "shadow_frame_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

using namespace controls;

namespace {

constexpr COLORREF grey(int v) {
    return RGB(v, v, v);
}

// Pixels of the frame that its two labels cover.
bool underLabel(int x, int y) {
    return (x >= 20 && x < 60 && y >= 20 && y < 40) || (x >= 272 && x < 383 && y >= 20 && y < 33);
}

class ShadowFrameOnForm : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<CodeForm>();
        form->setCaption("ShadowFrame test");
        form->setBorderStyle(forms::BorderStyle::FixedSingle);
        form->setBackColour(0x00E0E0E0);
        // The settings dialog's frame, holding an opaque green patch and a caption.
        form->build = [this](CodeForm& made) {
            made.setClientSize(7455, 3990);
            frame = addUserControl<ShadowFrame>(made, made, {180, 180, 7155, 2595},
                                                {{"shadowdepth", "7"}});
            auto* patch = made.controls().add(
                std::make_unique<forms::Label>(*frame, forms::Placement{300, 300, 600, 300}));
            patch->setFont(made.font());
            patch->setBackColour(0x0000FF00);
            auto* caption = made.controls().add(std::make_unique<forms::Label>(
                *frame, forms::Placement{4080, 300, 1665, 195}, "蝶の数"));
            caption->setFont(made.font());
            caption->setAlignment(forms::Alignment::Centre);
            caption->setTransparent(true);
        };
        ASSERT_TRUE(form->show());
        ASSERT_NE(frame, nullptr);
        pump(30);
    }

    void TearDown() override {
        form.reset();
        EXPECT_EQ(forms::Form::loadedCount(), 0);
    }

    std::unique_ptr<CodeForm> form;
    ShadowFrame* frame = nullptr;
};

} // namespace

TEST_F(ShadowFrameOnForm, DepthSevenOnLightGreyShowsItsRingsWithTheLabelsOnTop) {
    const int w = frame->scaleWidth();
    const int h = frame->scaleHeight();
    ASSERT_EQ(w, 477);
    ASSERT_EQ(h, 173);
    forms::MemoryCanvas shown = printed(frame->handle());

    // Rings 1..7 stand right of and below the face; ring 0 lies under the
    // face's outline. Each ring is 17 steps lighter than the one inside.
    const int y = h / 2;
    const int x = w / 2;
    EXPECT_EQ(shown.pixel(w - 8, y), RGB(0, 0, 0)) << "face outline over ring 0";
    EXPECT_EQ(shown.pixel(x, h - 8), RGB(0, 0, 0));
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(shown.pixel(w - 8 + i, y), grey(100 + 17 * i)) << "right, ring " << i;
        EXPECT_EQ(shown.pixel(x, h - 8 + i), grey(100 + 17 * i)) << "bottom, ring " << i;
    }
    // The outermost ring starts 7 pixels below the top and right of the left edge.
    EXPECT_EQ(shown.pixel(w - 1, 6), grey(224));
    EXPECT_EQ(shown.pixel(w - 1, 7), grey(219));
    EXPECT_EQ(shown.pixel(6, h - 1), grey(224));
    EXPECT_EQ(shown.pixel(7, h - 1), grey(219));
    // The face takes the form's grey; its outline is black.
    EXPECT_EQ(shown.pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(shown.pixel(x, 60), grey(224));

    // The labels inside are drawn over the painting.
    EXPECT_EQ(shown.pixel(25, 25), RGB(0, 255, 0));
    int dark = 0;
    for (int py = 20; py < 33; ++py) {
        for (int px = 272; px < 383; ++px) {
            dark += GetRValue(shown.pixel(px, py)) < 128;
        }
    }
    EXPECT_GT(dark, 20) << "the transparent label's caption";

    // The same picture the painter makes on its own.
    forms::MemoryCanvas expected(w, h);
    ShadowFrameProps props = frame->props();
    paintFrame(expected.dc(), props, w, h, w, h, rgb(224, 224, 224));
    int differing = 0;
    for (int py = 0; py < h; ++py) {
        for (int px = 0; px < w; ++px) {
            differing += !underLabel(px, py) && shown.pixel(px, py) != expected.pixel(px, py);
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(ShadowFrameOnForm, RepaintsOnPropertiesAmbientChangeAndResize) {
    std::vector<std::string> changed;
    frame->onPropertyChanged = [&](std::string_view name) { changed.emplace_back(name); };
    const int w = frame->scaleWidth();
    const int h = frame->scaleHeight();

    frame->setFrameStyle(frameStyleRounded);
    frame->setCornerDepth(20);
    {
        forms::MemoryCanvas expected(w, h);
        paintFrame(expected.dc(), frame->props(), w, h, w, h, rgb(224, 224, 224));
        forms::MemoryCanvas shown = printed(frame->handle());
        int differing = 0;
        for (int py = 0; py < h; ++py) {
            for (int px = 0; px < w; ++px) {
                differing += !underLabel(px, py) && shown.pixel(px, py) != expected.pixel(px, py);
            }
        }
        EXPECT_EQ(differing, 0) << "rounded frame with smoothed shadow corners";
        EXPECT_EQ(shown.pixel(0, 0), grey(224)) << "corner cut off";
    }

    // The form's colour changes: the frame follows it, shadow included.
    form->setBackColour(forms::rgb(200, 220, 240));
    {
        forms::MemoryCanvas shown = printed(frame->handle());
        const Colour bg = rgb(200, 220, 240);
        const Colour ring7 = blendColour(shadowColour(bg, 50), bg, 7, 7);
        EXPECT_EQ(shown.pixel(w - 1, 2), static_cast<COLORREF>(bg));
        EXPECT_EQ(shown.pixel(w - 1, h / 2), static_cast<COLORREF>(ring7));
        EXPECT_EQ(shown.pixel(w / 2, 60), grey(224)) << "the face keeps its own colour";
    }
    // A background of its own stays when the form's changes.
    frame->setCustomBackColour(rgb(255, 255, 255));
    frame->setBackColourSource(backColourCustom);
    form->setBackColour(forms::rgb(10, 10, 10));
    EXPECT_EQ(printed(frame->handle()).pixel(w - 1, 2), RGB(255, 255, 255));

    // Other styles: nothing but the background; no shadow: the whole face.
    frame->setFrameStyle(2);
    {
        forms::MemoryCanvas shown = printed(frame->handle());
        EXPECT_EQ(shown.pixel(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(shown.pixel(w / 2, h / 2), RGB(255, 255, 255));
    }
    frame->setFrameStyle(frameStyleSquare);
    frame->setShowShadow(false);
    EXPECT_EQ(printed(frame->handle()).pixel(w - 1, h / 2), RGB(0, 0, 0));
    EXPECT_EQ(printed(frame->handle()).pixel(w / 2, h - 1), RGB(0, 0, 0));

    // A resize paints the new size.
    frame->setSize(3000, 1500);
    pump(20);
    EXPECT_EQ(frame->scaleWidth(), 200);
    EXPECT_EQ(printed(frame->handle()).pixel(199, 50), RGB(0, 0, 0));

    EXPECT_EQ(changed,
              (std::vector<std::string>{"FrameStyle", "CornerDepth", "BackColour", "BackColourIs",
                                        "FrameStyle", "FrameStyle", "ShowShadow"}));
}

TEST_F(ShadowFrameOnForm, SettersKeepTheirLimitsWhileStoredValuesLoadUnchanged) {
    // Read from its bag: depth 7, everything else its default, the colours
    // taken from the form.
    EXPECT_EQ(frame->shadowDepth(), 7);
    EXPECT_EQ(frame->faceColour(), rgb(224, 224, 224));
    EXPECT_EQ(frame->customBackColour(), rgb(224, 224, 224));
    EXPECT_EQ(frame->frameStyle(), frameStyleSquare);

    frame->setShadowOpacity(150);
    EXPECT_EQ(frame->shadowOpacity(), 100);
    frame->setShadowOpacity(-5);
    EXPECT_EQ(frame->shadowOpacity(), 0);
    frame->setCornerDepth(60);
    EXPECT_EQ(frame->cornerDepth(), 50);
    frame->setCornerDepth(-3);
    EXPECT_EQ(frame->cornerDepth(), 0);
    frame->setShadowDepth(1);
    EXPECT_EQ(frame->shadowDepth(), 2);
    frame->setShadowDepth(99);
    EXPECT_EQ(frame->shadowDepth(), 40);

    // Edited stored data: kept as stored, painted safely.
    forms::PropertyBag edited;
    edited.setText("ShadowOpacity", "150");
    edited.setText("CornerDepth", "-3");
    edited.setText("ShadowDepth", "0");
    edited.setText("FrameStyle", "0");
    edited.setText("FillColour", "&H00FFFFFF");
    ShadowFrame loaded;
    ASSERT_TRUE(loaded.create(*form, {180, 2880, 3000, 900}, &edited));
    EXPECT_EQ(loaded.shadowOpacity(), 150);
    EXPECT_EQ(loaded.cornerDepth(), -3);
    EXPECT_EQ(loaded.shadowDepth(), 0);
    forms::MemoryCanvas shown = printed(loaded.handle());
    EXPECT_EQ(shown.pixel(100, 30), RGB(255, 255, 255)) << "the face still paints";

    // A new instance takes its colours from the form and paints on resize.
    ShadowFrame placed;
    ASSERT_TRUE(placed.create(*form, {3500, 2880, 3000, 900}, nullptr));
    EXPECT_EQ(placed.faceColour(), rgb(224, 224, 224));
    EXPECT_EQ(placed.shadowDepth(), 5);
    EXPECT_EQ(printed(placed.handle()).pixel(0, 0), RGB(0, 0, 0));
    // The frame never takes the focus itself.
    EXPECT_FALSE(placed.canReceiveFocus());
}
