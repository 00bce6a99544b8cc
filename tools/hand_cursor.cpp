#include "hand_cursor.h"

#include "art_scale.h"

#include <string>

namespace {

// k black outline, w white, b blue cuff, c light blue band, anything else transparent.
const char* const handRows[handCursorPixels] = {
    "...........kkk",
    "..........kwwwk",
    "..........kwwwk",
    "..........kwwwk",
    "..........kwwwk",
    "..........kwwwk",
    "..........kwwwkkk",
    "..........kwwwkwwkkk",
    "..........kwwwkwwkwwkkk",
    "..........kwwwkwwkwwkwwk",
    "..........kwwwkwwkwwkwwkk",
    "......kk..kwwwkwwkwwkwwkwk",
    ".....kwwk.kwwwwwwwwwwwwwwk",
    ".....kwwwkkwwwwwwwwwwwwwwk",
    "......kwwwkwwwwwwwwwwwwwwk",
    "......kwwwwwwwwwwwwwwwwwwk",
    ".......kwwwwwwwwwwwwwwwwwk",
    ".......kwwwwwwwwwwwwwwwwwk",
    "........kwwwwwwwwwwwwwwwwk",
    ".........kwwwwwwwwwwwwwwk",
    "..........kwwwwwwwwwwwwwk",
    "...........kwwwwwwwwwwwk",
    "...........kwwwwwwwwwwwk",
    "..........kkkkkkkkkkkkkkk",
    "..........kcccccccccccccck",
    "..........kbbbbbbbbbbbbbbk",
    "..........kbbbbbbbbbbbbbbk",
    "..........kbbbbbbbbbbbbbbk",
    "..........kbbbbbbbbbbbbbbk",
    "..........kkkkkkkkkkkkkkkk",
    "",
    "",
};

// The cell of the 32-pixel plan under the centre of pixel `p` at `percent`.
int cellAt(int p, int percent) {
    return (2 * p + 1) * 100 / (2 * percent);
}

// The first pixel whose centre lies in cell `c`.
int firstPixelOf(int c, int percent) {
    return (2 * c * percent - 100 + 199) / 200;
}

} // namespace

CursorPicture drawHandCursor(int percent) {
    const int side = scaledPixels(handCursorPixels, percent);
    CursorPicture cursor(side);
    cursor.hotSpot = {firstPixelOf(handCursorHotSpot.x, percent),
                      firstPixelOf(handCursorHotSpot.y, percent)};
    for (int y = 0; y < side; ++y) {
        const std::string row = handRows[cellAt(y, percent)];
        for (int x = 0; x < side; ++x) {
            const int cell = cellAt(x, percent);
            if (cell >= static_cast<int>(row.size()))
                continue;
            Rgb colour;
            switch (row[cell]) {
            case 'k':
                colour = {0, 0, 0};
                break;
            case 'w':
                colour = {255, 255, 255};
                break;
            case 'b':
                colour = {32, 64, 200};
                break;
            case 'c':
                colour = {110, 160, 255};
                break;
            default:
                continue;
            }
            cursor.colours.at(x, y) = colour;
            cursor.transparent.at(x, y) = 0;
        }
    }
    return cursor;
}
