#pragma once
// Placing a program's window in the free strip beside the board.
#include "model/template.h"
#include "platform/window_system.h"
#include "runtime/board_geometry.h"

namespace orvel {

// Moves the window beside the board and makes it topmost. Nothing happens for
// window 0 or for a window whose title contains "Orvel" (the program's own).
// Returns whether the window was placed.
bool place_target_window(WindowSystem& windows, WindowId window, const Template& t, BoardScale scale);

}  // namespace orvel
