#pragma once
// What the commands ask of the board window while they run. Run mode implements
// these; headless execution (and tests) use the defaults, which do nothing.
#include <cstdint>

namespace orvel {

class RunModeHooks {
public:
    virtual ~RunModeHooks() = default;
    virtual void hide_highlight() {}                    // CARREGA hides the frame
    virtual void layout_board_window() {}               // after CARREGA
    virtual void place_target_window(int64_t) {}        // beside the board, topmost
    virtual void set_board_topmost(bool) {}             // around "file not found" boxes
    virtual void set_busy_pointer(bool) {}              // hourglass while keys are sent
    virtual void give_focus_to_board() {}               // after a key text, unless mouse mode
    virtual void pause_focus_keeper(bool) {}            // Timer2 stopped while an area runs
    virtual void repaint_board() {}
    virtual void leave_run_mode_and_quit() {}           // TANCAR
};

}  // namespace orvel
