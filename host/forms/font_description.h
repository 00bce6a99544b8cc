#pragma once

#include "property_bag.h"

#include <optional>
#include <string>
#include <string_view>

namespace forms {

// What a font object holds: face name (UTF-8), size in points, weight
// (400 normal, 700 bold), style flags and character set (0 ANSI, 1 default,
// 128 Shift-JIS).
struct FontDescription {
    std::string name = "Tahoma";
    double size = 8.25;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 1;

    bool operator==(const FontDescription& other) const;
};

// Text form used in property bags: the fields in the order above separated
// by semicolons, for example "Verdana; 8.25; 400; 0; 0; 0; 0". Fields after
// the name may be left off and take the defaults above.
std::optional<FontDescription> parseFont(std::string_view text);

FontDescription readFont(const PropertyBag& bag, std::string_view key,
                         const FontDescription& defaultValue);

} // namespace forms
