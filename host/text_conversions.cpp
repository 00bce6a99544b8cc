#include "text_conversions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

// Far beyond any exponent a double can take, small enough that adding a
// mantissa length cannot overflow.
constexpr long long exponentLimit = 1000000000;

// The value of unsigned mantissa digits and a decimal exponent, exact to the
// nearest double; beyond the double range infinity, below it zero.
double decimalValue(std::string_view integerDigits, std::string_view fractionDigits,
                    long long exponent) {
    std::string text;
    text.reserve(integerDigits.size() + fractionDigits.size() + 16);
    text.append(integerDigits).append(".").append(fractionDigits);
    text.append("e").append(std::to_string(exponent));
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error != std::errc::result_out_of_range)
        return value;

    // Out of range: tell overflow from underflow by the decimal magnitude.
    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    long long magnitude = 0;
    if (firstNonZero != std::string_view::npos) {
        magnitude = static_cast<long long>(integerDigits.size() - firstNonZero) + exponent;
    } else {
        const std::size_t leading = fractionDigits.find_first_not_of('0');
        magnitude = exponent - static_cast<long long>(leading);
    }
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

struct ScannedNumber {
    std::size_t end;
    double value;
};

// The longest number that starts exactly at pos, if any.
std::optional<ScannedNumber> scanNumber(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t integerStart = i;
    i = skipDigits(text, i);
    const std::string_view integerDigits = text.substr(integerStart, i - integerStart);

    std::string_view fractionDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = skipDigits(text, i + 1);
        fractionDigits = text.substr(i + 1, fractionEnd - (i + 1));
        if (!integerDigits.empty() || !fractionDigits.empty())
            i = fractionEnd;
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return std::nullopt;

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        const std::size_t exponentStart = j;
        long long magnitude = 0;
        for (; j < text.size() && isDigit(text[j]); ++j) {
            if (magnitude < exponentLimit)
                magnitude = magnitude * 10 + (text[j] - '0');
        }
        // An exponent letter without digits does not belong to the number.
        if (j > exponentStart) {
            i = j;
            exponent = exponentNegative ? -magnitude : magnitude;
        }
    }
    const double value = decimalValue(integerDigits, fractionDigits, exponent);
    return ScannedNumber{i, negative ? -value : value};
}

template <typename Int> std::optional<Int> fitting(double whole) {
    if (whole < static_cast<double>(std::numeric_limits<Int>::min()) ||
        whole > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(whole);
}

// Rounding to nearest in the default mode sends halves to the even neighbour.
template <typename Int> std::optional<Int> roundHalfEven(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return fitting<Int>(std::nearbyint(value));
}

} // namespace

std::string signedNumberText(long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

double leadingNumber(std::string_view text) {
    const std::optional<ScannedNumber> number = scanNumber(text, skipBlanks(text, 0));
    return number ? number->value : 0.0;
}

std::optional<double> numericTextValue(std::string_view text) {
    const std::optional<ScannedNumber> number = scanNumber(text, skipBlanks(text, 0));
    if (!number || skipBlanks(text, number->end) != text.size())
        return std::nullopt;
    return number->value;
}

bool isNumericText(std::string_view text) {
    return numericTextValue(text).has_value();
}

std::optional<std::int16_t> floorToInt16(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    return fitting<std::int16_t>(std::floor(value));
}

std::optional<std::int16_t> roundHalfEvenToInt16(double value) {
    return roundHalfEven<std::int16_t>(value);
}

std::optional<std::int32_t> roundHalfEvenToInt32(double value) {
    return roundHalfEven<std::int32_t>(value);
}

std::string formatHashHash(long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view charactersFrom(std::string_view text, std::size_t position) {
    const std::size_t start = position == 0 ? 0 : position - 1;
    return start >= text.size() ? std::string_view() : text.substr(start);
}
