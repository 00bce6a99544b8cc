#pragma once

#include <cstddef>
#include <cstdint>

// Whether the renderer draws, from what the system reports of the display's
// power: while the display is switched off nothing is drawn and the renderer
// sleeps until it is on again; a dimmed display still shows the flock.
class DisplayPower {
  public:
    // The console display states as the system's notification gives them.
    enum State : std::uint32_t { Off = 0, On = 1, Dimmed = 2 };

    // One notification of the display's state, its data as delivered
    // (length bytes). Data too short for a state is ignored; a state this
    // program does not know counts as on.
    void notify(const void* data, std::size_t length);

    bool drawing() const { return !off_; }

  private:
    bool off_ = false;
};
