#include "text_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();
} // namespace

TEST(TextConversions, LeadingNumberReadsThePrefixThatFormsANumber) {
    const std::pair<std::string, double> cases[] = {
        {" 7.9abc", 7.9},
        {"-2.5", -2.5},
        {"1e3", 1000},
        {".5", 0.5},
        {"", 0},
        {"abc", 0},
        {"\t+4", 4},
        {"5.", 5},
        {"2D2", 200},
        {"3d-1", 0.3},
        {"1e+", 1},
        {"7 8", 7},
        {"-", 0},
        {"1.2.3", 1.2},
        {"12,345", 12},
        {"&H10", 0},
        {"1e400", infinity},
        {"-1e400", -infinity},
        {"1e-400", 0},
        {"1e99999999999999999999", infinity},
        {"1" + std::string(400, '0') + "e-400", 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(leadingNumber(text), value) << '"' << text << '"';
}

TEST(TextConversions, NumericTextIsOneNumberWithBlanksAround) {
    for (const char* text : {"0", " 42 ", "-3", "+3", "-2.5", "1.5E-2", "2d1", ".5", "5.", "1e400"})
        EXPECT_TRUE(isNumericText(text)) << '"' << text << '"';
    for (const char* text :
         {"", "   ", "abc", "7a", "1 2", "- 3", ".", "e5", "1e", "1,000", "&H10", "$5", "0x10"})
        EXPECT_FALSE(isNumericText(text)) << '"' << text << '"';
    EXPECT_EQ(numericTextValue(" -2.5 "), -2.5);
}

TEST(TextConversions, IntegerConversionsRoundAndRefuseOverflow) {
    const std::tuple<double, std::optional<std::int16_t>, std::optional<std::int16_t>> cases[] = {
        // value, floor, halves to even
        {7.9, 7, 8},
        {-2.5, -3, -2},
        {2.5, 2, 2},
        {3.5, 3, 4},
        {-0.5, -1, 0},
        {0.49999999999999994, 0, 0},
        {2.5000000000000004, 2, 3},
        {32767.5, 32767, std::nullopt},
        {-32768.5, std::nullopt, -32768},
        {infinity, std::nullopt, std::nullopt},
        {std::nan(""), std::nullopt, std::nullopt},
    };
    for (const auto& [value, floored, rounded] : cases) {
        EXPECT_EQ(floorToInt16(value), floored) << value;
        EXPECT_EQ(roundHalfEvenToInt16(value), rounded) << value;
    }
    EXPECT_EQ(roundHalfEvenToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(roundHalfEvenToInt32(-2147483648.5), -2147483647 - 1);
}

TEST(TextConversions, NumbersAsText) {
    EXPECT_EQ(signedNumberText(500), " 500");
    EXPECT_EQ(signedNumberText(0), " 0");
    EXPECT_EQ(signedNumberText(-3), "-3");
    EXPECT_EQ(formatHashHash(0), "");
    EXPECT_EQ(formatHashHash(7), "7");
    EXPECT_EQ(formatHashHash(-3), "-3");
}
