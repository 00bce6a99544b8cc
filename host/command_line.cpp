#include "command_line.h"

#include "text_conversions.h"

HostMode hostModeOf(std::string_view arguments) {
    if (arguments.empty())
        return HostMode::ScreensaverNoCursor;
    if (arguments.size() < 2)
        return HostMode::None;
    switch (upperAscii(arguments[1])) {
    case 'P':
        return HostMode::Preview;
    case 'C':
        return HostMode::Settings;
    case 'S':
        return HostMode::Screensaver;
    default:
        return HostMode::None;
    }
}

std::int32_t previewWindowOf(std::string_view arguments) {
    const double number = leadingNumber(charactersFrom(arguments, 4));
    if (const std::optional<std::int32_t> handle = roundHalfEvenToInt32(number))
        return *handle;
    // An unsigned notation above 2^31 - 1: the same 32 bits as a signed value.
    if (const std::optional<std::int32_t> high = roundHalfEvenToInt32(number - 4294967296.0);
        high && *high < 0)
        return *high;
    return 0;
}

CommandLine parseCommandLine(std::string_view arguments) {
    CommandLine line;
    line.mode = hostModeOf(arguments);
    if (line.mode == HostMode::Preview)
        line.previewWindow = previewWindowOf(arguments);
    return line;
}
