#pragma once

#include "colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// The named values a user control reads its properties from. Keys match
// without regard to ASCII case and keep the spelling of their first write.
// Typed reads fall back to the given default when the key is missing or its
// text does not hold a value of the type: Long and Integer in decimal or
// &H hex, Boolean as True, False or a number (non-zero is True), Colour as
// &H00BBGGRR.
class PropertyBag {
  public:
    std::int32_t readLong(std::string_view key, std::int32_t defaultValue) const;
    std::int16_t readInteger(std::string_view key, std::int16_t defaultValue) const;
    bool readBoolean(std::string_view key, bool defaultValue) const;
    std::string readString(std::string_view key, std::string_view defaultValue) const;
    Colour readColour(std::string_view key, Colour defaultValue) const;

    // The stored text of a key, for values of other types (fonts).
    std::optional<std::string> text(std::string_view key) const;
    void setText(std::string_view key, std::string_view value);
    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

  private:
    const std::string* find(std::string_view key) const;

    std::vector<std::pair<std::string, std::string>> entries_;
};

bool keysEqual(std::string_view a, std::string_view b);

// Value parsers of the bag's texts.
std::optional<std::int32_t> parseLong(std::string_view text);
std::optional<bool> parseBoolean(std::string_view text);
std::optional<Colour> parseColour(std::string_view text);
std::optional<double> parseDecimal(std::string_view text);

} // namespace forms
