#include "runtime/scan_rows.h"

#include <algorithm>
#include <tuple>

#include "runtime/scan_order.h"

namespace orvel {

namespace {

// Twice the vertical centre, so that it stays an integer.
int doubled_centre_y(const QRect& r)
{
    return 2 * r.y() + r.height();
}

// A band without height (a flat seed) holds only centres on its line.
bool in_band(int centre2, int top2, int bottom2)
{
    return top2 == bottom2 ? centre2 == top2 : centre2 >= top2 && centre2 < bottom2;
}

bool valid_row(const std::vector<ScanRow>& rows, int row)
{
    return row >= 0 && row < static_cast<int>(rows.size()) && !rows[static_cast<size_t>(row)].cells.empty();
}

}  // namespace

std::vector<ScanMember> level_members(const Template& t, int16_t scan_level)
{
    std::vector<ScanMember> members;
    const int count = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const Area& a = t.areas[static_cast<size_t>(i)];
        if (a.parent != scan_level)
            continue;
        // Drawn areas may have their corners either way round.
        const int left = std::min(a.Xi, a.Xf), right = std::max(a.Xi, a.Xf);
        const int top = std::min(a.Yi, a.Yf), bottom = std::max(a.Yi, a.Yf);
        members.push_back({static_cast<int16_t>(i), QRect(left, top, right - left, bottom - top)});
    }
    return members;
}

std::vector<ScanRow> detect_rows(const std::vector<ScanMember>& members)
{
    std::vector<ScanMember> sorted = members;
    std::stable_sort(sorted.begin(), sorted.end(), [](const ScanMember& a, const ScanMember& b) {
        return std::make_tuple(doubled_centre_y(a.rect), a.rect.x(), a.area) <
               std::make_tuple(doubled_centre_y(b.rect), b.rect.x(), b.area);
    });

    struct Building {
        std::vector<ScanMember> members;
        int band_top2 = 0;  // doubled, like the centres
        int band_bottom2 = 0;
    };
    std::vector<Building> building;
    for (const ScanMember& m : sorted) {
        const int centre2 = doubled_centre_y(m.rect);
        const int top2 = 2 * m.rect.y();
        const int bottom2 = 2 * (m.rect.y() + m.rect.height());
        Building* row = building.empty() ? nullptr : &building.back();
        if (row && in_band(centre2, row->band_top2, row->band_bottom2)) {
            row->members.push_back(m);
            // The band narrows to what every member covers, so a tall member
            // cannot pull the next row's cells into this one.
            if (top2 < row->band_bottom2 && bottom2 > row->band_top2) {
                row->band_top2 = std::max(row->band_top2, top2);
                row->band_bottom2 = std::min(row->band_bottom2, bottom2);
            }
            continue;
        }
        building.push_back({{m}, top2, bottom2});
    }

    std::vector<ScanRow> rows;
    bool some_row_has_cells = false;
    for (Building& b : building) {
        std::stable_sort(b.members.begin(), b.members.end(), [](const ScanMember& a, const ScanMember& c) {
            return std::make_tuple(a.rect.x(), a.rect.y(), a.area) < std::make_tuple(c.rect.x(), c.rect.y(), c.area);
        });
        ScanRow row;
        for (const ScanMember& m : b.members) {
            row.cells.push_back(m.area);
            row.bounds = row.bounds.isNull() ? m.rect : row.bounds.united(m.rect);
        }
        some_row_has_cells = some_row_has_cells || row.cells.size() > 1;
        rows.push_back(std::move(row));
    }
    if (rows.size() < 2 || !some_row_has_cells)
        return {};
    return rows;
}

std::vector<ScanRow> level_rows(const Template& t, int16_t scan_level)
{
    return detect_rows(level_members(t, scan_level));
}

int16_t area_at(const std::vector<ScanRow>& rows, RowScanPosition at)
{
    if (!valid_row(rows, at.row))
        return 0;
    const auto& cells = rows[static_cast<size_t>(at.row)].cells;
    if (at.cell < 0)
        return cells.size() == 1 ? cells.front() : int16_t{0};
    return at.cell < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(at.cell)] : int16_t{0};
}

RowScanPosition next_row_scan_step(const std::vector<ScanRow>& rows, RowScanPosition at)
{
    if (rows.empty())
        return {};
    if (!valid_row(rows, at.row))
        return {0, -1};
    if (at.cell < 0)
        return {(at.row + 1) % static_cast<int>(rows.size()), -1};
    const int cells = static_cast<int>(rows[static_cast<size_t>(at.row)].cells.size());
    if (at.cell + 1 < cells)
        return {at.row, at.cell + 1};
    return {at.row, -1};  // back to the rows, on the row just scanned
}

RowScanPress press_row_scan(const std::vector<ScanRow>& rows, RowScanPosition at)
{
    if (!valid_row(rows, at.row))
        return {at, 0};
    const auto& cells = rows[static_cast<size_t>(at.row)].cells;
    if (at.cell < 0 && cells.size() > 1)
        return {{at.row, 0}, 0};
    const int16_t area = area_at(rows, at);
    return area ? RowScanPress{{}, area} : RowScanPress{at, 0};
}

std::optional<ScanRoute> row_scan_route(const std::vector<ScanRow>& rows, int16_t area)
{
    for (size_t r = 0; r < rows.size(); ++r) {
        const auto& cells = rows[r].cells;
        const auto found = std::find(cells.begin(), cells.end(), area);
        if (found == cells.end())
            continue;
        const int row_steps = static_cast<int>(r) + 1;
        if (cells.size() == 1)
            return ScanRoute{row_steps, 1};
        // Entering the row highlights its first cell without a step.
        return ScanRoute{row_steps + static_cast<int>(found - cells.begin()), 2};
    }
    return std::nullopt;
}

std::optional<ScanRoute> linear_scan_route(const Template& t, int16_t scan_level, int16_t area)
{
    int16_t cursor = 0;
    const int count = std::max<int>(t.area_count, 0);
    for (int steps = 1; steps <= count; ++steps) {
        const auto next = next_scan_position(t, cursor, scan_level);
        if (!next)
            return std::nullopt;
        cursor = *next;
        if (cursor + 1 == area)
            return ScanRoute{steps, 1};
    }
    return std::nullopt;
}

}  // namespace orvel
