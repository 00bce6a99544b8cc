#include "ini_reader.h"

#include <cstdint>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string_view stripQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

} // namespace

std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    bool inSection = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;

        if (!line.empty() && line.front() == '[') {
            const size_t close = line.find(']');
            const std::string_view name =
                close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1);
            inSection = sameName(trim(name), section);
            continue;
        }
        if (!inSection)
            continue;
        const size_t equals = line.find('=');
        const std::string_view name = trim(line.substr(0, equals));
        if (!sameName(name, key))
            continue;
        if (equals == std::string_view::npos)
            return std::string();
        return std::string(stripQuotes(trim(line.substr(equals + 1))));
    }
    return std::nullopt;
}

int profileIntFromValue(std::string_view value) {
    value = value.substr(0, 29);
    size_t i = 0;
    while (i < value.size() && static_cast<unsigned char>(value[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == '0') {
        const char prefix = lowerAscii(value[i + 1]);
        if (prefix == 'x' || prefix == 'o' || prefix == 'b') {
            base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : 2;
            i += 2;
        }
    }
    std::uint32_t result = 0;
    for (; i < value.size(); ++i) {
        const int digit = digitValue(value[i]);
        if (digit >= static_cast<int>(base))
            break;
        result = result * base + static_cast<std::uint32_t>(digit);
    }
    if (negative)
        result = 0u - result;
    return static_cast<int>(result);
}

int profileIntFromText(std::string_view text, std::string_view section, std::string_view key,
                       int defaultValue) {
    const std::optional<std::string> value = findProfileValue(text, section, key);
    if (!value || value->empty())
        return defaultValue;
    return profileIntFromValue(*value);
}
