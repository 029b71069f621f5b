#pragma once
// The keyboard cursors' neighbour search: from the highlighted area, walk one
// template pixel at a time along its centre line in the arrow's direction,
// across points where only the root area lies, to the first other area.
#include <QPoint>
#include <optional>

#include "model/template.h"

namespace orvel {

// Key codes the board's cursor movement answers to (the joystick and the voice
// orders send the same codes).
enum CursorKey : int {
    kKeyEnter = 13,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyNoMove = 65535,  // re-highlights without probing
};

struct ProbeResult {
    int area = 0;  // the area found: 0 when the walk left every area
    QPoint point;  // where the walk stopped
};

bool is_arrow_key(int key_code);

// The walk from area `cursor` (0: the blank record, a point at the origin) for
// an arrow key. Empty for any other key. The walk also ends, with area 0, at the
// edge of the 16-bit coordinate range.
std::optional<ProbeResult> probe_neighbour(const Template& t, int cursor, int key_code);

}  // namespace orvel
