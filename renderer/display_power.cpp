#include "display_power.h"

#include <cstring>

void DisplayPower::notify(const void* data, std::size_t length) {
    std::uint32_t state = 0;
    if (data == nullptr || length < sizeof state)
        return;
    std::memcpy(&state, data, sizeof state);
    off_ = state == Off;
}
