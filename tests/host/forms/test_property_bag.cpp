// The property bag: keys without regard to case, typed reads with
// defaults.
#include "property_bag.h"

#include <gtest/gtest.h>

using forms::PropertyBag;

TEST(PropertyBag, KeysMatchWithoutRegardToCaseAndKeepTheirFirstSpelling) {
    PropertyBag bag;
    bag.setText("ShadowOpacity", "40");
    EXPECT_EQ(bag.readLong("shadowopacity", 0), 40);
    EXPECT_EQ(bag.readLong("SHADOWOPACITY", 0), 40);
    bag.setText("SHADOWopacity", "55");
    ASSERT_EQ(bag.entries().size(), 1u);
    EXPECT_EQ(bag.entries()[0].first, "ShadowOpacity");
    EXPECT_EQ(bag.entries()[0].second, "55");
}

TEST(PropertyBag, TypedValuesAreReadFromTheirText) {
    PropertyBag bag;
    bag.setText("Long", "-2147483648");
    bag.setText("Integer", "-32768");
    bag.setText("Flag", "-1");
    bag.setText("Other", "False");
    bag.setText("Text", "  spaced \"quoted\"\n");
    bag.setText("Colour", "&H8000000F");
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

TEST(PropertyBag, ValueParsersAcceptTheirForms) {
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
}
