// The banner's pixel font and its lines.

#include "banner_text.h"
#include "pixel_font.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(PixelFont, GlyphsAreWellFormedAndUnique) {
    std::set<char> seen;
    for (const Glyph& g : pixelFontGlyphs()) {
        SCOPED_TRACE(std::string(1, g.character));
        EXPECT_TRUE(seen.insert(g.character).second);
        ASSERT_EQ(g.rows.size(), static_cast<std::size_t>(glyphRows));
        EXPECT_GT(g.width(), 0);
        for (const std::string& row : g.rows) {
            EXPECT_EQ(static_cast<int>(row.size()), g.width());
            EXPECT_EQ(row.find_first_not_of("#."), std::string::npos);
        }
    }
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_NE(findGlyph(c), nullptr) << c;
    for (char c = 'A'; c <= 'Z'; ++c)
        EXPECT_NE(findGlyph(c), nullptr) << c;
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_NE(findGlyph(c), nullptr) << c;
}

TEST(PixelFont, MeasuresAndDrawsWithOneColumnBetweenGlyphs) {
    EXPECT_EQ(textWidth(""), 0);
    EXPECT_EQ(textWidth("i"), 1);
    EXPECT_EQ(textWidth("i.i"), 5);
    EXPECT_FALSE(textWidth("a~"));

    RgbImage picture(8, glyphRows + 2);
    ASSERT_TRUE(drawText(picture, 1, 1, "i.i", {255, 255, 255}));
    // The dot of the first i, the full stop on the baseline, the stem of the last i.
    EXPECT_EQ(picture.at(1, 1).r, 255);
    EXPECT_EQ(picture.at(1, 2).r, 0);
    EXPECT_EQ(picture.at(3, 1 + glyphBaselineRow).r, 255);
    EXPECT_EQ(picture.at(3, glyphBaselineRow).r, 0);
    EXPECT_EQ(picture.at(5, 4).r, 255);
    EXPECT_EQ(picture.at(2, 4).r, 0);

    RgbImage untouched(8, glyphRows);
    EXPECT_FALSE(drawText(untouched, 0, 0, "i~", {255, 255, 255}));
    EXPECT_EQ(untouched, RgbImage(8, glyphRows));
    // Text running off the picture is cut, not written out of bounds.
    EXPECT_TRUE(drawText(untouched, 6, -3, "WWW", {9, 9, 9}));
}

TEST(BannerText, LinesFitTheBannerAndTheLastSaysWhatAClickOpens) {
    for (const char* line : bannerLines) {
        const auto width = textWidth(line);
        ASSERT_TRUE(width) << line;
        EXPECT_LE(*width, 116) << line;
    }
    // No address: the help page; an address is a whole web address.
    const std::string address = kalendraWebAddress;
    const std::string last = bannerLines[bannerLineCount - 1];
    if (address.empty()) {
        EXPECT_NE(last.find("help"), std::string::npos) << last;
    } else {
        EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
        EXPECT_NE(last.find("web"), std::string::npos) << last;
    }
}

} // namespace
