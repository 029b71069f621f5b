#pragma once
// What running an area asks of the board window (hiding the frame, the focus
// keeper, the pointer, placing a started program), answered by run mode. The
// requests that only the window can carry out go to the calls it registers.
#include <functional>

#include "exec/run_mode_hooks.h"
#include "platform/window_system.h"
#include "runtime/run_controller.h"

namespace orvel {

struct BoardWindowCalls {
    std::function<void()> layout_board_window{};
    std::function<void(bool topmost)> set_board_topmost{};
    std::function<void()> repaint_board{};
    std::function<void()> leave_run_mode_and_quit{};
    // Window-system pixels per board (toolkit) pixel: 2 at 200 % desktop scaling.
    std::function<double()> device_pixel_ratio{};
    // The board's own top-level window, 0 while it is not shown.
    std::function<WindowId()> board_window{};
};

class BoardHooks : public RunModeHooks {
public:
    // `windows` may be null (no window system): programs are then not placed.
    BoardHooks(RunController& run, OrvelState& state, BoardView& view, RunTimers& timers, WindowSystem* windows,
               BoardWindowCalls calls);

    void hide_highlight() override;
    void layout_board_window() override;
    void place_target_window(int64_t window) override;
    void set_board_topmost(bool topmost) override;
    void set_busy_pointer(bool busy) override;
    void give_focus_to_board() override;
    void pause_focus_keeper(bool paused) override;
    void repaint_board() override;
    void leave_run_mode_and_quit() override;

private:
    RunController& run_;
    OrvelState& state_;
    BoardView& view_;
    RunTimers& timers_;
    WindowSystem* windows_;
    BoardWindowCalls calls_;
};

}  // namespace orvel
