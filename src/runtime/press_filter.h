#pragma once
// Filtering switch presses for people whose presses are not all meant: a press
// counts only once the switch has been held for the acceptance time (it counts
// at that moment, while still held, so the person need not let go first), and
// presses that begin within the post-acceptance delay after a counted one are
// ignored. With both times 0 every press counts the moment it begins.
#include <cstdint>
#include <functional>
#include <map>

#include "platform/clock.h"

namespace orvel {

class PressFilter {
public:
    explicit PressFilter(Clock& clock) : clock_(clock) {}

    void set_times(int acceptance_ms, int post_acceptance_ms);

    // Switch `id` (a key's scan code, a mouse button, a joystick button) went
    // down; `act` is what the press does once it counts. Runs `act` at once when
    // no acceptance time is set.
    void press(int id, std::function<void()> act);
    // Switch `id` came up: a press not yet counted is dropped.
    void release(int id);
    // Called often while waiting(): runs the presses held long enough, once each.
    void tick();
    // Some press is held and not yet counted (the caller keeps ticking).
    bool waiting() const;
    // Some switch is down, counted or not, and has been for less than `longest_ms`
    // (a longer one is taken as stuck or as a release that never came here).
    bool holding(int longest_ms) const;
    // Forgets every held press (the board lost the focus: releases never come).
    void clear() { held_.clear(); }

private:
    struct Held {
        int64_t since = 0;
        std::function<void()> act;  // empty once counted or ignored
    };
    void count(Held& h);

    Clock& clock_;
    int acceptance_ms_ = 0;
    int post_acceptance_ms_ = 0;
    std::map<int, Held> held_;
    int64_t last_counted_ = 0;
    bool counted_once_ = false;
};

}  // namespace orvel
