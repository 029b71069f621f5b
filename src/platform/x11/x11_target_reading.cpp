#include "platform/x11/x11_target_reading.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

namespace orvel {

namespace {

using namespace std::chrono_literals;

// A client that does not answer pings gets this long after the server had its keys,
// plus a share for every key event. 25 ms was the edge with an idle xterm; xterm read
// 3000 characters (6000 events) in 70 to 180 ms, 12 to 30 us an event.
constexpr auto timed_base = 100ms;
constexpr auto timed_per_event = 100us;
// How long a client that answers pings may take before it is taken as not reading:
// a slow application manages well over a hundred characters a second.
constexpr auto ping_grace = 3s;
constexpr auto ping_per_event = 5ms;

unsigned long window_pid(Display* d, Window w, Atom pid_atom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    unsigned long pid = 0;
    if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && format == 32 && count == 1)
        pid = *reinterpret_cast<unsigned long*>(data);
    if (data)
        XFree(data);
    return pid;
}

}  // namespace

X11TargetReading::X11TargetReading(Display* keys) : m_keys(keys)
{
    m_own = XOpenDisplay(DisplayString(keys));
    m_protocols = XInternAtom(keys, "WM_PROTOCOLS", False);
    m_ping = XInternAtom(keys, "_NET_WM_PING", False);
    m_pid = XInternAtom(keys, "_NET_WM_PID", False);
    // Answers to pings go to the root window, to whoever listens there: GTK sends
    // them to substructure listeners, Qt 5 and 6 to structure listeners.
    if (m_own)
        XSelectInput(m_own, DefaultRootWindow(m_own), StructureNotifyMask | SubstructureNotifyMask);
}

X11TargetReading::~X11TargetReading()
{
    if (m_own)
        XCloseDisplay(m_own);
}

// The application window that has the focus: the first window from the focus up
// that says which protocols it follows (the focus may be on an inner window).
X11TargetReading::Target X11TargetReading::describe_focus()
{
    Target target;
    Window focus = None;
    int revert = 0;
    XGetInputFocus(m_keys, &focus, &revert);
    if (focus == None || focus == PointerRoot)
        return target;
    const Window root = DefaultRootWindow(m_keys);
    for (Window w = focus; w != None && w != root;) {
        Atom* protocols = nullptr;
        int count = 0;
        if (XGetWMProtocols(m_keys, w, &protocols, &count)) {
            target.client = w;
            target.answers_ping = std::find(protocols, protocols + count, m_ping) != protocols + count;
            XFree(protocols);
            break;
        }
        target.client = w;  // the top-level window when none says
        Window r = None, parent = None, *children = nullptr;
        unsigned n = 0;
        if (!XQueryTree(m_keys, w, &r, &parent, &children, &n))
            break;
        if (children)
            XFree(children);
        w = parent;
    }
    // Our own windows cannot answer while we wait on them.
    if (target.answers_ping && window_pid(m_keys, target.client, m_pid) == static_cast<unsigned long>(getpid()))
        target.answers_ping = false;
    if (!m_own)
        target.answers_ping = false;
    return target;
}

void X11TargetReading::typing(size_t key_events)
{
    Target now = describe_focus();
    for (Target& t : m_targets) {
        if (t.client == now.client) {
            t.key_events += key_events;
            t.synced = {};
            return;
        }
    }
    now.key_events = key_events;
    now.first_typed = Clock::now();
    m_targets.push_back(now);
}

bool X11TargetReading::wait_until_read()
{
    if (m_targets.empty())
        return true;
    // Every key reaches the server (and the clients' queues) before any ping is sent.
    XSync(m_keys, False);
    const auto synced = Clock::now();
    std::vector<Target*> pinged;
    for (Target& t : m_targets) {
        if (t.synced == Clock::time_point{})
            t.synced = synced;
        if (t.answers_ping)
            pinged.push_back(&t);
    }
    bool all_read = wait_for_pings(pinged);
    for (const Target& t : m_targets) {
        if (t.answers_ping || t.client == None)
            continue;
        std::this_thread::sleep_until(t.synced + timed_base +
                                      std::chrono::duration_cast<Clock::duration>(timed_per_event * t.key_events));
    }
    m_targets.clear();
    return all_read;
}

bool X11TargetReading::wait_for_pings(std::vector<Target*>& waiting)
{
    const Window root = DefaultRootWindow(m_own);
    bool all_read = true;
    for (auto it = waiting.begin(); it != waiting.end();) {
        Target& t = **it;
        // A window that has gone has nothing left to read.
        XSelectInput(m_own, t.client, StructureNotifyMask);
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(m_own, t.client, &attributes)) {
            it = waiting.erase(it);
            continue;
        }
        t.token = m_next_token++;
        XEvent ping{};
        ping.xclient.type = ClientMessage;
        ping.xclient.window = t.client;
        ping.xclient.message_type = m_protocols;
        ping.xclient.format = 32;
        ping.xclient.data.l[0] = static_cast<long>(m_ping);
        ping.xclient.data.l[1] = CurrentTime;
        ping.xclient.data.l[2] = static_cast<long>(t.client);
        ping.xclient.data.l[3] = t.token;
        XSendEvent(m_own, t.client, False, NoEventMask, &ping);
        ++it;
    }
    XFlush(m_own);
    std::vector<Window> watched;
    for (Target* t : waiting)
        watched.push_back(t->client);

    while (!waiting.empty()) {
        while (XPending(m_own)) {
            XEvent event;
            XNextEvent(m_own, &event);
            Window done = None;
            if (event.type == ClientMessage && event.xclient.message_type == m_protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == m_ping && event.xclient.window == root) {
                for (Target* t : waiting)
                    if (event.xclient.data.l[3] == t->token && static_cast<Window>(event.xclient.data.l[2]) == t->client)
                        done = t->client;
            } else if (event.type == DestroyNotify) {
                done = event.xdestroywindow.window;
            }
            if (done != None)
                std::erase(m_silent, done);
            std::erase_if(waiting, [done](Target* t) { return done != None && t->client == done; });
        }
        if (waiting.empty())
            break;
        const auto now = Clock::now();
        auto next_deadline = Clock::time_point::max();
        for (auto it = waiting.begin(); it != waiting.end();) {
            // A client that let the last ping go unanswered gets no more than one that
            // does not answer pings: a hung application must not hold every run up.
            const bool silent = std::find(m_silent.begin(), m_silent.end(), (*it)->client) != m_silent.end();
            const auto deadline =
                (*it)->first_typed + (silent ? timed_base : ping_grace) +
                std::chrono::duration_cast<Clock::duration>((silent ? timed_per_event : ping_per_event) *
                                                            (*it)->key_events);
            if (now >= deadline) {
                all_read = false;
                if (!silent)
                    m_silent.push_back((*it)->client);
                it = waiting.erase(it);
                continue;
            }
            next_deadline = std::min(next_deadline, deadline);
            ++it;
        }
        if (waiting.empty())
            break;
        pollfd fd{ConnectionNumber(m_own), POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(next_deadline - now).count() + 1;
        poll(&fd, 1, static_cast<int>(std::min<long long>(left, 100)));
    }
    for (Window w : watched)
        XSelectInput(m_own, w, NoEventMask);
    XSync(m_own, True);  // nothing stays queued on this connection
    return all_read;
}

}  // namespace orvel
