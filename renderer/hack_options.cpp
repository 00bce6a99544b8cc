#include "hack_options.h"

#include "camera.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

const char hackUsage[] = "usage: kalendra [--root | --window-id ID] [--count N] [--camera 1..4]\n"
                         "                [--trails off|short|long] [--colours natural|random] "
                         "[--fps]\n";

namespace {

// A whole number in decimal or 0x hexadecimal, nothing after it.
bool parseNumber(const char* text, long long& value) {
    if (text == nullptr || *text == '\0')
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text, &end, 0);
    return errno == 0 && *end == '\0';
}

bool parseWindowId(const char* text, unsigned long& window) {
    long long value = 0;
    if (!parseNumber(text, value) || value <= 0 || value > 0xFFFFFFFFll)
        return false;
    window = static_cast<unsigned long>(value);
    return true;
}

// The index of text in names, or -1.
template <int n> int indexOf(const char* text, const char* const (&names)[n]) {
    for (int i = 0; i < n; ++i) {
        if (std::strcmp(text, names[i]) == 0)
            return i;
    }
    return -1;
}

// The option's name without its one or two dashes; null for a non-option.
const char* optionName(const char* argument) {
    if (argument[0] != '-')
        return nullptr;
    return argument[1] == '-' ? argument + 2 : argument + 1;
}

} // namespace

HackCommand parseHackCommand(int argc, const char* const* argv, const char* environmentWindow) {
    HackCommand command;
    HackOptions& options = command.options;
    bool windowGiven = false;
    auto fail = [&command](const std::string& message) {
        if (command.error.empty())
            command.error = message;
    };

    for (int i = 1; i < argc; ++i) {
        const char* name = optionName(argv[i]);
        if (name == nullptr) {
            fail(std::string("unexpected argument: ") + argv[i]);
            continue;
        }
        std::string key = name;
        const char* value = nullptr;
        const std::size_t equals = key.find('=');
        if (equals != std::string::npos) {
            value = name + equals + 1;
            key.erase(equals);
        }
        if (key == "root" || key == "fps") {
            if (value != nullptr)
                fail("--" + key + " takes no value");
            command.wanted = command.wanted || key == "root";
            options.showFps = options.showFps || key == "fps";
            continue;
        }
        static const char* const valued[] = {"window-id", "count", "camera", "trails", "colours"};
        const int option = indexOf(key.c_str(), valued);
        if (option < 0) {
            fail(std::string("unknown option: ") + argv[i]);
            continue;
        }
        if (option == 0) { // window-id: a display mode even if the id is bad
            command.wanted = true;
            windowGiven = true;
        }
        if (value == nullptr && i + 1 < argc)
            value = argv[++i];
        if (value == nullptr) {
            fail(std::string("missing value after ") + argv[i]);
            continue;
        }
        long long number = 0;
        switch (option) {
        case 0: // window-id
            if (!parseWindowId(value, options.window))
                fail(std::string("not a window id: ") + value);
            break;
        case 1: // count, taken by the flock as it takes Num100 (Flock::build)
            if (!parseNumber(value, number))
                fail(std::string("--count needs a whole number, not ") + value);
            else
                options.count = static_cast<int>(number < INT_MIN   ? INT_MIN
                                                 : number > INT_MAX ? INT_MAX
                                                                    : number);
            break;
        case 2: // camera
            if (!parseNumber(value, number) || number < 1 || number > cameraPresetCount)
                fail(std::string("--camera takes 1 to 4, not ") + value);
            else
                options.cameraPreset = static_cast<int>(number) - 1;
            break;
        case 3: { // trails
            static const char* const trails[] = {"off", "short", "long"};
            static const int modes[] = {TrailNone, TrailSolid, TrailFade};
            const int index = indexOf(value, trails);
            if (index < 0)
                fail(std::string("--trails takes off, short or long, not ") + value);
            else
                options.trailMode = modes[index];
            break;
        }
        default: { // colours
            static const char* const schemes[] = {"natural", "random"};
            const int index = indexOf(value, schemes);
            if (index < 0)
                fail(std::string("--colours takes natural or random, not ") + value);
            else
                options.randomColours = index == 1;
            break;
        }
        }
    }

    if (!windowGiven && environmentWindow != nullptr && *environmentWindow != '\0') {
        command.wanted = true;
        if (!parseWindowId(environmentWindow, options.window))
            fail(std::string("XSCREENSAVER_WINDOW is not a window id: ") + environmentWindow);
    }
    return command;
}
