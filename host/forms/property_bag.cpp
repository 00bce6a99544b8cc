#include "property_bag.h"
#include "trimmed.h"

#include <charconv>
#include <cmath>

namespace forms {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A whole number in decimal, or "&H" and one to eight hex digits,
// optionally ending in "&" (then `hex` is set).
std::optional<std::int64_t> parseWhole(std::string_view text, bool& hex) {
    text = trimmed(text);
    hex = text.size() >= 3 && text[0] == '&' && lowerAscii(text[1]) == 'h';
    if (hex) {
        text.remove_prefix(2);
        if (!text.empty() && text.back() == '&') {
            text.remove_suffix(1);
        }
    } else if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    auto [end, status] =
        std::from_chars(text.data(), text.data() + text.size(), value, hex ? 16 : 10);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() ||
        (hex && (text.size() > 8 || text.front() == '-'))) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool keysEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::int32_t> parseLong(std::string_view text) {
    bool hex = false;
    auto value = parseWhole(text, hex);
    if (!value || (!hex && (*value < INT32_MIN || *value > INT32_MAX))) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
}

std::optional<bool> parseBoolean(std::string_view text) {
    text = trimmed(text);
    if (keysEqual(text, "True")) {
        return true;
    }
    if (keysEqual(text, "False")) {
        return false;
    }
    if (auto number = parseLong(text)) {
        return *number != 0;
    }
    return std::nullopt;
}

std::optional<Colour> parseColour(std::string_view text) {
    bool hex = false;
    auto value = parseWhole(text, hex);
    if (!value || *value < INT32_MIN || *value > static_cast<std::int64_t>(UINT32_MAX)) {
        return std::nullopt;
    }
    return static_cast<Colour>(static_cast<std::uint64_t>(*value) & 0xFFFFFFFFu);
}

std::optional<double> parseDecimal(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

const std::string* PropertyBag::find(std::string_view key) const {
    for (const auto& entry : entries_) {
        if (keysEqual(entry.first, key)) {
            return &entry.second;
        }
    }
    return nullptr;
}

std::optional<std::string> PropertyBag::text(std::string_view key) const {
    if (const std::string* value = find(key)) {
        return *value;
    }
    return std::nullopt;
}

void PropertyBag::setText(std::string_view key, std::string_view value) {
    for (auto& entry : entries_) {
        if (keysEqual(entry.first, key)) {
            entry.second = std::string(value);
            return;
        }
    }
    entries_.emplace_back(std::string(key), std::string(value));
}

// A missing key reads as an empty text, which no parser takes.
std::int32_t PropertyBag::readLong(std::string_view key, std::int32_t defaultValue) const {
    return parseLong(text(key).value_or("")).value_or(defaultValue);
}

std::int16_t PropertyBag::readInteger(std::string_view key, std::int16_t defaultValue) const {
    auto number = parseLong(text(key).value_or(""));
    bool fits = number && *number >= INT16_MIN && *number <= INT16_MAX;
    return fits ? static_cast<std::int16_t>(*number) : defaultValue;
}

bool PropertyBag::readBoolean(std::string_view key, bool defaultValue) const {
    return parseBoolean(text(key).value_or("")).value_or(defaultValue);
}

std::string PropertyBag::readString(std::string_view key, std::string_view defaultValue) const {
    return text(key).value_or(std::string(defaultValue));
}

Colour PropertyBag::readColour(std::string_view key, Colour defaultValue) const {
    return parseColour(text(key).value_or("")).value_or(defaultValue);
}

} // namespace forms
