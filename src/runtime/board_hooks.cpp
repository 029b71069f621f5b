#include "runtime/board_hooks.h"

#include "runtime/target_placement.h"

namespace orvel {

BoardHooks::BoardHooks(RunController& run, OrvelState& state, BoardView& view, RunTimers& timers,
                       WindowSystem* windows, BoardWindowCalls calls)
    : run_(run), state_(state), view_(view), timers_(timers), windows_(windows), calls_(std::move(calls))
{
}

void BoardHooks::hide_highlight()
{
    run_.stop_highlight();
}

void BoardHooks::layout_board_window()
{
    if (calls_.layout_board_window)
        calls_.layout_board_window();
}

void BoardHooks::place_target_window(int64_t window)
{
    if (!windows_)
        return;
    // The board's scale is in the toolkit's pixels; the window system places in its own.
    BoardScale scale = run_.scale();
    const double ratio = calls_.device_pixel_ratio ? calls_.device_pixel_ratio() : 1.0;
    scale.ratio_x *= ratio;
    scale.ratio_y *= ratio;
    orvel::place_target_window(*windows_, window, state_.tmpl, scale);
}

void BoardHooks::set_board_topmost(bool topmost)
{
    if (calls_.set_board_topmost)
        calls_.set_board_topmost(topmost);
}

void BoardHooks::set_busy_pointer(bool busy)
{
    view_.set_pointer(busy ? PointerShape::Hourglass : PointerShape::Default);
}

void BoardHooks::give_focus_to_board()
{
    view_.focus_board();
    // Right after typing, the toolkit still believes the board is active and would
    // not ask for the focus: a switch pressed now would go to the person's document.
    // Ask the window system at once and wait (bounded) until the board holds it.
    if (!windows_ || !calls_.board_window)
        return;
    const WindowId board = calls_.board_window();
    if (board != 0 && windows_->focused_window() != board)
        windows_->activate(board);
}

void BoardHooks::pause_focus_keeper(bool paused)
{
    timers_.set_focus_keeper_running(!paused);
}

void BoardHooks::repaint_board()
{
    if (calls_.repaint_board)
        calls_.repaint_board();
}

void BoardHooks::leave_run_mode_and_quit()
{
    if (calls_.leave_run_mode_and_quit)
        calls_.leave_run_mode_and_quit();
}

}  // namespace orvel
