#pragma once
// Joysticks as the board's joystick method reads them: a position of two axes
// (and a third when there is one) on a 0..65535 scale with the middle at 32768,
// and the pressed buttons as bits (button 1 is bit 0, button 2 bit 1).
#include <cstdint>

namespace orvel {

struct JoystickReading {
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t z = 0;
    uint32_t buttons = 0;
};

class JoystickDevice {
public:
    virtual ~JoystickDevice() = default;
    // Reads joystick `id` (0-based, in the order the system lists them). False
    // when no joystick has that id, or it was unplugged; `out` is then unchanged.
    // A joystick plugged in later answers at the next call.
    virtual bool read(int id, JoystickReading& out) = 0;
};

}  // namespace orvel
