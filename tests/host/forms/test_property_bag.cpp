// The property bag: keys without regard to case, typed reads with
// defaults, defaults not stored, and its text form.
#include "property_bag.h"

#include <gtest/gtest.h>

using forms::PropertyBag;

TEST(PropertyBag, KeysMatchWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    PropertyBag bag;
    bag.writeLong("ShadowOpacity", 40, 0);
    EXPECT_EQ(bag.readLong("shadowopacity", 0), 40);
    EXPECT_EQ(bag.readLong("SHADOWOPACITY", 0), 40);
    bag.writeLong("SHADOWopacity", 55, 0);
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.entries()[0].first, "ShadowOpacity");
    EXPECT_EQ(bag.entries()[0].second, "55");
    EXPECT_TRUE(bag.remove("shadowOPACITY"));
    EXPECT_TRUE(bag.empty());
}

TEST(PropertyBag, AValueEqualToItsDefaultIsNotStoredAndRemovesAnEarlierOne) {
    PropertyBag bag;
    bag.writeLong("Width", 100, 100);
    bag.writeInteger("Count", 7, 7);
    bag.writeBoolean("FocusRect", true, true);
    bag.writeString("Caption", "OK", "OK");
    bag.writeColour("FillColour", 0x00E0E0E0, 0x00E0E0E0);
    EXPECT_TRUE(bag.empty());

    bag.writeColour("FillColour", 0x000000FF, 0x00E0E0E0);
    EXPECT_TRUE(bag.contains("fillcolour"));
    bag.writeColour("fillColour", 0x00E0E0E0, 0x00E0E0E0);
    EXPECT_FALSE(bag.contains("FillColour"));
}

TEST(PropertyBag, TypedValuesAreStoredAsTheirTextAndReadBack) {
    PropertyBag bag;
    bag.writeLong("Long", -2147483647 - 1, 0);
    bag.writeInteger("Integer", -32768, 0);
    bag.writeBoolean("Flag", true, false);
    bag.writeBoolean("Other", false, true);
    bag.writeString("Text", "  spaced \"quoted\"\n", "");
    bag.writeColour("Colour", 0x8000000F, 0);

    EXPECT_EQ(bag.text("Flag"), "-1"); // True is stored as -1
    EXPECT_EQ(bag.text("Other"), "0");
    EXPECT_EQ(bag.text("Colour"), "&H8000000F");

    EXPECT_EQ(bag.readLong("Long", 0), -2147483647 - 1);
    EXPECT_EQ(bag.readInteger("Integer", 0), -32768);
    EXPECT_TRUE(bag.readBoolean("Flag", false));
    EXPECT_FALSE(bag.readBoolean("Other", true));
    EXPECT_EQ(bag.readString("Text", ""), "  spaced \"quoted\"\n");
    EXPECT_EQ(bag.readColour("Colour", 0), 0x8000000Fu);
}

TEST(PropertyBag, MissingKeysAndTextsOfTheWrongTypeGiveTheDefault) {
    PropertyBag bag;
    bag.setText("Word", "abc");
    bag.setText("Big", "40000");
    bag.setText("Huge", "9999999999");
    bag.setText("Half", "12x");
    EXPECT_EQ(bag.readLong("Missing", 17), 17);
    EXPECT_EQ(bag.readLong("Word", 17), 17);
    EXPECT_EQ(bag.readLong("Huge", 17), 17);
    EXPECT_EQ(bag.readLong("Half", 17), 17);
    EXPECT_EQ(bag.readInteger("Big", 5), 5); // beyond 16 bits
    EXPECT_EQ(bag.readLong("Big", 5), 40000);
    EXPECT_TRUE(bag.readBoolean("Word", true));
    EXPECT_EQ(bag.readColour("Word", 0x123456u), 0x123456u);
    EXPECT_EQ(bag.readString("Missing", "fallback"), "fallback");
}

TEST(PropertyBag, ValueParsersAcceptTheFormsTheBagWrites) {
    EXPECT_EQ(forms::parseLong(" +42 "), 42);
    EXPECT_EQ(forms::parseLong("&HFF"), 255);
    EXPECT_EQ(forms::parseLong("&HFFFFFFFF&"), -1);
    EXPECT_FALSE(forms::parseLong("&H123456789"));
    EXPECT_FALSE(forms::parseLong(""));
    EXPECT_EQ(forms::parseBoolean("true"), true);
    EXPECT_EQ(forms::parseBoolean("FALSE"), false);
    EXPECT_EQ(forms::parseBoolean("-1"), true);
    EXPECT_FALSE(forms::parseBoolean("yes"));
    EXPECT_EQ(forms::parseColour("&H00BBGGRR"), std::nullopt);
    EXPECT_EQ(forms::parseColour("&H00112233"), 0x00112233u);
    EXPECT_EQ(forms::parseColour("-2147483633"), 0x8000000Fu);
    EXPECT_EQ(forms::parseDecimal("8.25"), 8.25);
    EXPECT_FALSE(forms::parseDecimal("inf"));
    EXPECT_EQ(forms::colourText(0x00E0E0E0), "&H00E0E0E0");
}

TEST(PropertyBag, TextFormRoundTripsEveryValue) {
    PropertyBag bag;
    bag.setText("Plain", "Verdana; 8.25; 400");
    bag.setText("Empty", "");
    bag.setText("Padded", "  two  ");
    bag.setText("Quote", "\"start");
    bag.setText("Escapes", "a\\b\tc\r\nd");
    bag.setText("Japanese", "■Kalendra■ 設定");
    std::string text = forms::propertyBagText(bag);
    EXPECT_NE(text.find("Plain = Verdana; 8.25; 400\n"), std::string::npos);
    EXPECT_NE(text.find("Padded = \"  two  \"\n"), std::string::npos);

    std::string error;
    auto read = forms::parsePropertyBag(text, &error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->entries(), bag.entries());
}

TEST(PropertyBag, TextFormSkipsCommentsAndNamesTheLineOfAFault) {
    auto read = forms::parsePropertyBag("\xEF\xBB\xBF# comment\r\n' another\r\n\r\nA = 1\r\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->readLong("a", 0), 1);

    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"A = 1\nno equals sign\n", "line 2: expected \"Key = value\""},
        {"A = 1\na = 2\n", "line 2: \"a\" is given twice"},
        {" = 1\n", "line 1: missing key before \"=\""},
        {"Two words = 1\n", "line 1: key \"Two words\" holds characters other than letters, "
                            "digits and _"},
        {"A = \"open\n", "line 1: missing closing quote"},
        {"A = \"x\\q\"\n", "line 1: unknown escape \\q"},
        {"A = \"x\" y\n", "line 1: text after the closing quote"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(forms::parsePropertyBag(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}
