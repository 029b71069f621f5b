#pragma once
// Leaving run mode: the programs the board started are asked to close.
#include "exec/exec_context.h"

namespace orvel {

// Visits the target window and then every window of the stack of earlier
// targets once; each one that still has a title is asked to close, unless its
// title contains "ORVEL" (a window of the board program itself). Afterwards
// there is no target and the stack is empty. Returns how many were asked.
int close_started_programs(ExecContext& ctx);

}  // namespace orvel
