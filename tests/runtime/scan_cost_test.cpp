#include <gtest/gtest.h>

#include "runtime/board_geometry.h"
#include "runtime/scan_cost.h"
#include "runtime/scan_rows.h"
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

ScanCostSettings settings(ScanKind kind, int step_ms, int delay_ms = 0, bool rows = false)
{
    ScanCostSettings s;
    s.kind = kind;
    s.step_ms = step_ms;
    s.first_step_delay_ms = delay_ms;
    s.rows = rows;
    return s;
}

// Group 2 first (so it keeps the first-step delay), holding 4 and 5; then 3.
void group_first(Template& t)
{
    Area group = rect_area(0, 0, 200, 100);
    group.is_group = -1;
    for (const Area& a : {root_area(), group, rect_area(200, 0, 300, 100), rect_area(0, 0, 100, 100, 2),
                          rect_area(100, 0, 200, 100, 2)})
        add_area(t, a);
}

// Two rows: 2, group 3, 4 over 5, 6. Group 3 holds a 2 x 2 grid: 7, 8 over 9, 10.
void rows_with_a_group(Template& t)
{
    Area group = rect_area(100, 0, 300, 100);
    group.is_group = -1;
    for (const Area& a : {root_area(), rect_area(0, 0, 100, 100), group, rect_area(300, 0, 400, 100),
                          rect_area(0, 100, 100, 200), rect_area(100, 100, 200, 200), rect_area(100, 0, 200, 50, 3),
                          rect_area(200, 0, 300, 50, 3), rect_area(100, 50, 200, 100, 3),
                          rect_area(200, 50, 300, 100, 3)})
        add_area(t, a);
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

// Worked by hand. Rows first: row r is highlighted after r + 1 steps; a press enters it
// and shows its first cell at once, which keeps the first-step delay; every cell takes
// two presses in automatic scanning (the row, the cell), and the moves are presses too
// in manual scanning. A row of one cell is selected with one press.
TEST(ScanCost, RowsThenCells)
{
    Template grid;
    add_area(grid, root_area());
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            add_area(grid, rect_area(c * 100, r * 100, c * 100 + 100, r * 100 + 100));
    add_area(grid, rect_area(0, 200, 300, 300));  // a row of its own, one cell
    // Row 0 at 1000 ms; row 1 after row 0's 1500 ms; row 2 a second later.
    expect_costs(scan_costs(grid, settings(ScanKind::Automatic, 1000, 500, true)),
                 {{2, 1, 2, 1000}, {3, 2, 2, 2500}, {4, 3, 2, 3500}, {5, 2, 2, 2500}, {6, 3, 2, 4000},
                  {7, 4, 2, 5000}, {8, 3, 1, 3500}},
                 "automatic rows");
    expect_costs(scan_costs(grid, settings(ScanKind::Manual, 1000, 500, true)),
                 {{2, 1, 3, 0}, {4, 3, 5, 0}, {5, 2, 4, 0}, {7, 4, 6, 0}, {8, 3, 4, 0}}, "manual rows");
    // The same board without rows: seven stops in a line.
    expect_costs(scan_costs(grid, settings(ScanKind::Automatic, 1000, 500, false)),
                 {{2, 1, 1, 1000}, {8, 7, 1, 7500}}, "linear");

    // A group inside a row: its members form rows of their own, scanned after it.
    Template t;
    rows_with_a_group(t);
    expect_costs(scan_costs(t, settings(ScanKind::Automatic, 1000, 0, true)),
                 {{2, 1, 2, 1000}, {3, 2, 2, 2000}, {4, 3, 2, 3000}, {5, 2, 2, 2000}, {6, 3, 2, 3000},
                  {7, 3, 4, 3000}, {8, 4, 4, 4000}, {9, 4, 4, 4000}, {10, 5, 4, 5000}},
                 "group in a row");

    // On a 6 x 8 grid every cell costs what the row functions say reaching it takes.
    Template big;
    add_area(big, root_area());
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 8; ++c)
            add_area(big, rect_area(c * 80, r * 70, c * 80 + 80, r * 70 + 70));
    const auto costs = scan_costs(big, settings(ScanKind::Automatic, 1000, 0, true));
    const auto rows = level_rows(big, 1);
    ASSERT_EQ(rows.size(), 6u);
    for (int area = 2; area <= big.area_count; ++area) {
        const auto route = row_scan_route(rows, static_cast<int16_t>(area));
        ASSERT_TRUE(route) << area;
        EXPECT_EQ(costs[static_cast<size_t>(area)].steps, route->steps) << area;
        EXPECT_EQ(costs[static_cast<size_t>(area)].presses, route->presses) << area;
    }
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
// pressing on each row and group on the way takes as many steps, presses and (summing
// the step intervals run mode sets) as much time. Linear and row scanning, manual and
// automatic, with a first-step delay.
TEST(ScanCost, StepsPressesAndTimeAgreeWithRunMode)
{
    const struct {
        void (*board)(Template&);
        int modus;
        bool rows;
    } cases[] = {{grouped_board, 1, false},    {grouped_board, 2, false},    {group_first, 2, false},
                 {rows_with_a_group, 1, true}, {rows_with_a_group, 2, true}};
    for (const auto& k : cases) {
        Template shape;
        k.board(shape);
        UserProfile p;
        p.modus = static_cast<int16_t>(k.modus);
        p.temps = 10;
        p.retard_inicial = 400;
        p.files = k.rows ? 1 : 0;
        const auto costs = scan_costs(shape, scan_cost_settings(p));
        for (int target = 2; target <= shape.area_count; ++target) {
            SCOPED_TRACE(::testing::Message() << "modus " << k.modus << (k.rows ? " rows" : "") << ", area " << target);
            RunFixture f;
            k.board(f.state.tmpl);
            f.use(k.modus, kActionSpace, kActionEnter);
            f.state.profile.temps = p.temps;
            f.state.profile.retard_inicial = p.retard_inicial;
            f.state.profile.files = p.files;
            f.run.start_access_method();
            const Template& t = f.state.tmpl;
            auto shows = [&](const QRect& r) {
                Area around = rect_area(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
                return f.board.frame_visible && f.board.frame == frame_rect(around, t.area(1), f.run.scale());
            };
            std::vector<int> path{target};
            while (t.area(path.back()).parent > 1)
                path.push_back(t.area(path.back()).parent);
            int steps = 0, presses = 0;
            int64_t time = 0;
            for (auto it = path.rbegin(); it != path.rend(); ++it) {
                const Area& a = t.area(*it);
                const QRect own(QPoint(a.Xi, a.Yi), QPoint(a.Xf - 1, a.Yf - 1));
                QRect row_bounds;
                for (const ScanRow& row : level_rows(t, f.state.scan_level))
                    if (std::find(row.cells.begin(), row.cells.end(), *it) != row.cells.end() && row.cells.size() > 1)
                        row_bounds = row.bounds;
                for (int guard = 0; guard < 100 && !(f.highlighted() == *it && shows(own)); ++guard) {
                    if (!row_bounds.isNull() && shows(row_bounds)) {
                        f.run.act_butons(kActionEnter, QString());  // enter the row
                        ++presses;
                        continue;
                    }
                    if (k.modus == 1) {
                        f.run.act_butons(kActionSpace, QString());
                        ++presses;
                    } else {
                        time += f.timers.step_interval;
                        f.run.Timer3_Timer();
                    }
                    ++steps;
                }
                ASSERT_EQ(f.highlighted(), *it);
                f.run.act_butons(kActionEnter, QString());
                ++presses;
                f.run.Timer1_Timer();
            }
            ASSERT_FALSE(f.executed.empty());
            EXPECT_EQ(f.executed.back(), target);
            EXPECT_EQ(costs[static_cast<size_t>(target)].steps, steps);
            EXPECT_EQ(costs[static_cast<size_t>(target)].presses, presses);
            EXPECT_EQ(costs[static_cast<size_t>(target)].time_ms, k.modus == 2 ? time : 0);
        }
    }
}
