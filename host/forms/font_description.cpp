#include "font_description.h"
#include "trimmed.h"

#include <charconv>
#include <vector>

namespace forms {

namespace {

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> parts;
    for (;;) {
        std::size_t end = text.find(';');
        parts.push_back(trimmed(text.substr(0, end)));
        if (end == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(end + 1);
    }
}

} // namespace

bool FontDescription::operator==(const FontDescription& other) const {
    return keysEqual(name, other.name) && size == other.size && weight == other.weight &&
           italic == other.italic && underline == other.underline &&
           strikethrough == other.strikethrough && charset == other.charset;
}

std::optional<FontDescription> parseFont(std::string_view text) {
    std::vector<std::string_view> parts = fields(text);
    if (parts.size() > 7 || parts[0].empty()) {
        return std::nullopt;
    }
    FontDescription font;
    font.name = std::string(parts[0]);
    if (parts.size() > 1) {
        auto size = parseDecimal(parts[1]);
        if (!size || *size <= 0.0 || *size > 2048.0) {
            return std::nullopt;
        }
        font.size = *size;
    }
    if (parts.size() > 2) {
        auto weight = parseLong(parts[2]);
        if (!weight || *weight < 0 || *weight > 1000) {
            return std::nullopt;
        }
        font.weight = *weight;
    }
    bool* flags[] = {&font.italic, &font.underline, &font.strikethrough};
    for (std::size_t i = 3; i < parts.size() && i < 6; ++i) {
        auto flag = parseBoolean(parts[i]);
        if (!flag) {
            return std::nullopt;
        }
        *flags[i - 3] = *flag;
    }
    if (parts.size() > 6) {
        auto charset = parseLong(parts[6]);
        if (!charset || *charset < 0 || *charset > 255) {
            return std::nullopt;
        }
        font.charset = *charset;
    }
    return font;
}

FontDescription readFont(const PropertyBag& bag, std::string_view key,
                         const FontDescription& defaultValue) {
    auto text = bag.text(key);
    auto font = text ? parseFont(*text) : std::nullopt;
    return font ? *font : defaultValue;
}

} // namespace forms
