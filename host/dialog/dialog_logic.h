#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dialog {

// What the settings dialog computes when it loads and when the user acts,
// apart from any window.

// Where the dialog goes, in twips: centred across the screen, a third of the
// free height down. Each free length is rounded to whole twips first, then
// divided with the quotient truncated towards zero.
struct DialogPlacement {
    int left = 0;
    int top = 0;
};
DialogPlacement dialogPlacement(double screenWidthTwips, double screenHeightTwips,
                                int dialogWidthTwips, int dialogHeightTwips);

// How far load moves each white caption outline from its black one: one
// pixel at 96 dots per inch, which engraves the box.
constexpr int engraveOffsetTwips = 15;

// The butterflies label: the scroll bar's hundreds as a plain number ("500").
std::string butterflyCountText(int scrollValue);

// Which controls a music source enables and which option mark shows it.
struct SourceControls {
    bool trackBoxEnabled = false;   // the audio-CD track box
    bool fileButtonEnabled = false; // the "..." file chooser button
    int selectedMark = -1;          // index of the selected mark; -1 for none
};
SourceControls sourceControlsFor(int bgmKind);

// The track box's text for a stored track ("##": 0 shows nothing).
std::string trackText(std::int16_t bgmRepeat);

// The track list: the empty entry, then 1 to 30.
std::vector<std::string> trackListEntries();

// Shown when the track text is a number that cannot be stored; it names
// the range (UTF-8).
std::string trackRangeMessage();

// Shown when a confirmation could not write the settings file; it names the
// file and says the settings were not saved or, when some writes went
// through before one failed (partly), may be saved only in part (UTF-8).
std::string saveFailureMessage(bool partly);

// The file chooser's texts (UTF-8): the filter as the open-file request
// takes it (description, NUL, pattern, NUL, NUL) and its title.
std::string musicFileFilter();
constexpr char musicFileChooserTitle[] = "ﾌｧｲﾙを開く";

// The resource of a dialog picture ("mark_on", "banner07"...) drawn for the
// display scale at dotsPerInch: "DIALOG_" and the name in capitals, with
// "_150" from 144 and "_200" from 192 dots per inch on; the largest scale
// not above the screen's, so a picture never outgrows its place.
std::string pictureResourceName(std::string_view name, int dotsPerInch);

} // namespace dialog
