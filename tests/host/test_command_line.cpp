#include "command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, ModeComesFromTheSecondCharacterInAnyCase) {
    const std::pair<const char*, HostMode> cases[] = {
        {"/s", HostMode::Screensaver},   {"-S", HostMode::Screensaver},
        {"/scr", HostMode::Screensaver}, {"", HostMode::ScreensaverNoCursor},
        {"/c", HostMode::Settings},      {"/C:12345", HostMode::Settings},
        {"/p 1234", HostMode::Preview},  {"/a", HostMode::None},
        {"s", HostMode::None},           {" ", HostMode::None},
        {"  s", HostMode::None},         {"/\x83s", HostMode::None},
    };
    for (const auto& [arguments, mode] : cases)
        EXPECT_EQ(hostModeOf(arguments), mode) << '"' << arguments << '"';
}

TEST(CommandLine, PreviewHandleIsTheNumberFromTheFourthCharacter) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"/p 1234", 1234},
        {"/p   77x", 77},
        {"/p91234", 1234},
        {"/p 12.5", 12},
        {"/p 13.5", 14},
        {"/p", 0},
        {"/p window", 0},
        {"/p -5", -5},
        // The unsigned notation of a handle gives the same 32 bits.
        {"/p 2147483648", -2147483647 - 1},
        {"/p 4294967295", -1},
        {"/p 4294967296", 0},
        {"/p 4294967295.5", 0},
        {"/p -2147483649", 0},
        {"/p 1e400", 0},
    };
    for (const auto& [arguments, handle] : cases)
        EXPECT_EQ(previewWindowOf(arguments), handle) << '"' << arguments << '"';
    EXPECT_EQ(parseCommandLine("/P 987").previewWindow, 987);
    EXPECT_EQ(parseCommandLine("/c:987").previewWindow, 0);
}
