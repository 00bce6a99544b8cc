// Feeds arbitrary text and numbers to the host's number conversions and
// checks them against each other, against a state machine of the notation
// and against the C library:
// - a numeric text reads back the same value through every reader, and its
//   value is the one strtod gives for the same digits;
// - the leading number of any text is the value of its longest numeric prefix;
// - the integer conversions agree with floor and with the C library's
//   halves-to-even rounding, and say "does not fit" instead of wrapping;
// - the signed-number and "##" texts of a whole number read back as it.
#include "text_conversions.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool sameValue(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The C library's reading of a text our reader accepted: the exponent letters
// D and d are ours alone, so they become e first. Every accepted text is then
// a plain decimal number for strtod.
double libraryValue(std::string_view text) {
    std::string copy(text);
    for (char& c : copy)
        if (c == 'D' || c == 'd')
            c = 'e';
    return std::strtod(copy.c_str(), nullptr);
}

// strtod may return a subnormal where our reader is allowed to give 0.
bool agreesWithLibrary(double ours, double library) {
    if (ours == library)
        return true;
    return std::fabs(library) < DBL_MIN && ours == 0.0;
}

// Whether every byte is one our number notation can hold, so that strtod
// sees nothing of its own extensions (hexadecimal, "inf", "nan").
bool plainNotation(std::string_view text) {
    for (char c : text)
        if (!std::strchr(" \t\r\n+-.0123456789EeDd", c))
            return false;
    return true;
}

// The number notation as a state machine of its own: blanks, sign, digits
// with an optional point (at least one digit in all), an optional exponent
// with at least one digit, blanks.
bool matchesNotation(std::string_view text) {
    enum State { Start, Sign, Whole, Point, BarePoint, Fraction, Letter, ExpSign, Exponent, End };
    State state = Start;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        const bool sign = c == '+' || c == '-';
        const bool letter = c == 'E' || c == 'e' || c == 'D' || c == 'd';
        switch (state) {
        case Start:
            state = blank ? Start : sign ? Sign : digit ? Whole : c == '.' ? BarePoint : End;
            if (state == End)
                return false;
            break;
        case Sign:
            if (!digit && c != '.')
                return false;
            state = digit ? Whole : BarePoint;
            break;
        case Whole:
        case Point:
        case Fraction:
            if (digit)
                state = state == Whole ? Whole : Fraction;
            else if (c == '.' && state == Whole)
                state = Point;
            else if (letter)
                state = Letter;
            else if (blank)
                state = End;
            else
                return false;
            break;
        case BarePoint:
            if (!digit)
                return false;
            state = Fraction;
            break;
        case Letter:
            if (!digit && !sign)
                return false;
            state = digit ? Exponent : ExpSign;
            break;
        case ExpSign:
            if (!digit)
                return false;
            state = Exponent;
            break;
        case Exponent:
            if (blank)
                state = End;
            else if (!digit)
                return false;
            break;
        case End:
            if (!blank)
                return false;
            break;
        }
    }
    return state == Whole || state == Point || state == Fraction || state == Exponent ||
           state == End;
}

void checkText(std::string_view text) {
    const double leading = leadingNumber(text);
    check(!std::isnan(leading), "the leading number is never NaN");
    const std::optional<double> value = numericTextValue(text);
    check(value.has_value() == isNumericText(text), "numeric test and value agree");
    check(value.has_value() == matchesNotation(text), "numeric exactly when in the notation");
    if (value) {
        check(sameValue(*value, leading), "a numeric text's leading number is its value");
        check(plainNotation(text), "a numeric text holds only number characters");
        check(agreesWithLibrary(*value, libraryValue(text)), "value as strtod reads it");
        // Anything after a numeric text that cannot continue a number leaves
        // the leading number alone.
        check(sameValue(leadingNumber(std::string(text) + "x"), *value), "suffix ignored");
        // A numeric text stays numeric with blanks around it.
        check(isNumericText(" " + std::string(text) + "\t"), "blanks around a number");
    }
    // The leading number is the value of the longest numeric prefix (after
    // the blanks): look for it from the end, but only over a bounded window
    // so that long inputs stay fast.
    const std::size_t limit = text.size() < 64 ? text.size() : 64;
    std::optional<double> prefixValue;
    for (std::size_t n = limit; n > 0 && !prefixValue; --n) {
        const std::string_view prefix = text.substr(0, n);
        // A trailing blank would make a shorter number count as this prefix.
        if (!prefix.empty() && std::strchr(" \t\r\n", prefix.back()) == nullptr)
            prefixValue = numericTextValue(prefix);
    }
    if (prefixValue && limit == text.size())
        check(sameValue(*prefixValue, leading), "leading number is the longest numeric prefix");
    if (!prefixValue && limit == text.size())
        check(leading == 0.0, "no number gives 0");
}

