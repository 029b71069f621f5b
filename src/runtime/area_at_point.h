#pragma once
// The hit test shared by the board and the editor's canvas.
#include "model/template.h"

namespace orvel {

// The highest-numbered area whose rectangle (normalised, edges included)
// contains the template point, or 0 when none does.
int area_at_point(const Template& t, int x, int y);

}  // namespace orvel
