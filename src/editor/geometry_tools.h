#pragma once
// The editor's whole-area tools, without a display: "&Subdividir àrea",
// "Redimensionar àrees" and "Ajustar àrees", and the proportional rescaling of
// an area's sub-areas that also follows the edge scrollbars and joins.
#include "model/template.h"

namespace orvel {

// Halves go to the even neighbour, as every computed coordinate does here.
int16_t round_coordinate(double value);

// Subdividing needs a current area without sub-areas.
bool can_subdivide(const Template& t);
// Cuts the current area into rows x columns equal cells (whole pixels; the remainder
// stays uncovered at the right and bottom), numbered row by row, each a copy of the
// area with its own rectangle and the area as parent; the area becomes a group.
void subdivide_current_area(Template& t, int rows, int columns);

// Scales the current area to h % wide and v % high (values above 100 grow it). The
// right root band keeps its right edge, the bottom band its bottom edge, and a root
// band spanning the whole height (or width) keeps that size.
void resize_current_area(Template& t, double h, double v);

// Moves and scales every descendant of area n, resized from `old` to its present
// rectangle, by h and v percent; then a join in progress (join_base != 0) copies its
// member records back onto the areas they stand for.
void rescale_descendants(Template& t, int n, double h, double v, const Area& old, int join_base);

// REDIM_AREES: resizes the current area by the dialog's percentages (1..100, anything
// else reads as 100) and carries its sub-areas along. Sets cover_outdated.
void redim_areas(Template& t, double h, double v, int join_base);

// The percentage the resize dialog uses for a typed value: 100 unless it lies in 1..100.
double resize_percentage(const QString& typed);

// "Ajustar àrees": grows the current area across free space inside its parent up to
// the parent's border or a neighbour's edge. False when there is no current area.
bool adjust_current_area(Template& t);

}  // namespace orvel
