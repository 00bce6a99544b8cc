// Feeds arbitrary text to the INI reader. The input is split at its first two
// zero bytes into section, key and file text, so names vary too.
#include "ini_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::string_view takeField(std::string_view& rest, std::string_view fallback) {
    const std::size_t zero = rest.find('\0');
    if (zero == std::string_view::npos)
        return fallback;
    const std::string_view field = rest.substr(0, zero);
    rest.remove_prefix(zero + 1);
    return field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view section = takeField(rest, "Settings");
    const std::string_view key = takeField(rest, "Num100");
    const std::string_view text = rest;

    const std::optional<std::string> value = findProfileValue(text, section, key);
    const int number = profileIntFromText(text, section, key, 500);
    if (!value || value->empty()) {
        check(number == 500, "missing or empty value gives the default");
    } else {
        check(text.find(*value) != std::string_view::npos, "the value comes from the text");
        check(value->find('\n') == std::string::npos, "a value is one line");
        check(number == profileIntFromValue(*value), "the number is read from the value");
    }
    // Only the first 29 characters of a value count.
    const int whole = profileIntFromValue(text);
    check(whole == profileIntFromValue(text.substr(0, 29)), "29-character window");
    return 0;
}
