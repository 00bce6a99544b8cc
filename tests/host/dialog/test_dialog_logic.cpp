// What the settings dialog computes at load and on the user's actions.
#include "dialog_logic.h"

#include <gtest/gtest.h>

namespace dialog {

TEST(DialogLogic, PlacesTheDialogCentredAndAThirdDown) {
    // 1280 x 1024 pixels at 15 twips per pixel; the dialog 7545 x 4410.
    DialogPlacement place = dialogPlacement(19200, 15360, 7545, 4410);
    EXPECT_EQ(place.left, 5827); // 11655 \ 2
    EXPECT_EQ(place.top, 3650);  // 10950 \ 3
    // Free lengths are rounded to whole twips (halves to even) before the
    // division: 100.5 -> 100, 101.5 -> 102.
    EXPECT_EQ(dialogPlacement(1100.5, 1101.5, 1000, 1000).left, 50);
    EXPECT_EQ(dialogPlacement(1100.5, 1101.5, 1000, 1000).top, 34);
    // A screen smaller than the dialog: the quotient truncates towards zero.
    place = dialogPlacement(1000, 1000, 1005, 1007);
    EXPECT_EQ(place.left, -2);
    EXPECT_EQ(place.top, -2);
}

TEST(DialogLogic, SourcesEnableTheirOwnControlsOnly) {
    SourceControls none = sourceControlsFor(0);
    EXPECT_FALSE(none.trackBoxEnabled);
    EXPECT_FALSE(none.fileButtonEnabled);
    EXPECT_EQ(none.selectedMark, 0);
    SourceControls cd = sourceControlsFor(1);
    EXPECT_TRUE(cd.trackBoxEnabled);
    EXPECT_FALSE(cd.fileButtonEnabled);
    EXPECT_EQ(cd.selectedMark, 1);
    SourceControls file = sourceControlsFor(2);
    EXPECT_FALSE(file.trackBoxEnabled);
    EXPECT_TRUE(file.fileButtonEnabled);
    EXPECT_EQ(file.selectedMark, 2);
    // A hand-edited source outside 0..2: no mark, nothing enabled.
    for (int kind : {-1, 3, 32767}) {
        SourceControls odd = sourceControlsFor(kind);
        EXPECT_FALSE(odd.trackBoxEnabled);
        EXPECT_FALSE(odd.fileButtonEnabled);
        EXPECT_EQ(odd.selectedMark, -1);
    }
}

TEST(DialogLogic, TrackBoxAndCountTexts) {
    EXPECT_EQ(trackText(0), "");
    EXPECT_EQ(trackText(7), "7");
    EXPECT_EQ(trackText(-3), "-3");
    EXPECT_EQ(trackText(45), "45"); // beyond the list, still shown
    std::vector<std::string> entries = trackListEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries[0], "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries[30], "30");
    EXPECT_EQ(butterflyCountText(1), "100");
    EXPECT_EQ(butterflyCountText(5), "500");
    EXPECT_EQ(butterflyCountText(10), "1000");
}

TEST(DialogLogic, RefusalNamesTheRangeAndTheFilterEndsTwice) {
    std::string message = trackRangeMessage();
    EXPECT_NE(message.find("-32768"), std::string::npos);
    EXPECT_NE(message.find("32767"), std::string::npos);
    for (bool partly : {false, true}) {
        std::string failure = saveFailureMessage(partly);
        EXPECT_NE(failure.find("C:\\tolvek_temp\\Kalendra.ini"), std::string::npos);
        EXPECT_EQ(failure.find("一部") != std::string::npos, partly);
    }
    std::string filter = musicFileFilter();
    // Description, pattern, each NUL-terminated, then the closing NUL.
    std::string expected = "BGMﾌｧｲﾙ (MP3 WAV)";
    expected += '\0';
    expected += "*.MP3;*.WAV";
    expected += '\0';
    expected += '\0';
    EXPECT_EQ(filter, expected);
}

TEST(DialogLogic, PicksThePicturesOfTheLargestScaleNotAboveTheScreens) {
    const std::pair<int, const char*> cases[] = {{72, ""},      {96, ""},      {143, ""},
                                                 {144, "_150"}, {168, "_150"}, {191, "_150"},
                                                 {192, "_200"}, {288, "_200"}};
    for (auto [dotsPerInch, suffix] : cases) {
        EXPECT_EQ(pictureResourceName("banner07", dotsPerInch),
                  std::string("DIALOG_BANNER07") + suffix)
            << dotsPerInch;
    }
    EXPECT_EQ(pictureResourceName("mark_on", 96), "DIALOG_MARK_ON");
}

} // namespace dialog
