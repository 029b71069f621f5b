#include <gtest/gtest.h>

#include "runtime/scan_cost.h"
#include "runtime/switch_mapping.h"
#include "support/fake_board.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// Root 1; 2, 3, 4 at the top level; group 5 holding 6 and 7.
void grouped_board(Template& t)
{
    Area group = rect_area(300, 0, 500, 100);
    group.is_group = -1;
    for (const Area& a : {root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100),
                          rect_area(200, 0, 300, 100), group, rect_area(300, 0, 400, 100, 5),
                          rect_area(400, 0, 500, 100, 5)})
        add_area(t, a);
}

ScanCostSettings settings(ScanKind kind, int step_ms, int delay_ms = 0)
{
    ScanCostSettings s;
    s.kind = kind;
    s.step_ms = step_ms;
    s.first_step_delay_ms = delay_ms;
    return s;
}

struct Expected {
    int area;
    int steps;
    int presses;
    int64_t time_ms;
};

void expect_costs(const std::vector<AreaCost>& costs, const std::vector<Expected>& table, const char* what)
{
    for (const Expected& e : table) {
        SCOPED_TRACE(::testing::Message() << what << ", area " << e.area);
        const AreaCost& c = costs.at(static_cast<size_t>(e.area));
        EXPECT_TRUE(c.reachable);
        EXPECT_EQ(c.steps, e.steps);
        EXPECT_EQ(c.presses, e.presses);
        EXPECT_EQ(c.time_ms, e.time_ms);
    }
}

}  // namespace

// Worked by hand: automatic scanning highlights the k-th stop after k steps; the first
// stop of a level keeps the first-step delay, so every later stop is reached that much
// later; a group adds its own cost and its members continue after it.
TEST(ScanCost, LinearAndGroupedBoardsManualAndAutomatic)
{
    Template t;
    grouped_board(t);
    expect_costs(scan_costs(t, settings(ScanKind::Automatic, 500, 300)),
                 {{2, 1, 1, 500}, {3, 2, 1, 1300}, {4, 3, 1, 1800}, {5, 4, 1, 2300}, {6, 5, 2, 2800},
                  {7, 6, 2, 3600}},
                 "automatic");
    // Manual: one press per step, then the selecting press, on every level.
    expect_costs(scan_costs(t, settings(ScanKind::Manual, 500, 300)),
                 {{2, 1, 2, 0}, {3, 2, 3, 0}, {4, 3, 4, 0}, {5, 4, 5, 0}, {6, 5, 7, 0}, {7, 6, 8, 0}}, "manual");

    const std::vector<AreaCost> none = scan_costs(t, settings(ScanKind::Automatic, 500));
    EXPECT_FALSE(none[0].reachable);
    EXPECT_FALSE(none[1].reachable);  // the root is never highlighted
    EXPECT_EQ(none[6].level, 5);
    EXPECT_EQ(none[3].level, 1);

    // A member drawn before its group is reached after the wrap, as run mode finds it:
    // from group 4, members 5 then 3.
    Template wrap;
    Area g = rect_area(200, 0, 300, 100);
    g.is_group = -1;
    for (const Area& a : {root_area(), rect_area(0, 0, 100, 100), rect_area(100, 0, 200, 100, 4), g,
                          rect_area(250, 0, 300, 100, 4)})
        add_area(wrap, a);
    expect_costs(scan_costs(wrap, settings(ScanKind::Automatic, 1000)),
                 {{2, 1, 1, 1000}, {4, 2, 1, 2000}, {5, 3, 2, 3000}, {3, 4, 2, 4000}}, "wrapped group");
}

TEST(ScanCost, UnreachableAreasAndLoopsEndTheWalk)
{
    Template t;
    // 3 names a parent that is not a group, 4 an area the board lacks, 5 itself.
    Area self = rect_area(0, 0, 10, 10, 5);
    self.is_group = -1;
    for (const Area& a : {root_area(), rect_area(0, 0, 100, 100), rect_area(0, 0, 50, 50, 2),
                          rect_area(0, 0, 10, 10, 40), self})
        add_area(t, a);
    // The root naming itself would make level 1 enter itself again.
    t.areas[1].parent = 1;
    t.areas[1].is_group = -1;
    const std::vector<AreaCost> c = scan_costs(t, settings(ScanKind::Automatic, 1000));
    EXPECT_TRUE(c[2].reachable);
    EXPECT_FALSE(c[3].reachable);
    EXPECT_FALSE(c[4].reachable);
    EXPECT_FALSE(c[5].reachable);

    Template empty;
    EXPECT_EQ(scan_costs(empty, settings(ScanKind::Automatic, 1000)).size(), 1u);
    EXPECT_EQ(average_scan_cost(empty, scan_costs(empty, {})).areas, 0);
}

