#pragma once

#include <cstdint>

// The settings dialog's layout: where every control goes (twips from the
// top-left corner of its container's inside: the dialog's client area, or
// the frame's inside for the controls drawn on the frame), its caption,
// looks and control id. SettingsDialog makes its controls from these values
// in the keyboard order; the texts are what the user reads, byte for byte.

namespace dialog::layout {

struct Box {
    int left;
    int top;
    int width;
    int height;
};

struct Caption {
    Box box;
    const char* text;
    bool centred = false;
    bool sizedToText = false; // as wide as its text in the caption font
};

constexpr int clientWidth = 7455;
constexpr int clientHeight = 3990;
constexpr std::uint32_t backColour = 0x00E0E0E0; // &H00BBGGRR
constexpr std::uint32_t black = 0x00000000;
constexpr std::uint32_t white = 0x00FFFFFF;
// Every caption's and push button's font: its face, points, weight and
// character set (Shift-JIS).
constexpr char fontName[] = "ＭＳ Ｐゴシック";
constexpr double fontPoints = 9.75;
constexpr int fontWeight = 400;
constexpr int fontCharset = 128;

// The frame around the settings; the controls of both halves sit in it.
constexpr Box frame{180, 180, 7155, 2595};
constexpr int frameShadowDepth = 7;

// Music, the left half of the frame. Each caption box is a black outline
// with a white one a pixel right of and below it (engraveOffsetTwips).
constexpr Box musicBoxBlack{300, 240, 1695, 315};
constexpr Caption musicCaption{{300, 300, 1665, 195}, "BGM", true};
// Option marks and their captions, by music source (none, CD, file).
constexpr Box sourceMarks[3] = {{420, 1080, 195, 195}, {420, 780, 195, 195}, {420, 1380, 195, 195}};
constexpr Caption sourceCaptions[3] = {
    {{660, 1080, 330, 195}, "なし", false, true},
    {{660, 780, 645, 195}, "音楽CD", false, true},
    {{660, 1380, 900, 195}, "MP3、WAV", false, true},
};
constexpr Box trackBox{1440, 720, 615, 300};
constexpr Caption repeatCaption{{2100, 780, 990, 195}, "曲目をﾘﾋﾟｰﾄ", false, true};
constexpr Caption fileButton{{360, 1680, 675, 375}, "..."};
// The music file's path; two lines fit.
constexpr Box fileLabel{1080, 1680, 5595, 495};

// Number of butterflies, the right half of the frame.
constexpr Box countBoxBlack{4080, 240, 1695, 315};
constexpr Caption countCaption{{4080, 300, 1665, 195}, "蝶の数", true};
constexpr Caption minCaption{{4080, 720, 345, 195}, "min.", false, true};
constexpr Box countBar{4500, 720, 1635, 255};
constexpr int countMinimum = 1;
constexpr int countMaximum = 10;
constexpr int countDefault = 5;
constexpr Caption maxCaption{{6240, 720, 375, 195}, "max.", false, true};
constexpr Caption countLabel{{4500, 1020, 1620, 195}, "9999", true};

// The bottom row, on the dialog itself: banner box, the two buttons,
// banner box.
constexpr Box bannerBoxes[2] = {{180, 2880, 1845, 780}, {5400, 2880, 1845, 780}};
constexpr Caption saveButton{{2100, 2880, 1575, 495}, "設定"};
constexpr Caption cancelButton{{3780, 2880, 1515, 495}, "ｷｬﾝｾﾙ"};

// The banner advances every 100 ms from load until the dialog closes.
constexpr int bannerIntervalMs = 100;

// What a screen reader says of a banner box: what a click on it does.
constexpr char bannerBoxNameHelp[] = "Kalendra: open the help page";
constexpr char bannerBoxNameWeb[] = "Kalendra: open the web page";

// Control ids. "設定" and "ｷｬﾝｾﾙ" are the dialog's OK and Cancel, so that
// Enter and Escape reach them through the dialog manager.
namespace id {
constexpr int save = 1;          // IDOK
constexpr int cancel = 2;        // IDCANCEL
constexpr int firstSource = 100; // + music source (none, CD, file)
constexpr int trackBox = 110;
constexpr int fileButton = 111;
constexpr int fileLabel = 112;
constexpr int countBar = 120;
constexpr int countLabel = 121;
constexpr int firstBannerBox = 130; // + side
constexpr int caption = 0xFFFF;     // captions that nothing addresses
} // namespace id

} // namespace dialog::layout
