#include "hand_cursor.h"

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

} // namespace

CursorPicture drawHandCursor() {
    CursorPicture cursor;
    for (int y = 0; y < handCursorPixels; ++y) {
        const std::string row = handRows[y];
        for (int x = 0; x < handCursorPixels && x < static_cast<int>(row.size()); ++x) {
            Rgb colour;
            switch (row[x]) {
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
