#include <gtest/gtest.h>

#include "runtime/scan_rows.h"
#include "support/fake_board.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

using Cells = std::vector<std::vector<int16_t>>;

Cells cells_of(const std::vector<ScanRow>& rows)
{
    Cells out;
    for (const ScanRow& r : rows)
        out.push_back(r.cells);
    return out;
}

ScanMember member(int area, int x, int y, int w, int h)
{
    return {static_cast<int16_t>(area), QRect(x, y, w, h)};
}

// A columns x rows grid of 10 x 10 cells inside the root, numbered row by row from area 2.
Template grid(int columns, int rows)
{
    Template t;
    add_area(t, root_area());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            add_area(t, rect_area(c * 10, r * 10, c * 10 + 10, r * 10 + 10));
    return t;
}

}  // namespace

TEST(ScanRows, DetectsRowsOfRegularRaggedAndOverlappingLayouts)
{
    struct Case {
        const char* layout;
        std::vector<ScanMember> members;
        Cells rows;
    };
    const std::vector<Case> cases = {
        {"2 x 2 grid given in scrambled index order",
         {member(5, 10, 10, 10, 10), member(2, 0, 0, 10, 10), member(4, 0, 10, 10, 10), member(3, 10, 0, 10, 10)},
         {{2, 3}, {4, 5}}},
        {"ragged: rows of 3, 1 and 2 cells, cells of other heights and small offsets",
         {member(2, 0, 0, 10, 10), member(3, 10, 2, 10, 6), member(4, 20, 1, 10, 12), member(5, 0, 12, 30, 10),
          member(6, 0, 24, 15, 10), member(7, 15, 26, 15, 10)},
         {{2, 3, 4}, {5}, {6, 7}}},
        {"overlapping: a tall area spanning three rows joins the row its centre falls in and does not swallow "
         "the rows below",
         {member(2, 0, 0, 10, 30), member(3, 10, 0, 10, 10), member(4, 20, 0, 10, 10), member(5, 10, 10, 10, 10),
          member(6, 20, 10, 10, 10), member(7, 10, 20, 10, 10), member(8, 20, 20, 10, 10)},
         {{3, 4}, {2, 5, 6}, {7, 8}}},
        {"overlapping cells of one row stacked on each other stay in it, ordered from the left",
         {member(2, 5, 0, 10, 10), member(3, 0, 0, 10, 10), member(4, 0, 20, 10, 10), member(5, 10, 20, 10, 10)},
         {{3, 2}, {4, 5}}},
        {"a single column is not rows", {member(2, 0, 0, 10, 10), member(3, 0, 10, 10, 10)}, {}},
        {"a single line is not rows", {member(2, 0, 0, 10, 10), member(3, 10, 0, 10, 10)}, {}},
        {"no members", {}, {}},
        {"flat areas (no height) still land in one row each",
         {member(2, 0, 5, 10, 0), member(3, 10, 5, 10, 0), member(4, 0, 20, 10, 10)},
         {{2, 3}, {4}}},
    };
    for (const Case& c : cases) {
        const auto rows = detect_rows(c.members);
        EXPECT_EQ(cells_of(rows), c.rows) << c.layout;
        // Every member in exactly one row.
        if (!rows.empty()) {
            size_t total = 0;
            for (const ScanRow& r : rows)
                total += r.cells.size();
            EXPECT_EQ(total, c.members.size()) << c.layout;
        }
    }
    // The row's frame surrounds its cells.
    const auto ragged = detect_rows(cases[1].members);
    EXPECT_EQ(ragged[0].bounds, QRect(0, 0, 30, 13));
}

TEST(ScanRows, LevelRowsTakeOnlyTheLevelsMembersAndAGroupIsOneCell)
{
    // Row 1: areas 2, 3 and the group 4 (members 5, 6 side by side); row 2: areas 7, 8.
    Template t;
    add_area(t, root_area());
    add_area(t, rect_area(0, 0, 10, 10));
    add_area(t, rect_area(10, 0, 20, 10));
    Area group = rect_area(20, 0, 40, 10);
    group.is_group = -1;
    add_area(t, group);
    add_area(t, rect_area(20, 0, 30, 10, 4));
    add_area(t, rect_area(30, 0, 40, 10, 4));
    add_area(t, rect_area(0, 10, 20, 20));
    add_area(t, rect_area(20, 10, 40, 20));
    EXPECT_EQ(cells_of(level_rows(t, 1)), (Cells{{2, 3, 4}, {7, 8}}));
    // Inside the group its two members form one line: scanned as today.
    EXPECT_TRUE(level_rows(t, 4).empty());
}

