#pragma once
// Empty keycodes lent to symbols the keyboard map lacks.
//
// Each lent keycode carries two symbols, the second one reached with Shift (a
// lower-case letter and its capital go together), so the dozen or two empty
// keycodes of a usual keymap hold every accented letter a run needs.
//
// A client reads a remapped keycode's symbol only when it handles the key event,
// which under load can be long after the server had it. So a lent symbol stays
// on its keycode after the run that needed it: the next run that lacks the same
// symbol finds it ready (no keymap change at all). A symbol gives way to another
// only when it has been idle longest, and a keycode typed since the target last
// read everything changes only after waiting for the target to read it. Every
// keycode still lent is emptied when the lending ends.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace orvel {

class X11KeyLending {
public:
    struct Place {
        KeyCode code = 0;
        bool shifted = false;
    };

    // `wait_for_reading` waits until the targets have read every key typed so far;
    // false when one did not in time.
    X11KeyLending(Display* display, std::function<bool()> wait_for_reading);
    ~X11KeyLending();
    X11KeyLending(const X11KeyLending&) = delete;
    X11KeyLending& operator=(const X11KeyLending&) = delete;

    // With the keymap just read: forgets keycodes that someone else has mapped since
    // (a layout switch, for instance) and adds every keycode that is truly empty.
    void begin_run(XkbDescPtr xkb);
    // Whether the second symbol of a keycode can be reached (a Shift key exists).
    void set_shift_available(bool available) { m_levels = available ? 2 : 1; }
    void end_run();
    // Keycodes that are ours: the keymap reader must not take them for the user's keys.
    bool is_lent(KeyCode code) const;
    // How many different symbols can be lent at once.
    size_t capacity() const;
    // Makes every symbol in `wanted` (at most capacity()) typeable, in one keymap change.
    // False, with nothing changed, when a keycode to change was typed and its
    // target did not read it in time.
    bool map_all(const std::vector<KeySym>& wanted);
    Place place_of(KeySym sym) const;
    void typed(Place place);
    // The targets have read every key typed so far.
    void all_read();
    // Empties every lent keycode, after the targets have read what was typed through
    // them. False when they did not in time (the keycodes are emptied all the same).
    bool give_back();

private:
    struct Entry {
        KeySym sym = NoSymbol;
        bool unread = false;    // typed since the targets last read everything
        uint64_t last_use = 0;  // for lending the longest-idle place
    };
    struct Slot {
        KeyCode code;
        Entry levels[2];
    };

    Entry* find(KeySym sym, size_t* slot, int* level);
    bool read_before_change(const std::vector<std::pair<size_t, int>>& places);
    void apply(XkbDescPtr xkb, const std::vector<size_t>& changed);

    Display* m_display;
    XkbDescPtr m_xkb = nullptr;  // the current run's keymap
    int m_levels = 1;            // 2 when Shift can be pressed
    std::vector<Slot> m_slots;
    std::function<bool()> m_wait_for_reading;
    uint64_t m_uses = 0;
};

}  // namespace orvel
