#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The host's text and number conversions, the way the host has always read
// and written numbers.
//
// Number notation, the same for every function here: optional blanks (space,
// tab, carriage return, line feed), an optional sign, decimal digits with an
// optional decimal point, an optional exponent (E, e, D or d, an optional
// sign and digits). The decimal point is always '.', whatever the locale.
// Thousands separators, currency signs and the "&H"/"&O" hexadecimal and
// octal prefixes are not read: a number stops before them, and a text that
// holds them is not numeric. Blanks inside a number end it.

// A whole number as text with a leading sign character: a blank before a
// non-negative number, a minus before a negative one (" 500", "-3", " 0").
std::string signedNumberText(long value);

// The number at the start of text: leading blanks skipped, then the longest
// prefix that forms a number; everything after it is ignored. A text without
// a number gives 0. A value beyond the double range gives plus or minus
// infinity, one too small to represent gives 0.
double leadingNumber(std::string_view text);

// Whether the whole text, blanks around it allowed, is one number. The empty
// text and blanks alone are not numeric.
bool isNumericText(std::string_view text);

// The value of a numeric text (as isNumericText decides), else nothing.
// Values beyond the double range come out as infinity, never as nothing.
std::optional<double> numericTextValue(std::string_view text);

// The integer part rounded towards minus infinity, as a 16-bit integer;
// nothing when it does not fit (or for infinity and NaN).
std::optional<std::int16_t> floorToInt16(double value);

// The nearest integer, halves going to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2), as a 16-bit or 32-bit integer; nothing when the
// rounded value does not fit (or for infinity and NaN).
std::optional<std::int16_t> roundHalfEvenToInt16(double value);
std::optional<std::int32_t> roundHalfEvenToInt32(double value);

// The "##" pattern: a whole number without leading zeros, 0 giving the empty
// text (7 -> "7", -3 -> "-3", 0 -> "").
std::string formatHashHash(long value);

// ASCII letters upper-cased, every other byte unchanged (so the halves of
// two-byte characters are never altered).
char upperAscii(char c);

// The characters of text from the 1-based position on; empty when the text
// is shorter. Position 0 counts as 1.
std::string_view charactersFrom(std::string_view text, std::size_t position);
