#pragma once
// Knows when the windows keys were typed into have read them.
//
// A client decodes a key event with the keymap it holds when it reaches that event
// in its queue, and fetches a changed keymap only when it reaches the change's
// notice, getting the keymap as it is then. So a lent keycode may take another
// symbol, or be given back, only once every key typed through it has been read;
// an application still busy with a long text would otherwise decode the keys
// queued behind with the later symbol, or with none.
//
// Clients that list _NET_WM_PING in WM_PROTOCOLS (GTK 3 and 4, Qt) answer a ping
// when their event loop reaches it, in order, with or without a window manager:
// a ping sent after the keys comes back once the keys were read. Clients without
// it (xterm) are given a time scaled to the keys they were sent.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace orvel {

class X11TargetReading {
public:
    // Pings travel on a connection of their own, on the display `keys` types into.
    explicit X11TargetReading(Display* keys);
    ~X11TargetReading();
    X11TargetReading(const X11TargetReading&) = delete;
    X11TargetReading& operator=(const X11TargetReading&) = delete;

    // `key_events` presses and releases are about to go to the window with the focus
    // (none: the next wait still synchronises once with that window).
    void typing(size_t key_events);
    // Whether keys were typed since everything was last known to be read.
    bool pending() const { return !m_targets.empty(); }
    // Waits until every window typed into has read its keys. False when one did not
    // answer within a time scaled to what it was sent; until it answers again, it
    // is then given no longer than a client without pings.
    bool wait_until_read();

private:
    using Clock = std::chrono::steady_clock;
    struct Target {
        Window client = None;  // the application's top-level window
        bool answers_ping = false;
        size_t key_events = 0;
        Clock::time_point first_typed;
        Clock::time_point synced;  // when the server had every key (timed clients)
        long token = 0;            // the ping on its way, 0 = none
    };

    Target describe_focus();
    bool wait_for_pings(std::vector<Target*>& waiting);

    Display* m_keys;
    Display* m_own = nullptr;
    Atom m_protocols = None, m_ping = None, m_pid = None;
    long m_next_token = 1;
    std::vector<Target> m_targets;
    std::vector<Window> m_silent;  // clients whose last ping went unanswered
};

}  // namespace orvel
