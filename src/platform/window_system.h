#pragma once
// Top-level windows of the desktop: the board's targets.
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

namespace orvel {

using WindowId = int64_t;  // 0 = none

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Top-level application windows, bottom of the stack first.
    virtual std::vector<WindowId> top_level_windows() = 0;
    // The window's title; empty when it has none or no longer exists.
    virtual QString title(WindowId window) = 0;
    virtual bool is_visible(WindowId window) = 0;
    // Process that owns the window, 0 when unknown.
    virtual int64_t process_id(WindowId window) = 0;
    // Raises the window and gives it the input focus.
    virtual bool activate(WindowId window) = 0;
    // The window's frame on the screen; an empty rectangle when it cannot be read.
    virtual QRect geometry(WindowId window) = 0;
    virtual bool move_resize(WindowId window, const QRect& frame) = 0;
    virtual bool set_topmost(WindowId window, bool topmost) = 0;
    // Asks the window to close, as its close button would.
    virtual bool close(WindowId window) = 0;
    // The window that has the input focus, 0 when none.
    virtual WindowId focused_window() = 0;
    virtual QSize screen_size() = 0;
};

}  // namespace orvel
