#pragma once
// The scan cost as the editor shows it over the canvas: one tint per area, from green
// (quickly reached) through yellow to red (the dearest area of the board), in time for
// automatic scanning and in presses for manual scanning, with the range for the legend.
#include <QColor>
#include <vector>

#include "model/template.h"
#include "model/user_profile.h"
#include "runtime/scan_cost.h"

namespace orvel {

struct ScanCostView {
    ScanKind kind = ScanKind::Automatic;
    // Per area index; an invalid colour leaves the area untinted (the root, groups).
    std::vector<QColor> tints;
    // The cheapest and dearest reachable area, in ms (automatic) or presses (manual).
    double cheapest = 0;
    double dearest = 0;
    ScanCostTotal average;
    int unreachable = 0;
};

// `selections`: how often each area was chosen (may be empty).
ScanCostView scan_cost_view(const Template& t, const UserProfile& profile, const std::vector<int>& selections);

// The tint at `fraction` (0 cheapest, 1 dearest) of the range.
QColor scan_cost_tint(double fraction);
// The tint of an area that scanning never reaches.
QColor unreachable_tint();

}  // namespace orvel
