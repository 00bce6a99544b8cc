#include "button_look.h"
#include "colour_math.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

void expectParts(Colour c, int red, int green, int blue) {
    const ColourParts p = splitColour(c);
    EXPECT_EQ(p.red, red) << std::hex << c;
    EXPECT_EQ(p.green, green) << std::hex << c;
    EXPECT_EQ(p.blue, blue) << std::hex << c;
}

} // namespace

TEST(ColourMath, SplitTakesTheValueAsAPlainNumber) {
    expectParts(rgb(224, 117, 3), 224, 117, 3);
    expectParts(0x00FFFFFF, 255, 255, 255);
    // Division truncates toward zero, so negative values do not shift like bits.
    expectParts(-1, 255, 0, 0);
    // A system-colour reference (button face) is not translated.
    expectParts(static_cast<Colour>(0x8000000F), 0x0F, 0x01, 0x01);
}

TEST(ColourMath, RgbLimitsComponents) {
    EXPECT_EQ(rgb(300, -4, 128), 0x008000FF);
}

TEST(ColourMath, BlendTruncatesTowardZero) {
    const Colour grey = rgb(224, 224, 224);
    const Colour shadow = rgb(100, 100, 100);
    // (100 - 224) / 7 truncates to -17: each step adds 17, the last one falls
    // short of the background.
    const int expected[] = {100, 117, 134, 151, 168, 185, 202, 219};
    for (int i = 0; i <= 7; ++i) {
        EXPECT_EQ(blendColour(shadow, grey, 7, i), rgb(expected[i], expected[i], expected[i]));
    }
    // Walking down: (224 - 100) / 7 = 17 as well.
    EXPECT_EQ(blendColour(grey, shadow, 7, 7), rgb(105, 105, 105));
    // Components blend independently.
    EXPECT_EQ(blendColour(rgb(0, 100, 200), rgb(10, 100, 0), 3, 2), rgb(6, 100, 68));
    EXPECT_EQ(blendColour(shadow, grey, 0, 0), shadow);
    EXPECT_EQ(blendColour(shadow, grey, -3, 2), shadow);
}

TEST(ColourMath, ShadowColourRoundsTheBackgroundDownToHundreds) {
    const Colour grey = rgb(224, 224, 224);
    EXPECT_EQ(shadowColour(grey, 50), rgb(100, 100, 100));
    EXPECT_EQ(shadowColour(grey, 100), rgb(0, 0, 0));
    EXPECT_EQ(shadowColour(grey, 0), rgb(200, 200, 200));
    EXPECT_EQ(shadowColour(rgb(99, 255, 150), 25), rgb(0, 150, 75));
}

TEST(ColourMath, GradientRunsFromBottomToTopInSinglePrecision) {
    const Colour top = rgb(252, 252, 251);
    const Colour bottom = rgb(236, 235, 230);
    EXPECT_EQ(gradientColour(top, bottom, 27, 0), bottom);
    EXPECT_EQ(gradientColour(top, bottom, 27, 27), top);
    // Steps of 16/27, 17/27, 21/27 per row.
    EXPECT_EQ(gradientColour(top, bottom, 27, 1), rgb(237, 236, 231));
    EXPECT_EQ(gradientColour(top, bottom, 27, 13), rgb(244, 243, 240));
    // Halves round to even: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
    EXPECT_EQ(gradientColour(rgb(1, 3, 5), 0, 2, 1), rgb(0, 2, 2));
    // 1/6 in single precision times 3 is exactly one half again (in double
    // it would lie just above and round up).
    EXPECT_EQ(gradientColour(rgb(1, 0, 0), 0, 6, 3), rgb(0, 0, 0));
    // One row has no step: the bottom colour.
    EXPECT_EQ(gradientColour(top, bottom, 0, 0), bottom);
}

// The button's look from Windows' own state: disabled wins, then pressed,
// then the pointer, then focus or default.
TEST(ButtonLook, FollowsTheButtonsStateInOrder) {
    using controls::ButtonState;
    EXPECT_EQ(controls::buttonLook(ButtonState{}), controls::StateNormal);
    EXPECT_EQ(controls::buttonLook({false, true, true, true, true}), controls::StateDisabled);
    EXPECT_EQ(controls::buttonLook({true, true, true, true, false}), controls::StatePressed);
    EXPECT_EQ(controls::buttonLook({true, false, true, true, false}), controls::StateHot);
    EXPECT_EQ(controls::buttonLook({true, false, false, false, true}), controls::StateFocused);
    // The dotted rectangle only on the focused button, never in the plain looks.
    EXPECT_TRUE(controls::showsFocusRect({true, false, false, true, true}));
    EXPECT_FALSE(controls::showsFocusRect({true, false, false, false, true}));
    EXPECT_FALSE(controls::showsFocusRect({false, false, false, true, false}));
}
