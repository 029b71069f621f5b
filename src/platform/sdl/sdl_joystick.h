#pragma once
// Joysticks through SDL2. Each read first lets SDL look for joysticks plugged in
// or out and take their latest state, so no event loop is needed; SDL's own
// joystick events are switched off, as nothing would drain them.
#include <QString>
#include <map>

#include "platform/joystick_device.h"

struct _SDL_Joystick;

namespace orvel {

class SdlJoystick : public JoystickDevice {
public:
    SdlJoystick();
    ~SdlJoystick() override;
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    // Opens SDL's joystick layer if it is not yet; false when it cannot be.
    bool ensure_open();
    QString error() const { return error_; }

    bool read(int id, JoystickReading& out) override;

private:
    _SDL_Joystick* joystick_for(int id);

    bool open_ = false;
    bool tried_ = false;
    QString error_;
    std::map<int, _SDL_Joystick*> opened_;  // by id
};

// SDL's axis value (-32768..32767) on the 0..65535 scale.
uint32_t joystick_axis_position(int16_t sdl_value);

}  // namespace orvel
