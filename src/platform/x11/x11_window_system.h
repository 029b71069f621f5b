#pragma once
// Top-level windows through Xlib and the EWMH conventions; works with or without a window manager.
#include "platform/window_system.h"

namespace orvel {

class X11Display;

class X11WindowSystem : public WindowSystem {
public:
    explicit X11WindowSystem(X11Display& display);
    std::vector<WindowId> top_level_windows() override;
    QString title(WindowId window) override;
    bool is_visible(WindowId window) override;
    int64_t process_id(WindowId window) override;
    bool activate(WindowId window) override;
    QRect geometry(WindowId window) override;
    bool move_resize(WindowId window, const QRect& frame) override;
    bool set_topmost(WindowId window, bool topmost) override;
    bool close(WindowId window) override;
    WindowId focused_window() override;
    QSize screen_size() override;

private:
    X11Display& m_display;
};

}  // namespace orvel
