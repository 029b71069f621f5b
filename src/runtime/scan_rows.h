#pragma once
// Row scanning without a display: which members of a scan level form rows (from
// their rectangles alone, not from the groups a board maker drew), and the order
// in which the frame steps over rows and then over the cells of the chosen row.
// The run controller drives the board with it; the scan cost follows the same
// functions, so both count the same steps.
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/template.h"

namespace orvel {

// One member of a level: its area number and its rectangle (template pixels,
// right and bottom edges exclusive, as Xf and Yf are).
struct ScanMember {
    int16_t area = 0;
    QRect rect;
};

// A row: its cells' area numbers from left to right, and the rectangle around
// them (where the frame goes while the row is highlighted).
struct ScanRow {
    std::vector<int16_t> cells;
    QRect bounds;
};

// The members of `scan_level` in index order (the areas whose parent it is).
std::vector<ScanMember> level_members(const Template& t, int16_t scan_level);

// The rows the members form, top to bottom. Members are taken by their vertical
// centre; a member joins the row being built while its centre lies in the band
// that every member of that row covers, so a row may be ragged (cells of other
// heights or slightly offset) and an area spanning several rows lands in the
// row its centre falls in. Every member is in exactly one row. Empty when the
// members do not form rows worth scanning: fewer than two rows, or no row of
// more than one cell (a single column or a single line scans as today).
std::vector<ScanRow> detect_rows(const std::vector<ScanMember>& members);

// detect_rows over the members of `scan_level`.
std::vector<ScanRow> level_rows(const Template& t, int16_t scan_level);

// Where the frame is during row scanning. `row` -1 is the start, before the
// first step; `cell` -1 means the whole row is highlighted (rows phase),
// otherwise the frame is on that cell of the row (cells phase).
struct RowScanPosition {
    int row = -1;
    int cell = -1;
    bool operator==(const RowScanPosition&) const = default;
};

// The area a position shows by itself: the cell's area in the cells phase, or
// the only cell of a one-cell row in the rows phase; 0 for a row of several
// cells and for the start.
int16_t area_at(const std::vector<ScanRow>& rows, RowScanPosition at);

// One step of the frame. From the start, the first row. In the rows phase, the
// next row (wrapping). In the cells phase, the next cell; after the last cell of
// the row, back to the rows with the frame on that same row.
RowScanPosition next_row_scan_step(const std::vector<ScanRow>& rows, RowScanPosition at);

// What a selecting press does at `at`. On a row of several cells: the row is
// entered and its first cell highlighted at once (`next`), nothing selected.
// On a one-cell row or on a cell: that area is selected (`selected` > 0) and
// the scan starts over (`next` is the start). At the start: nothing.
struct RowScanPress {
    RowScanPosition next;
    int16_t selected = 0;
};
RowScanPress press_row_scan(const std::vector<ScanRow>& rows, RowScanPosition at);

// What reaching `area` from the start takes: `steps` frame moves and `presses`
// selecting presses (the row, then the cell; one for a one-cell row). Empty
// when the area is in no row.
struct ScanRoute {
    int steps = 0;
    int presses = 0;
};
std::optional<ScanRoute> row_scan_route(const std::vector<ScanRow>& rows, int16_t area);

// The same for linear scanning of `scan_level` from position 0 (as run mode
// starts): steps of next_scan_position until the area is highlighted, and one
// press. Empty when the area is not a member of the level.
std::optional<ScanRoute> linear_scan_route(const Template& t, int16_t scan_level, int16_t area);

}  // namespace orvel
