#include "runtime/scan_cost.h"

#include <algorithm>

#include "runtime/scan_order.h"

namespace orvel {

namespace {

int area_total(const Template& t)
{
    return std::max(0, std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1));
}

bool opens_level(const Template& t, const LevelMembers& members, int16_t area)
{
    return t.area(area).is_group != 0 && area < static_cast<int>(members.size()) && !members[area].empty();
}

// The cost of the stop at `index` of a sequence, on top of `from`.
AreaCost reach(const AreaCost& from, int index, const ScanCostSettings& s)
{
    AreaCost c = from;
    c.reachable = true;
    c.steps += index + 1;
    if (s.kind == ScanKind::Manual) {
        c.presses += index + 2;  // one step press per move, then the selecting press
    } else {
        c.presses += 1;
        c.time_ms += static_cast<int64_t>(index + 1) * s.step_ms + (index >= 1 ? s.first_step_delay_ms : 0);
    }
    return c;
}

struct Walker {
    const Template& t;
    const ScanCostSettings& settings;
    LevelMembers members;
    std::vector<AreaCost> costs;
    std::vector<bool> entered;

    void area_reached(int16_t area, const AreaCost& cost, int16_t level)
    {
        AreaCost& c = costs[static_cast<size_t>(area)];
        if (c.reachable)
            return;  // a member of two levels cannot be: the first way in stands
        c = cost;
        c.level = level;
        if (opens_level(t, members, area))
            enter(area, static_cast<int16_t>(area - 1), c);
    }

    void enter(int16_t level, int16_t cursor, const AreaCost& base)
    {
        if (level < 0 || level >= static_cast<int>(entered.size()) || entered[static_cast<size_t>(level)])
            return;  // an area that names itself as its parent would loop
        entered[static_cast<size_t>(level)] = true;
        const std::vector<ScanStop> stops = scan_stops(t, members, level, cursor, settings);
        for (size_t i = 0; i < stops.size(); ++i) {
            const ScanStop& stop = stops[i];
            const AreaCost at_stop = reach(base, static_cast<int>(i), settings);
            if (stop.areas.size() == 1) {
                area_reached(stop.areas.front(), at_stop, level);
                continue;
            }
            for (size_t j = 0; j < stop.areas.size(); ++j)
                area_reached(stop.areas[j], reach(at_stop, static_cast<int>(j), settings), level);
        }
    }
};

}  // namespace

ScanCostSettings scan_cost_settings(const UserProfile& profile)
{
    ScanCostSettings s;
    s.kind = (profile.modus == 1 || profile.modus == 6) ? ScanKind::Manual : ScanKind::Automatic;
    s.step_ms = scan_step_interval_ms(profile.temps, profile.Interval);
    return s;
}

LevelMembers level_members(const Template& t)
{
    const int count = area_total(t);
    LevelMembers members(static_cast<size_t>(count) + 1);
    for (int i = 1; i <= count; ++i) {
        const int parent = t.area(i).parent;
        if (parent >= 1 && parent <= count)
            members[static_cast<size_t>(parent)].push_back(static_cast<int16_t>(i));
    }
    return members;
}

std::vector<ScanStop> scan_stops(const Template& t, const LevelMembers& members, int16_t level, int16_t cursor,
                                 const ScanCostSettings& settings)
{
    (void)settings;  // rows are not formed yet: every member is a stop of its own
    std::vector<ScanStop> stops;
    if (level < 1 || level >= static_cast<int>(members.size()) || area_total(t) == 0)
        return stops;
    const std::vector<int16_t>& m = members[static_cast<size_t>(level)];
    // Run mode's next step goes to the first member whose position lies after the
    // cursor's (area cursor + 1), wrapping to the first member.
    const int count = area_total(t);
    const int highlighted = ((cursor % count) + count) % count + 1;
    const auto first = std::upper_bound(m.begin(), m.end(), highlighted);
    stops.reserve(m.size());
    for (auto it = first; it != m.end(); ++it)
        stops.push_back(ScanStop{{*it}});
    for (auto it = m.begin(); it != first; ++it)
        stops.push_back(ScanStop{{*it}});
    return stops;
}

std::vector<AreaCost> scan_costs(const Template& t, const ScanCostSettings& settings)
{
    Walker w{t, settings, level_members(t), {}, {}};
    const size_t size = static_cast<size_t>(area_total(t)) + 1;
    w.costs.assign(size, AreaCost{});
    w.entered.assign(size, false);
    if (size > 1)
        w.enter(1, 0, AreaCost{});
    return w.costs;
}

ScanCostTotal average_scan_cost(const Template& t, const std::vector<AreaCost>& costs,
                                const std::vector<int>& selections)
{
    auto counted = [&](size_t i) {
        return costs[i].reachable && t.area(static_cast<int>(i)).is_group == 0;
    };
    double weight_sum = 0;
    for (size_t i = 1; i < costs.size() && i < selections.size(); ++i)
        if (counted(i) && selections[i] > 0)
            weight_sum += selections[i];
    ScanCostTotal total;
    total.weighted = weight_sum > 0;
    double sum = 0;
    for (size_t i = 1; i < costs.size(); ++i) {
        if (!counted(i))
            continue;
        const double w = total.weighted ? (i < selections.size() ? std::max(0, selections[i]) : 0) : 1.0;
        if (w <= 0)
            continue;
        total.presses += w * costs[i].presses;
        total.time_ms += w * static_cast<double>(costs[i].time_ms);
        sum += w;
        ++total.areas;
    }
    if (sum > 0) {
        total.presses /= sum;
        total.time_ms /= sum;
    }
    return total;
}

}  // namespace orvel
