#include "property_bag.h"
#include "trimmed.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace forms {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// "&H" followed by one to eight hex digits, optionally ending in "&".
std::optional<std::uint32_t> parseHex(std::string_view text) {
    if (text.size() < 3 || text[0] != '&' || lowerAscii(text[1]) != 'h') {
        return std::nullopt;
    }
    text.remove_prefix(2);
    if (!text.empty() && text.back() == '&') {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (status != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int64_t> parseDecimalInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (status != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool isPlainValue(std::string_view value) {
    if (value.empty() || isBlank(value.front()) || isBlank(value.back()) || value.front() == '"') {
        return false;
    }
    for (char c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

bool isKeyCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::optional<std::string> unquoted(std::string_view text, std::string* error) {
    // text starts with the opening quote.
    std::string value;
    std::size_t i = 1;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            break;
        }
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++i == text.size()) {
            break;
        }
        switch (text[i]) {
        case '"':
            value += '"';
            break;
        case '\\':
            value += '\\';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        case 't':
            value += '\t';
            break;
        default:
            if (error) {
                *error = std::string("unknown escape \\") + text[i];
            }
            return std::nullopt;
        }
    }
    if (i >= text.size()) {
        if (error) {
            *error = "missing closing quote";
        }
        return std::nullopt;
    }
    if (!trimmed(text.substr(i + 1)).empty()) {
        if (error) {
            *error = "text after the closing quote";
        }
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
    text = trimmed(text);
    if (auto hex = parseHex(text)) {
        return static_cast<std::int32_t>(*hex);
    }
    auto value = parseDecimalInteger(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
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
    text = trimmed(text);
    if (auto hex = parseHex(text)) {
        return *hex;
    }
    auto value = parseDecimalInteger(text);
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

std::string colourText(Colour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "&H%08X", static_cast<unsigned>(colour));
    return text;
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

bool PropertyBag::remove(std::string_view key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (keysEqual(it->first, key)) {
            entries_.erase(it);
            return true;
        }
    }
    return false;
}

std::int32_t PropertyBag::readLong(std::string_view key, std::int32_t defaultValue) const {
    const std::string* value = find(key);
    auto number = value ? parseLong(*value) : std::nullopt;
    return number ? *number : defaultValue;
}

std::int16_t PropertyBag::readInteger(std::string_view key, std::int16_t defaultValue) const {
    const std::string* value = find(key);
    auto number = value ? parseLong(*value) : std::nullopt;
    if (!number || *number < INT16_MIN || *number > INT16_MAX) {
        return defaultValue;
    }
    return static_cast<std::int16_t>(*number);
}

bool PropertyBag::readBoolean(std::string_view key, bool defaultValue) const {
    const std::string* value = find(key);
    auto flag = value ? parseBoolean(*value) : std::nullopt;
    return flag ? *flag : defaultValue;
}

std::string PropertyBag::readString(std::string_view key, std::string_view defaultValue) const {
    const std::string* value = find(key);
    return value ? *value : std::string(defaultValue);
}

Colour PropertyBag::readColour(std::string_view key, Colour defaultValue) const {
    const std::string* value = find(key);
    auto colour = value ? parseColour(*value) : std::nullopt;
    return colour ? *colour : defaultValue;
}

void PropertyBag::writeLong(std::string_view key, std::int32_t value, std::int32_t defaultValue) {
    if (value == defaultValue) {
        remove(key);
    } else {
        setText(key, std::to_string(value));
    }
}

void PropertyBag::writeInteger(std::string_view key, std::int16_t value,
                               std::int16_t defaultValue) {
    writeLong(key, value, defaultValue);
}

void PropertyBag::writeBoolean(std::string_view key, bool value, bool defaultValue) {
    writeLong(key, value ? -1 : 0, defaultValue ? -1 : 0);
}

void PropertyBag::writeString(std::string_view key, std::string_view value,
                              std::string_view defaultValue) {
    if (value == defaultValue) {
        remove(key);
    } else {
        setText(key, value);
    }
}

void PropertyBag::writeColour(std::string_view key, Colour value, Colour defaultValue) {
    if (value == defaultValue) {
        remove(key);
    } else {
        setText(key, colourText(value));
    }
}

std::vector<std::string_view> splitLines(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool isBlankOrComment(std::string_view line) {
    line = trimmed(line);
    return line.empty() || line.front() == '#' || line.front() == '\'';
}

std::optional<PropertyLine> parsePropertyLine(std::string_view line, std::string* error) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        if (error) {
            *error = "expected \"Key = value\"";
        }
        return std::nullopt;
    }
    std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty()) {
        if (error) {
            *error = "missing key before \"=\"";
        }
        return std::nullopt;
    }
    for (char c : key) {
        if (!isKeyCharacter(c)) {
            if (error) {
                *error = "key \"" + std::string(key) +
                         "\" holds characters other than letters, "
                         "digits and _";
            }
            return std::nullopt;
        }
    }
    std::string_view rest = trimmed(line.substr(equals + 1));
    PropertyLine result{std::string(key), std::string(rest)};
    if (!rest.empty() && rest.front() == '"') {
        auto value = unquoted(rest, error);
        if (!value) {
            return std::nullopt;
        }
        result.value = std::move(*value);
    }
    return result;
}

std::string propertyLineText(std::string_view key, std::string_view value) {
    std::string line(key);
    line += " = ";
    if (isPlainValue(value)) {
        line += value;
        return line;
    }
    line += '"';
    for (char c : value) {
        switch (c) {
        case '"':
            line += "\\\"";
            break;
        case '\\':
            line += "\\\\";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\t':
            line += "\\t";
            break;
        default:
            line += c;
        }
    }
    line += '"';
    return line;
}

std::string propertyBagText(const PropertyBag& bag) {
    std::string text;
    for (const auto& [key, value] : bag.entries()) {
        text += propertyLineText(key, value);
        text += '\n';
    }
    return text;
}

std::optional<PropertyBag> parsePropertyBag(std::string_view text, std::string* error) {
    PropertyBag bag;
    int lineNumber = 0;
    for (std::string_view line : splitLines(text)) {
        ++lineNumber;
        if (isBlankOrComment(line)) {
            continue;
        }
        std::string problem;
        std::optional<PropertyLine> entry = parsePropertyLine(line, &problem);
        if (entry && !bag.contains(entry->key)) {
            bag.setText(entry->key, entry->value);
            continue;
        }
        if (entry) {
            problem = "\"" + entry->key + "\" is given twice";
        }
        if (error) {
            *error = "line " + std::to_string(lineNumber) + ": " + problem;
        }
        return std::nullopt;
    }
    return bag;
}

} // namespace forms
