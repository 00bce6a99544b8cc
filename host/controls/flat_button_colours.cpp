#include "flat_button_colours.h"

#include "flat_button_state.h"

namespace {

constexpr Colour Outline = rgb(0, 60, 116);
constexpr Colour K1 = rgb(33, 85, 132);
constexpr Colour K2 = rgb(123, 150, 173);
constexpr Colour K3 = rgb(82, 125, 165);

constexpr ButtonColours Looks[] = {
    // Disabled: grey outline, pale flat face.
    {rgb(201, 199, 186), 0, 0, 0, 0, rgb(196, 177, 140), rgb(206, 199, 189), rgb(196, 177, 140), 0,
     0, rgb(245, 244, 234)},
    // Normal.
    {Outline, rgb(255, 255, 255), rgb(254, 254, 254), rgb(226, 223, 214), rgb(214, 208, 197), K1,
     K2, K3, ButtonFaceTop, ButtonFaceBottom, 0},
    // Focused or default: blue glow.
    {Outline, rgb(206, 231, 255), rgb(189, 215, 247), rgb(140, 174, 231), rgb(107, 130, 239), K1,
     K2, K3, rgb(189, 211, 247), rgb(140, 174, 231), 0},
    // Hot: orange glow.
    {Outline, rgb(255, 243, 206), rgb(255, 219, 140), rgb(255, 178, 49), rgb(230, 150, 0), K1, K2,
     K3, rgb(225, 223, 156), rgb(255, 182, 48), 0},
    // Pressed: darker flat face.
    {Outline, 0, 0, 0, 0, K1, K2, K3, 0, 0, rgb(231, 227, 222)},
};

} // namespace

const ButtonColours& ButtonColoursFor(int state) {
    return state >= StateDisabled && state <= StatePressed ? Looks[state] : Looks[StateNormal];
}

bool HasGradientFace(int state) {
    return state != StateDisabled && state != StatePressed;
}
