#pragma once
// Everything the action code works on: the shared state, the outside world, the
// board window's hooks and the outside commands the interpreter dispatches to.
#include "exec/outside_commands.h"
#include "exec/random_source.h"
#include "exec/run_mode_hooks.h"
#include "model/orvel_state.h"
#include "platform/services.h"

namespace orvel {

struct ExecContext {
    OrvelState& state;
    Services& services;
    RunModeHooks& hooks;
    OutsideCommands* outside = nullptr;  // null: those commands do nothing
    RandomSource* random = nullptr;      // null: TRIA seeds a generator for each choice
};

}  // namespace orvel
