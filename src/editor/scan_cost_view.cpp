#include "editor/scan_cost_view.h"

#include <algorithm>

namespace orvel {

namespace {
constexpr int kTintAlpha = 150;  // the cover stays readable under the tint
}  // namespace

QColor scan_cost_tint(double fraction)
{
    const double f = std::clamp(fraction, 0.0, 1.0);
    // Green to yellow over the first half, yellow to red over the second.
    const int red = f < 0.5 ? static_cast<int>(510 * f + 0.5) : 255;
    const int green = f < 0.5 ? 200 + static_cast<int>(110 * f + 0.5) : static_cast<int>(255 * 2 * (1 - f) + 0.5);
    return QColor(red, std::min(green, 255), 0, kTintAlpha);
}

QColor unreachable_tint()
{
    return QColor(128, 128, 128, kTintAlpha);
}

ScanCostView scan_cost_view(const Template& t, const UserProfile& profile, const std::vector<int>& selections)
{
    ScanCostView view;
    const ScanCostSettings settings = scan_cost_settings(profile);
    view.kind = settings.kind;
    const std::vector<AreaCost> costs = scan_costs(t, settings);
    view.average = average_scan_cost(t, costs, selections);
    view.tints.assign(costs.size(), QColor());
    auto value = [&](const AreaCost& c) {
        return settings.kind == ScanKind::Manual ? double(c.presses) : double(c.time_ms);
    };
    bool any = false;
    for (size_t i = 2; i < costs.size(); ++i) {
        if (t.area(static_cast<int>(i)).is_group != 0 || !costs[i].reachable)
            continue;
        const double v = value(costs[i]);
        view.cheapest = any ? std::min(view.cheapest, v) : v;
        view.dearest = any ? std::max(view.dearest, v) : v;
        any = true;
    }
    const double span = view.dearest - view.cheapest;
    for (size_t i = 2; i < costs.size(); ++i) {
        if (t.area(static_cast<int>(i)).is_group != 0)
            continue;
        if (!costs[i].reachable) {
            view.tints[i] = unreachable_tint();
            ++view.unreachable;
            continue;
        }
        view.tints[i] = scan_cost_tint(span > 0 ? (value(costs[i]) - view.cheapest) / span : 0.0);
    }
    return view;
}

}  // namespace orvel
