#pragma once
// The order in which scanning visits areas, and how long each step lasts.
#include <cstdint>
#include <optional>

#include "model/template.h"

namespace orvel {

// temps x 100 is held in 16 bits: 327 tenths is the longest step.
constexpr int kLongestStepTenths = 327;

// The scan position after `cursor`: the next area, in index order wrapping from
// the last area to area 1, whose parent is `scan_level`. Positions are 0-based
// (position p highlights area p + 1). Empty when the level has no member: the
// search stops after one full round instead of looping.
std::optional<int16_t> next_scan_position(const Template& t, int16_t cursor, int16_t scan_level);

// Step interval in milliseconds: one second when `temps` is 0 (or negative),
// otherwise `temps` tenths of a second but never shorter than the execution tick.
int scan_step_interval_ms(int16_t temps, int16_t execution_interval_ms);

// The execution tick's interval: `Interval`, never below 100 ms.
int execution_interval_ms(int16_t interval);

}  // namespace orvel
