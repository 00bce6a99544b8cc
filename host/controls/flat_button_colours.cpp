#include "flat_button_colours.h"

#include "flat_button_state.h"

namespace {

constexpr Colour Outline = Rgb(0, 60, 116);
constexpr Colour K1 = Rgb(33, 85, 132);
constexpr Colour K2 = Rgb(123, 150, 173);
constexpr Colour K3 = Rgb(82, 125, 165);

constexpr ButtonColours Looks[] = {
    // Disabled: grey outline, pale flat face.
    {Rgb(201, 199, 186), 0, 0, 0, 0, Rgb(196, 177, 140), Rgb(206, 199, 189), Rgb(196, 177, 140), 0,
     0, Rgb(245, 244, 234)},
    // Normal.
    {Outline, Rgb(255, 255, 255), Rgb(254, 254, 254), Rgb(226, 223, 214), Rgb(214, 208, 197), K1,
     K2, K3, ButtonFaceTop, ButtonFaceBottom, 0},
    // Focused or default: blue glow.
    {Outline, Rgb(206, 231, 255), Rgb(189, 215, 247), Rgb(140, 174, 231), Rgb(107, 130, 239), K1,
     K2, K3, Rgb(189, 211, 247), Rgb(140, 174, 231), 0},
    // Hot: orange glow.
    {Outline, Rgb(255, 243, 206), Rgb(255, 219, 140), Rgb(255, 178, 49), Rgb(230, 150, 0), K1, K2,
     K3, Rgb(225, 223, 156), Rgb(255, 182, 48), 0},
    // Pressed: darker flat face.
    {Outline, 0, 0, 0, 0, K1, K2, K3, 0, 0, Rgb(231, 227, 222)},
};

} // namespace

const ButtonColours& ButtonColoursFor(int state) {
    return state >= StateDisabled && state <= StatePressed ? Looks[state] : Looks[StateNormal];
}

bool HasGradientFace(int state) {
    return state != StateDisabled && state != StatePressed;
}