TEST(ScanRows, StepsOverRowsThenCellsAndBackToTheRows)
{
    // Rows {2, 3, 4}, {5} and {6, 7}.
    const std::vector<ScanRow> rows = {{{2, 3, 4}, {}}, {{5}, {}}, {{6, 7}, {}}};
    RowScanPosition at;
    std::vector<RowScanPosition> seen;
    for (int i = 0; i < 4; ++i)
        seen.push_back(at = next_row_scan_step(rows, at));
    EXPECT_EQ(seen, (std::vector<RowScanPosition>{{0, -1}, {1, -1}, {2, -1}, {0, -1}}));
    EXPECT_EQ(area_at(rows, {0, -1}), 0);  // a row of several cells is no area
    EXPECT_EQ(area_at(rows, {1, -1}), 5);  // a one-cell row is its cell

    // Entering row 0 highlights its first cell at once; after its last cell the
    // frame is back on that row, then goes on to the next.
    const RowScanPress enter = press_row_scan(rows, {0, -1});
    EXPECT_EQ(enter.selected, 0);
    EXPECT_EQ(enter.next, (RowScanPosition{0, 0}));
    seen.clear();
    at = enter.next;
    for (int i = 0; i < 4; ++i)
        seen.push_back(at = next_row_scan_step(rows, at));
    EXPECT_EQ(seen, (std::vector<RowScanPosition>{{0, 1}, {0, 2}, {0, -1}, {1, -1}}));

    // A press on a cell or a one-cell row selects it and starts over; at the start nothing.
    EXPECT_EQ(press_row_scan(rows, {0, 2}).selected, 4);
    EXPECT_EQ(press_row_scan(rows, {0, 2}).next, RowScanPosition{});
    EXPECT_EQ(press_row_scan(rows, {1, -1}).selected, 5);
    EXPECT_EQ(press_row_scan(rows, {}).selected, 0);
    // Positions left over from another level are restarted, never read out of range.
    EXPECT_EQ(next_row_scan_step(rows, {7, 3}), (RowScanPosition{0, -1}));
    EXPECT_EQ(press_row_scan(rows, {0, 9}).selected, 0);
    EXPECT_EQ(next_row_scan_step({}, {0, 0}), RowScanPosition{});
}

TEST(ScanRows, RoutesCountStepsAndPressesAsTheStepsDo)
{
    const Template t = grid(5, 4);
    const auto rows = level_rows(t, 1);
    ASSERT_EQ(rows.size(), 4u);
    // Area 2 + 5 * r + c sits at row r, column c.
    struct Case {
        int16_t area;
        int row_steps, linear_steps;
    };
    for (const Case& c : {Case{2, 1, 1}, Case{6, 5, 5}, Case{7, 2, 6}, Case{21, 8, 20}}) {
        const auto route = row_scan_route(rows, c.area);
        ASSERT_TRUE(route) << c.area;
        EXPECT_EQ(route->steps, c.row_steps) << c.area;
        EXPECT_EQ(route->presses, 2) << c.area;
        // The route is what a person pressing at the right moments gets from the
        // step and press functions.
        auto wanted = [&](RowScanPosition p) {
            if (p.row < 0)
                return false;
            const auto& row = rows[static_cast<size_t>(p.row)].cells;
            return area_at(rows, p) == c.area ||
                   (p.cell < 0 && std::find(row.begin(), row.end(), c.area) != row.end());
        };
        RowScanPosition at;
        int steps = 0, presses = 0;
        int16_t selected = 0;
        while (!selected && steps < 100) {
            if (wanted(at)) {
                const RowScanPress p = press_row_scan(rows, at);
                ++presses;
                selected = p.selected;
                at = p.next;
            } else {
                at = next_row_scan_step(rows, at);
                ++steps;
            }
        }
        EXPECT_EQ(selected, c.area);
        EXPECT_EQ(steps, c.row_steps);
        EXPECT_EQ(presses, 2);
        EXPECT_EQ(linear_scan_route(t, 1, c.area)->steps, c.linear_steps);
    }
    EXPECT_FALSE(row_scan_route(rows, 1));
    EXPECT_FALSE(linear_scan_route(t, 1, 1));
    // A one-cell row takes one press.
    EXPECT_EQ(row_scan_route({{{2, 3}, {}}, {{4}, {}}}, 4)->presses, 1);
}
