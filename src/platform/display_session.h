#pragma once
// Which displays the desktop session offers. Orvel's window and everything it types go
// through X11; on a Wayland desktop only X11 programs (run by XWayland) can receive them.
#include <QString>

namespace orvel {

enum class DisplaySession {
    X11,          // an X server and no Wayland compositor: everything works
    XWayland,     // Wayland with XWayland: keys and the pointer reach X11 programs only
    WaylandOnly,  // Wayland without X11: Orvel cannot open its window nor type
    None,         // no display at all
};

// From the values of DISPLAY, WAYLAND_DISPLAY and XDG_SESSION_TYPE.
DisplaySession display_session(const QString& display, const QString& wayland_display,
                               const QString& session_type);
// The same, from this process's environment.
DisplaySession display_session_from_environment();

// What Orvel tells the person at start in this session; empty when there is nothing to say.
QString display_session_notice(DisplaySession session);

}  // namespace orvel
