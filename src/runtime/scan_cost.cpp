#include "runtime/scan_cost.h"

#include <algorithm>

#include "runtime/scan_order.h"
#include "runtime/scan_rows.h"

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

// `steps` more moves of the frame, the last of them `wait_ms` after the sequence began,
// then the selecting press.
AreaCost then(const AreaCost& from, int steps, int64_t wait_ms, const ScanCostSettings& s)
{
    AreaCost c = from;
    c.reachable = true;
    c.steps += steps;
    if (s.kind == ScanKind::Manual) {
        c.presses += steps + 1;  // in manual scanning every move is a press too
    } else {
        c.presses += 1;
        c.time_ms += wait_ms;
    }
    return c;
}

struct Walker {
    const Template& t;
    const ScanCostSettings& settings;
    LevelMembers members;
    std::vector<AreaCost> costs;
    std::vector<bool> entered;

    // `delayed`: the area stayed highlighted the first-step delay longer, and run mode
    // keeps that step time when scanning resumes inside it.
    void area_reached(int16_t area, const AreaCost& cost, int16_t level, bool delayed)
    {
        AreaCost& c = costs[static_cast<size_t>(area)];
        if (c.reachable)
            return;  // a member of two levels cannot be: the first way in stands
        c = cost;
        c.level = level;
        if (opens_level(t, members, area))
            enter(area, static_cast<int16_t>(area - 1), c,
                  settings.step_ms + (delayed ? settings.first_step_delay_ms : 0));
    }

    // The cells of a row entered by a press: the first is highlighted at once and,
    // like the first stop of a level, stays the first-step delay longer.
    void enter_row(const ScanStop& row, const AreaCost& at_row, int16_t level)
    {
        int64_t wait = 0;
        for (size_t j = 0; j < row.areas.size(); ++j) {
            area_reached(row.areas[j], then(at_row, static_cast<int>(j), wait, settings), level, j == 0);
            wait += settings.step_ms + (j == 0 ? settings.first_step_delay_ms : 0);
        }
    }

    // The level's first stop is highlighted `first_wait` after it was entered.
    void enter(int16_t level, int16_t cursor, const AreaCost& base, int64_t first_wait)
    {
        if (level < 0 || level >= static_cast<int>(entered.size()) || entered[static_cast<size_t>(level)])
            return;  // an area that names itself as its parent would loop
        entered[static_cast<size_t>(level)] = true;
        const std::vector<ScanStop> stops = scan_stops(t, members, level, cursor, settings);
        const bool rows = settings.rows && !level_rows(t, level).empty();
        // The first row, or the first member in index order, keeps the first-step delay.
        const int16_t first_member = members[static_cast<size_t>(level)].front();
        int64_t wait = first_wait;
        for (size_t i = 0; i < stops.size(); ++i) {
            const ScanStop& stop = stops[i];
            const AreaCost at_stop = then(base, static_cast<int>(i) + 1, wait, settings);
            const bool first = rows ? i == 0 : stop.areas.front() == first_member;
            if (stop.areas.size() == 1)
                area_reached(stop.areas.front(), at_stop, level, first);
            else
                enter_row(stop, at_stop, level);
            wait += settings.step_ms + (first ? settings.first_step_delay_ms : 0);
        }
    }
};

}  // namespace

ScanCostSettings scan_cost_settings(const UserProfile& profile)
{
    ScanCostSettings s;
    s.kind = (profile.modus == 1 || profile.modus == 6) ? ScanKind::Manual : ScanKind::Automatic;
    s.step_ms = scan_step_interval_ms(profile.temps, profile.Interval);
    s.first_step_delay_ms = std::max<int>(profile.retard_inicial, 0);
    s.rows = profile.files != 0;
    return s;
}

LevelMembers members_by_level(const Template& t)
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
    std::vector<ScanStop> stops;
    if (level < 1 || level >= static_cast<int>(members.size()) || area_total(t) == 0)
        return stops;
    const std::vector<int16_t>& m = members[static_cast<size_t>(level)];
    if (settings.rows) {
        const std::vector<ScanRow> rows = level_rows(t, level);
        if (!rows.empty()) {
            stops.reserve(rows.size());
            for (const ScanRow& row : rows)
                stops.push_back(ScanStop{row.cells});
            return stops;
        }
    }
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
    Walker w{t, settings, members_by_level(t), {}, {}};
    const size_t size = static_cast<size_t>(area_total(t)) + 1;
    w.costs.assign(size, AreaCost{});
    w.entered.assign(size, false);
    if (size > 1 && !w.members[1].empty())
        w.enter(1, 0, AreaCost{}, settings.step_ms);
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
