// Linked only into the end-to-end build of the program (orvel_e2e_joystick):
// when ORVEL_E2E_JOYSTICK_FIFO names a FIFO, a virtual SDL joystick with two
// axes and two buttons is plugged in before main() runs, and the lines written
// to the FIFO move it. Each line "X Y BUTTONS" (SDL's axis scale, buttons as
// bits) is one position, held for exactly one read of the joystick by the
// program, so a test can press a button for a single poll; the last position
// stays after the lines run out. "unplug" detaches the joystick once every
// earlier position has been read.
#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

namespace {

struct Position {
    int x = 0, y = 0, buttons = 0;
};

struct Feed {
    std::mutex mutex;
    std::deque<Position> pending;
    SDL_Joystick* joystick = nullptr;
    int device_index = -1;
};

Feed& feed()
{
    static Feed f;
    return f;
}

// Called by SDL inside every SDL_JoystickUpdate, with its joystick lock held.
void SDLCALL update(void*)
{
    Feed& f = feed();
    std::lock_guard lock(f.mutex);
    if (f.pending.empty() || !f.joystick)
        return;
    const Position p = f.pending.front();
    if (f.pending.size() > 1)
        f.pending.pop_front();
    SDL_JoystickSetVirtualAxis(f.joystick, 0, static_cast<Sint16>(p.x));
    SDL_JoystickSetVirtualAxis(f.joystick, 1, static_cast<Sint16>(p.y));
    SDL_JoystickSetVirtualButton(f.joystick, 0, (p.buttons & 1) ? 1 : 0);
    SDL_JoystickSetVirtualButton(f.joystick, 1, (p.buttons & 2) ? 1 : 0);
}

void read_fifo(std::string path)
{
    Feed& f = feed();
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line == "unplug") {
            for (;;) {
                {
                    std::lock_guard lock(f.mutex);
                    if (f.pending.size() <= 1)
                        break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            SDL_LockJoysticks();
            const SDL_JoystickID instance = SDL_JoystickInstanceID(f.joystick);
            for (int i = 0; i < SDL_NumJoysticks(); ++i)
                if (SDL_JoystickGetDeviceInstanceID(i) == instance)
                    SDL_JoystickDetachVirtual(i);
            SDL_UnlockJoysticks();
            std::fprintf(stderr, "virtual joystick unplugged\n");
            continue;
        }
        Position p;
        if (std::sscanf(line.c_str(), "%d %d %d", &p.x, &p.y, &p.buttons) != 3)
            continue;
        std::lock_guard lock(f.mutex);
        f.pending.push_back(p);
    }
}

const bool plugged_in = [] {
    const char* path = std::getenv("ORVEL_E2E_JOYSTICK_FIFO");
    if (!path || !*path)
        return false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return false;
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = 2;
    desc.nbuttons = 2;
    desc.name = "Orvel test joystick";
    desc.Update = update;
    Feed& f = feed();
    f.device_index = SDL_JoystickAttachVirtualEx(&desc);
    if (f.device_index < 0)
        return false;
    f.joystick = SDL_JoystickOpen(f.device_index);
    std::thread(read_fifo, std::string(path)).detach();
    return f.joystick != nullptr;
}();

}  // namespace
