// Font descriptions read from their text form and from property bags.
#include "font_description.h"

#include <gtest/gtest.h>

using forms::FontDescription;

TEST(FontDescription, TextFormReadsEveryField) {
    FontDescription font;
    font.name = "ＭＳ Ｐゴシック";
    font.size = 9.75;
    font.weight = 700;
    font.italic = true;
    font.strikethrough = true;
    font.charset = 128;
    EXPECT_EQ(forms::parseFont("ＭＳ Ｐゴシック; 9.75; 700; 1; 0; 1; 128"), font);
}

TEST(FontDescription, FieldsLeftOffTakeTheDefaults) {
    auto font = forms::parseFont(" Verdana ; 12 ");
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name, "Verdana");
    EXPECT_EQ(font->size, 12.0);
    EXPECT_EQ(font->weight, 400);
    EXPECT_FALSE(font->italic);
    EXPECT_EQ(font->charset, 1);
    EXPECT_EQ(forms::parseFont("Arial; 10; 400; True; False"),
              (FontDescription{"Arial", 10, 400, true, false, false, 1}));
}

TEST(FontDescription, BadFieldsAreRefused) {
    for (const char* text : {"", "; 8", "Arial; 0", "Arial; -3", "Arial; big", "Arial; 8; 1001",
                             "Arial; 8; 400; maybe", "Arial; 8; 400; 0; 0; 0; 256",
                             "Arial; 8; 400; 0; 0; 0; 1; extra"}) {
        EXPECT_FALSE(forms::parseFont(text)) << text;
    }
}

TEST(FontDescription, BagGivesItsFontOrTheDefault) {
    forms::PropertyBag bag;
    FontDescription standard;
    FontDescription bold = standard;
    bold.weight = 700;
    bag.setText("Font", "Tahoma; 8.25; 700");
    EXPECT_EQ(forms::readFont(bag, "font", standard), bold);

    bag.setText("Font", "Arial; nonsense");
    EXPECT_EQ(forms::readFont(bag, "Font", standard), standard);
}
