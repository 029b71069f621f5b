#pragma once
// What reaching each area of a board costs a person who scans it: the switch presses and,
// in automatic scanning, the time until the area is highlighted, counted from the start
// of the board (position 0 of the top level, as on entering run mode). Groups add the
// cost of reaching and selecting each group on the way; scanning continues inside a
// group from the group's own position, as run mode does.
#include <cstdint>
#include <vector>

#include "model/template.h"
#include "model/user_profile.h"

namespace orvel {

enum class ScanKind { Manual, Automatic };

struct ScanCostSettings {
    ScanKind kind = ScanKind::Automatic;
    int step_ms = 1000;
    // The first stop of each sequence (a level, or a row's cells) stays this much longer.
    int first_step_delay_ms = 0;
    bool rows = false;  // rows first, then the cells of the chosen row
};

// The scanning the profile asks for: manual for `modus` 1 and 6, automatic otherwise
// (a profile that does not scan is costed as automatic scanning at its step time).
// Rows and the first-step delay follow the profile's `files` and `retard_inicial`.
ScanCostSettings scan_cost_settings(const UserProfile& profile);

// One stop of a level's scanning: a single area, or a row whose cells are scanned
// after a press selects it.
struct ScanStop {
    std::vector<int16_t> areas;
};

// The members of every level, in index order: members[level] lists the areas whose
// parent is `level`. Built once per board.
using LevelMembers = std::vector<std::vector<int16_t>>;
LevelMembers members_by_level(const Template& t);

// The stops of `level` in the order scanning shows them. Linear scanning continues from
// position `cursor` (area cursor + 1): the first member after it, wrapping. Row
// scanning, for a level whose members form rows, starts at the first row whatever the
// cursor. Every cost comes from this one sequence.
std::vector<ScanStop> scan_stops(const Template& t, const LevelMembers& members, int16_t level, int16_t cursor,
                                 const ScanCostSettings& settings);

struct AreaCost {
    bool reachable = false;
    int steps = 0;        // highlight moves, all levels and rows together
    int presses = 0;      // switch presses, the selecting ones included
    int64_t time_ms = 0;  // automatic scanning: until the area is highlighted; 0 in manual
    int level = 0;        // the group whose member the area is
};

// One entry per area index (0 and the root stay unreachable).
std::vector<AreaCost> scan_costs(const Template& t, const ScanCostSettings& settings);

struct ScanCostTotal {
    double presses = 0;
    double time_ms = 0;
    int areas = 0;           // the areas that were averaged
    bool weighted = false;   // by selections (false: every area counts the same)
};

// The mean cost over the reachable areas that are not groups. With `selections` (one
// count per area index) that hold any count for those areas, each area weighs as often
// as it was selected; otherwise all weigh the same.
ScanCostTotal average_scan_cost(const Template& t, const std::vector<AreaCost>& costs,
                                const std::vector<int>& selections = {});

}  // namespace orvel
