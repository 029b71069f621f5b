#include "platform/sdl/sdl_joystick.h"

#include <SDL2/SDL.h>

namespace orvel {

uint32_t joystick_axis_position(int16_t sdl_value)
{
    return static_cast<uint32_t>(int32_t{sdl_value} + 32768);
}

SdlJoystick::SdlJoystick() = default;

// SDL's joystick layer is brought up at the first read only: most runs never
// use a joystick, and its start-up scans the input devices.
bool SdlJoystick::ensure_open()
{
    if (open_ || tried_)
        return open_;
    tried_ = true;
    // Joysticks bring up SDL's event system, whose own SIGINT and SIGTERM
    // handlers would turn those signals into events nobody reads: Orvel could
    // then no longer be ended by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return false;
    }
    SDL_JoystickEventState(SDL_IGNORE);
    open_ = true;
    return true;
}

SdlJoystick::~SdlJoystick()
{
    if (!open_)
        return;
    for (auto& [id, joystick] : opened_)
        SDL_JoystickClose(joystick);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

SDL_Joystick* SdlJoystick::joystick_for(int id)
{
    auto it = opened_.find(id);
    if (it != opened_.end()) {
        // Unplugged, or another joystick now stands at this id: open afresh.
        const bool same = SDL_JoystickGetAttached(it->second) && id < SDL_NumJoysticks()
                          && SDL_JoystickGetDeviceInstanceID(id) == SDL_JoystickInstanceID(it->second);
        if (same)
            return it->second;
        SDL_JoystickClose(it->second);
        opened_.erase(it);
    }
    if (id < 0 || id >= SDL_NumJoysticks())
        return nullptr;
    SDL_Joystick* joystick = SDL_JoystickOpen(id);
    if (!joystick)
        return nullptr;
    // The first update after opening gives the position it was opened in.
    SDL_JoystickUpdate();
    opened_[id] = joystick;
    return joystick;
}

bool SdlJoystick::read(int id, JoystickReading& out)
{
    if (!ensure_open())
        return false;
    SDL_JoystickUpdate();
    SDL_Joystick* joystick = joystick_for(id);
    if (!joystick || !SDL_JoystickGetAttached(joystick))
        return false;
    const int axes = SDL_JoystickNumAxes(joystick);
    JoystickReading r;
    r.x = joystick_axis_position(axes > 0 ? SDL_JoystickGetAxis(joystick, 0) : 0);
    r.y = joystick_axis_position(axes > 1 ? SDL_JoystickGetAxis(joystick, 1) : 0);
    r.z = joystick_axis_position(axes > 2 ? SDL_JoystickGetAxis(joystick, 2) : 0);
    const int buttons = SDL_JoystickNumButtons(joystick);
    for (int b = 0; b < buttons && b < 32; ++b)
        if (SDL_JoystickGetButton(joystick, b))
            r.buttons |= 1u << b;
    out = r;
    return true;
}

}  // namespace orvel
