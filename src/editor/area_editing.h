#pragma once
// The canvas rules of the board editor, without a display: drawing a new area
// with the rubber band, joining neighbours with Ctrl+click, the root area's
// fixed edges, the edge scrollbars' acceptance, stepping and deleting.
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

#include "model/template.h"

namespace orvel {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 445;

// The rubber band of "&Afegir àrea": drawing mode, dragging and the band's two corners.
struct RubberBand {
    bool drawing = false;
    bool dragging = false;
    QPoint start;
    QPoint end;
    // The band as it is drawn, normalised (corners may be given either way round).
    QRect rect() const { return QRect(start, end).normalized(); }
};

enum class TrackPhase { Down = 0, Move = 1, Up = 2 };

enum class TrackResult {
    Ignored,   // outside the root area, or not dragging
    Changed,   // the band moved (or started)
    Appended,  // a new area was appended as area_count and drawing mode is off
    Nothing,   // the button came up on a line or a point: no area, drawing stays on
};

// One mouse event while drawing mode is on (track_new_area). The first area of an
// empty board snaps to a canvas corner and becomes a band across the whole canvas;
// later areas are clipped to the current area, which becomes their parent.
TrackResult track_new_area(Template& t, RubberBand& band, int x, int y, TrackPhase phase);

// Which canvas edges the root band touches while area 1 is current: "D" right,
// "E" left, "A" top, "B" bottom, "" (also for a root covering the whole canvas or
// when another area is current).
QString root_area_side(const Template& t);

enum class Edge { Xi, Xf, Yi, Yf };

// Whether an edge scrollbar may move the current area's edge to `value`: inside
// the root area for other areas; for the root only its free edge moves.
bool edge_change_accepted(const Template& t, Edge edge, int value);

// ---- Join (Ctrl+click) ----

// validar_area_consec: 0 when `hit` cannot join the join area (index join_base + 1),
// 1..4 for the side (below, above, right, left) and 5 for the area the join began from.
int validar_area_consec(const Template& t, int join_base, int hit);

// A Ctrl+click on `hit`: starts the join from the current area when none is in
// progress, then adds `hit` when it joins. Returns the join area's index, which the
// editor shows (and makes current).
int join_click(Template& t, int16_t& join_base, int hit);

// A plain click on an area ends a join: its temporary records go. Any join state
// left over (for instance by an undo that shortened the table) is cleared too.
void drop_join(Template& t, int16_t& join_base);

// ---- Stepping and deleting ----

// The area NextArea / PrevArea go to, or nothing (the editor beeps).
std::optional<int> next_area(const Template& t);
std::optional<int> previous_area(const Template& t);

// "&Eliminar àrea": only an area other than the root, without sub-areas. Deletes it
// and makes the last area current; false (nothing changed) when not allowed.
bool delete_current_area(Template& t);

}  // namespace orvel
