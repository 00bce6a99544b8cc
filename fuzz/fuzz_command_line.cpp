// Feeds arbitrary argument strings to the host's command-line parser and
// checks the mode and the preview handle against a reading of their own:
// - the mode comes from the second character alone (the empty string is the
//   screensaver with the cursor left alone);
// - the handle is only read in preview mode, and is the leading number from
//   the fourth character rounded with halves to even, taken as 32 bits when
//   it is a signed or unsigned 32-bit number and 0 otherwise;
// - every 32-bit handle written either way comes back unchanged.
#include "command_line.h"
#include "text_conversions.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

HostMode expectedMode(std::string_view arguments) {
    if (arguments.empty())
        return HostMode::ScreensaverNoCursor;
    if (arguments.size() < 2)
        return HostMode::None;
    switch (arguments[1]) {
    case 'P':
    case 'p':
        return HostMode::Preview;
    case 'C':
    case 'c':
        return HostMode::Settings;
    case 'S':
    case 's':
        return HostMode::Screensaver;
    default:
        return HostMode::None;
    }
}

std::int32_t expectedHandle(std::string_view arguments) {
    const double number = leadingNumber(arguments.size() < 4 ? "" : arguments.substr(3));
    const double rounded = std::nearbyint(number);
    if (rounded >= -2147483648.0 && rounded <= 2147483647.0)
        return static_cast<std::int32_t>(rounded);
    if (rounded >= 2147483648.0 && rounded <= 4294967295.0)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(rounded));
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view arguments(reinterpret_cast<const char*>(data), size);
    const CommandLine line = parseCommandLine(arguments);
    check(line.mode == expectedMode(arguments), "mode from the second character");
    check(line.mode == hostModeOf(arguments), "parse and mode agree");
    const std::int32_t handle = previewWindowOf(arguments);
    check(handle == expectedHandle(arguments), "handle from the fourth character");
    check(line.previewWindow == (line.mode == HostMode::Preview ? handle : 0),
          "a handle only in preview mode");

    // The first four bytes as a handle, written the way Windows may write it.
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    const std::int32_t asSigned = static_cast<std::int32_t>(bits);
    for (const std::string& written :
         {"/p " + std::to_string(asSigned), "/P " + std::to_string(bits),
          "/p   " + std::to_string(bits) + " trailing", "-p:" + std::to_string(asSigned)}) {
        const CommandLine preview = parseCommandLine(written);
        check(preview.mode == HostMode::Preview, "written preview mode");
        check(preview.previewWindow == asSigned, "written handle round trip");
    }
    // The settings dialog's handle after a colon is never read.
    check(parseCommandLine("/c:" + std::to_string(bits)).previewWindow == 0, "settings ignore");
    return 0;
}