void checkFloor(double value) {
    const std::optional<std::int16_t> whole = floorToInt16(value);
    if (!std::isfinite(value)) {
        check(!whole, "floor of infinity or NaN does not fit");
        return;
    }
    const double expected = std::floor(value);
    const bool fits = expected >= -32768.0 && expected <= 32767.0;
    check(whole.has_value() == fits, "floor fits exactly when in the 16-bit range");
    if (whole)
        check(*whole == expected, "floor to 16 bits is floor");
}

template <typename Int>
void checkRound(double value, std::optional<Int> rounded, const char* what) {
    if (!std::isfinite(value)) {
        check(!rounded, what);
        return;
    }
    // The default floating-point environment rounds halves to even.
    const double expected = std::nearbyint(value);
    const bool fits = expected >= static_cast<double>(std::numeric_limits<Int>::min()) &&
                      expected <= static_cast<double>(std::numeric_limits<Int>::max());
    check(rounded.has_value() == fits, what);
    if (rounded)
        check(static_cast<double>(*rounded) == expected, what);
}

void checkWhole(long number) {
    const std::string signedText = signedNumberText(number);
    check(!signedText.empty() && (signedText[0] == ' ') == (number >= 0),
          "sign character: blank or minus");
    const std::string hash = formatHashHash(number);
    check(hash.empty() == (number == 0), "## of 0 is empty, of anything else not");
    if (number != 0)
        check(hash[0] != '0' && hash.find(' ') == std::string::npos, "## has no padding");
    // Texts of numbers a double holds exactly read back as the number.
    if (number > -(1L << 53) && number < (1L << 53)) {
        check(isNumericText(signedText), "signed text is numeric");
        check(leadingNumber(signedText) == static_cast<double>(number), "signed text reads back");
        if (number != 0)
            check(leadingNumber(hash) == static_cast<double>(number), "## text reads back");
    }
}

template <typename T> T bytesAs(const std::uint8_t* data, std::size_t size) {
    T value{};
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text);

    // The first eight bytes as a double (every bit pattern, NaN and infinity
    // included) and the value the text reads as.
    for (const double value : {bytesAs<double>(data, size), leadingNumber(text)}) {
        checkFloor(value);
        checkRound(value, roundHalfEvenToInt16(value), "halves to even, 16 bits");
        checkRound(value, roundHalfEvenToInt32(value), "halves to even, 32 bits");
        // Exact halves near the input exercise the tie rule.
        const double half = std::floor(value) + 0.5;
        checkRound(half, roundHalfEvenToInt16(half), "tie, 16 bits");
        checkRound(half, roundHalfEvenToInt32(half), "tie, 32 bits");
    }
    checkWhole(bytesAs<long>(data, size));

    // upperAscii changes lower-case ASCII letters only.
    for (const char c : text) {
        const char upper = upperAscii(c);
        if (c >= 'a' && c <= 'z')
            check(upper == c - 'a' + 'A', "lower-case letter upper-cased");
        else
            check(upper == c, "other bytes unchanged");
    }
    // charactersFrom is the tail from a 1-based position.
    const std::size_t position = size == 0 ? 0 : data[0] % 8;
    const std::string_view tail = charactersFrom(text, position);
    const std::size_t start = position == 0 ? 0 : position - 1;
    check(tail == (start >= size ? std::string_view() : text.substr(start)), "tail from position");
    return 0;
}
