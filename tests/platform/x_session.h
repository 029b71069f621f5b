#pragma once
// A throwaway X server for tests of the X11 back ends: its own Xvfb on a free
// display, optionally openbox, terminal clients that write what they receive to a
// file, and the keyboard layout. Every process it starts is ended when it goes.
#include <QByteArray>
#include <QString>
#include <memory>
#include <sys/types.h>
#include <vector>

#include "platform/window_system.h"

namespace orvel {

class X11Display;
class X11WindowSystem;

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts Xvfb (and openbox when asked). False when either did not come up.
    bool start(bool with_window_manager);
    QByteArray display_name() const { return m_display_name; }
    X11Display& display() { return *m_display; }
    X11WindowSystem& windows() { return *m_windows; }

    bool set_layout(const QString& layout);
    // Gives every keycode without symbols but `count` of them one (F35). False when
    // fewer than `count` were empty.
    bool leave_empty_keycodes(int count);

    struct Terminal {
        pid_t pid = -1;
        WindowId window = 0;
    };
    // An xterm (UTF-8) running `cat > file`, titled `title`; window 0 when it did not appear.
    Terminal start_terminal(const QString& file, const QString& title);
    // True when the process ended within the time limit (it is reaped).
    bool wait_for_exit(pid_t pid, int timeout_ms);
    // Runs a program to its end with DISPLAY set; its exit status, or -1.
    int run(const std::vector<QByteArray>& argv);

    // Starts a program with DISPLAY set and the given extra environment.
    pid_t spawn(const std::vector<QByteArray>& argv, const std::vector<QByteArray>& environment = {});

private:
    void stop(pid_t pid);

    QByteArray m_display_name;
    pid_t m_server = -1;
    std::vector<pid_t> m_clients;
    std::unique_ptr<X11Display> m_display;
    std::unique_ptr<X11WindowSystem> m_windows;
};

// The atoms (or windows) in a property of `window`, empty when it is not set.
std::vector<unsigned long> property_items(X11Display& display, unsigned long window, const char* property,
                                          unsigned long type);

// Polls `condition` every few milliseconds until it holds or the limit passes.
template <typename Condition>
bool eventually(Condition condition, int timeout_ms = 5000);

}  // namespace orvel

#include <chrono>
#include <thread>

template <typename Condition>
bool orvel::eventually(Condition condition, int timeout_ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}
