#pragma once
// An SDL virtual joystick with two axes and two buttons that a test moves by
// hand; it is found by SdlJoystick like a plugged-in one.
#include <SDL2/SDL.h>

namespace orvel::testing {

class VirtualJoystick {
public:
    VirtualJoystick()
    {
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 2, 0);
        if (index_ >= 0)
            handle_ = SDL_JoystickOpen(index_);
    }
    ~VirtualJoystick()
    {
        unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;

    bool ok() const { return handle_ != nullptr; }
    int index() const { return index_; }

    // Axis values on SDL's scale (-32768..32767); buttons as bits.
    void set(int x, int y, unsigned buttons = 0)
    {
        SDL_JoystickSetVirtualAxis(handle_, 0, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(handle_, 1, static_cast<Sint16>(y));
        SDL_JoystickSetVirtualButton(handle_, 0, (buttons & 1) ? 1 : 0);
        SDL_JoystickSetVirtualButton(handle_, 1, (buttons & 2) ? 1 : 0);
    }

    void unplug()
    {
        if (!handle_)
            return;
        const SDL_JoystickID instance = SDL_JoystickInstanceID(handle_);
        SDL_JoystickClose(handle_);
        handle_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == instance) {
                SDL_JoystickDetachVirtual(i);
                break;
            }
    }

private:
    int index_ = -1;
    SDL_Joystick* handle_ = nullptr;
};

}  // namespace orvel::testing