// The mean leaves out groups and unreachable areas; selections weigh each area by how
// often it was chosen, and selections of groups alone leave every area weighing the same.
TEST(ScanCost, AverageEquallyOrBySelections)
{
    Template t;
    grouped_board(t);
    const auto costs = scan_costs(t, settings(ScanKind::Automatic, 500, 300));
    // Areas 2, 3, 4, 6, 7: (500 + 1300 + 1800 + 2800 + 3600) / 5 = 2000; presses (1+1+1+2+2)/5.
    const ScanCostTotal equal = average_scan_cost(t, costs);
    EXPECT_FALSE(equal.weighted);
    EXPECT_EQ(equal.areas, 5);
    EXPECT_DOUBLE_EQ(equal.time_ms, 2000);
    EXPECT_DOUBLE_EQ(equal.presses, 1.4);

    // Area 2 three times, area 7 once, group 5 (left out) nine times: (3 x 500 + 3600) / 4.
    const ScanCostTotal weighted = average_scan_cost(t, costs, {0, 0, 3, 0, 0, 9, 0, 1});
    EXPECT_TRUE(weighted.weighted);
    EXPECT_EQ(weighted.areas, 2);
    EXPECT_DOUBLE_EQ(weighted.time_ms, 1275);
    EXPECT_DOUBLE_EQ(weighted.presses, 1.25);

    const ScanCostTotal groups_only = average_scan_cost(t, costs, {0, 0, 0, 0, 0, 9});
    EXPECT_FALSE(groups_only.weighted);
    EXPECT_DOUBLE_EQ(groups_only.time_ms, 2000);
}

TEST(ScanCost, SettingsFollowTheProfile)
{
    UserProfile p;
    p.modus = 1;
    p.temps = 15;
    EXPECT_EQ(scan_cost_settings(p).kind, ScanKind::Manual);
    EXPECT_EQ(scan_cost_settings(p).step_ms, 1500);
    for (int16_t modus : {0, 2, 3, 5}) {
        p.modus = modus;
        EXPECT_EQ(scan_cost_settings(p).kind, ScanKind::Automatic) << modus;
    }
    p.modus = 6;
    EXPECT_EQ(scan_cost_settings(p).kind, ScanKind::Manual);
    p.temps = 2;  // never shorter than the execution tick
    EXPECT_EQ(scan_cost_settings(p).step_ms, 500);
}

// The costs count what run mode does: for every area, stepping the real controller and
// selecting each group on the way takes as many steps (automatic) and presses (manual).
TEST(ScanCost, StepsAndPressesAgreeWithRunMode)
{
    for (int modus : {1, 2}) {
        RunFixture probe;
        grouped_board(probe.state.tmpl);
        const auto costs = scan_costs(probe.state.tmpl, scan_cost_settings([&] {
            UserProfile p;
            p.modus = static_cast<int16_t>(modus);
            return p;
        }()));
        for (int target = 2; target <= probe.state.tmpl.area_count; ++target) {
            SCOPED_TRACE(::testing::Message() << "modus " << modus << ", area " << target);
            RunFixture f;
            grouped_board(f.state.tmpl);
            f.use(modus, kActionSpace, kActionEnter);
            f.run.start_access_method();
            std::vector<int> path{target};
            while (f.state.tmpl.area(path.back()).parent > 1)
                path.push_back(f.state.tmpl.area(path.back()).parent);
            int steps = 0;
            int presses = 0;
            for (auto it = path.rbegin(); it != path.rend(); ++it) {
                do {
                    if (modus == 1) {
                        f.run.act_butons(kActionSpace, QString());
                        ++presses;
                    } else {
                        f.run.Timer3_Timer();
                    }
                    ++steps;
                } while (f.highlighted() != *it && steps < 100);
                ASSERT_EQ(f.highlighted(), *it);
                f.run.act_butons(kActionEnter, QString());
                ++presses;
                f.run.Timer1_Timer();
            }
            ASSERT_EQ(f.executed.back(), target);
            EXPECT_EQ(costs[static_cast<size_t>(target)].steps, steps);
            EXPECT_EQ(costs[static_cast<size_t>(target)].presses, presses);
        }
    }
}
