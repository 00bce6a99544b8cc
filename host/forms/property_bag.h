#pragma once

#include "colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace forms {

// The named values a form or control persists. Keys match without regard to
// ASCII case and keep the spelling of their first write. Typed reads fall
// back to the given default when the key is missing or its text does not
// hold a value of the type; a write whose value equals its default removes
// the key, so a bag holds only what differs from the defaults.
//
// Values are kept as text, the same text the bag is saved in: Long and
// Integer in decimal, Boolean as -1 (True) or 0, Colour as &H00BBGGRR.
class PropertyBag {
  public:
    std::int32_t readLong(std::string_view key, std::int32_t defaultValue) const;
    std::int16_t readInteger(std::string_view key, std::int16_t defaultValue) const;
    bool readBoolean(std::string_view key, bool defaultValue) const;
    std::string readString(std::string_view key, std::string_view defaultValue) const;
    Colour readColour(std::string_view key, Colour defaultValue) const;

    void writeLong(std::string_view key, std::int32_t value, std::int32_t defaultValue);
    void writeInteger(std::string_view key, std::int16_t value, std::int16_t defaultValue);
    void writeBoolean(std::string_view key, bool value, bool defaultValue);
    void writeString(std::string_view key, std::string_view value, std::string_view defaultValue);
    void writeColour(std::string_view key, Colour value, Colour defaultValue);

    // The stored text of a key, for values of other types (fonts, names).
    std::optional<std::string> text(std::string_view key) const;
    void setText(std::string_view key, std::string_view value);
    bool remove(std::string_view key);
    bool contains(std::string_view key) const { return find(key) != nullptr; }

    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

  private:
    const std::string* find(std::string_view key) const;
    std::vector<std::pair<std::string, std::string>> entries_;
};

bool keysEqual(std::string_view a, std::string_view b);

// Value parsers shared by the bag and the description readers.
std::optional<std::int32_t> parseLong(std::string_view text);
std::optional<bool> parseBoolean(std::string_view text);
std::optional<Colour> parseColour(std::string_view text);
std::optional<double> parseDecimal(std::string_view text);
std::string colourText(Colour colour);

// Text form: one "Key = value" line per entry. A value is written bare when
// it reads back unchanged, otherwise in double quotes with \" \\ \n \r \t
// escapes. Blank lines and lines starting with # or ' are ignored.
std::string propertyBagText(const PropertyBag& bag);
std::optional<PropertyBag> parsePropertyBag(std::string_view text, std::string* error = nullptr);

// One line of the text form, for readers of larger formats built on it.
struct PropertyLine {
    std::string key;
    std::string value;
};
bool isBlankOrComment(std::string_view line);
std::optional<PropertyLine> parsePropertyLine(std::string_view line, std::string* error);
std::string propertyLineText(std::string_view key, std::string_view value);

// Splits text into lines (\n or \r\n), dropping a leading UTF-8 byte order mark.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace forms
