#pragma once
// What run mode asks of the board window and of its timers. The window
// implements these over its widgets and QTimers; tests record the calls.
#include <QRect>

namespace orvel {

enum class PointerShape {
    Default = 0,
    Icon = 4,        // while the focus keeper runs
    Hourglass = 11,  // from a press on the board until the next execution tick
};

class BoardView {
public:
    virtual ~BoardView() = default;
    // Moves the highlight frame to a rectangle in board pixels and shows it; the
    // border is drawn inside the rectangle, so its outer edge is the area's edge.
    virtual void show_frame(const QRect& board_rect) = 0;
    virtual void hide_frame() = 0;
    // Border width in pixels and colour as an RGB number (0x00BBGGRR; 255 is red).
    virtual void set_frame_style(int border_width, double color) = 0;
    // A contrasting inner outline along the frame, so it shows on any cover.
    virtual void set_frame_contrast(bool /*contrast*/) {}
    // How far a dwell has filled the frame (0..1); 0 shows none.
    virtual void set_frame_progress(double /*fraction*/) {}
    virtual void focus_board() = 0;
    virtual void set_pointer(PointerShape shape) = 0;
    virtual void beep() = 0;
};

// The three timers of run mode: the execution tick (Timer1), the focus keeper
// (Timer2, 100 ms) and the scanning step or joystick poll (Timer3).
class RunTimers {
public:
    virtual ~RunTimers() = default;
    virtual void set_execution_interval(int milliseconds) = 0;
    virtual void set_focus_keeper_running(bool running) = 0;
    virtual void set_step_interval(int milliseconds) = 0;
    virtual void set_step_running(bool running) = 0;
    virtual bool step_running() const = 0;
    // A short repeating tick (Timer4) while a held switch or a dwell is being timed.
    virtual void set_fine_tick_running(bool /*running*/) {}
};

}  // namespace orvel
