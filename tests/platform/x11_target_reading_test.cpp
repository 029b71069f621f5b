// Waiting until the window keys went to has read them: a client of our own in
// another thread answers the ping the way GTK or Qt does, late, never, or not at
// all because it does not follow the protocol, or its window goes away.
#include <gtest/gtest.h>

// Qt's headers first: Xlib's macros would spoil them.
#include "platform/x11/x11_display.h"
#include "x_session.h"

#include "platform/x11/x11_target_reading.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace orvel {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

enum class Answer { GtkStyle, QtStyle, Never, NoPingProtocol, WindowCloses };

// A top-level window with the focus whose client reads its queue after `busy`.
class SlowClient {
public:
    SlowClient(const QByteArray& display_name, Answer answer, milliseconds busy) : m_answer(answer), m_busy(busy)
    {
        m_display = XOpenDisplay(display_name.constData());
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 200, 100, 0, 0, 0);
        Atom protocols[2] = {XInternAtom(m_display, "WM_DELETE_WINDOW", False),
                             XInternAtom(m_display, "_NET_WM_PING", False)};
        XSetWMProtocols(m_display, m_window, protocols, answer == Answer::NoPingProtocol ? 1 : 2);
        XMapWindow(m_display, m_window);
        XSync(m_display, False);
        m_thread = std::thread([this] { serve(); });
    }
    ~SlowClient()
    {
        m_stop = true;
        m_thread.join();
        XCloseDisplay(m_display);
    }
    Window window() const { return m_window; }

private:
    void serve()
    {
        const Atom wm_protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
        while (!m_stop) {
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            if (!XPending(m_display) && poll(&fd, 1, 20) <= 0)
                continue;
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type != ClientMessage || event.xclient.message_type != wm_protocols)
                continue;
            std::this_thread::sleep_for(m_busy);  // still reading the keys queued before
            if (m_answer == Answer::WindowCloses) {
                XDestroyWindow(m_display, m_window);
            } else if (m_answer == Answer::GtkStyle || m_answer == Answer::QtStyle) {
                // GTK sends the answer to substructure listeners, Qt to structure listeners.
                const long mask = m_answer == Answer::GtkStyle ? SubstructureNotifyMask : StructureNotifyMask;
                event.xclient.window = DefaultRootWindow(m_display);
                XSendEvent(m_display, event.xclient.window, False, mask | SubstructureRedirectMask, &event);
            }
            XFlush(m_display);
        }
    }

    Display* m_display = nullptr;
    Window m_window = None;
    Answer m_answer;
    milliseconds m_busy;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

TEST(X11TargetReading, WaitsUntilTheTargetHasReadItsKeysAndNoLonger)
{
    XSession session;
    ASSERT_TRUE(session.start(false));
    Display* d = session.display().get();

    struct Case {
        const char* name;
        Answer answer;
        milliseconds busy;
        size_t events;
        bool read;
        milliseconds at_least, at_most;
    };
    const Case cases[] = {
        {"GTK answers once it has read", Answer::GtkStyle, milliseconds(400), 2000, true, milliseconds(400), milliseconds(2000)},
        {"Qt answers once it has read", Answer::QtStyle, milliseconds(400), 2000, true, milliseconds(400), milliseconds(2000)},
        // 2000 events: 100 ms and 0.1 ms each.
        {"no ping: a time scaled to the keys", Answer::NoPingProtocol, milliseconds(0), 2000, true, milliseconds(300),
         milliseconds(2000)},
        {"a window that closes has nothing left to read", Answer::WindowCloses, milliseconds(200), 2000, true,
         milliseconds(200), milliseconds(2000)},
        // 3 s and 5 ms for each of 20 events.
        {"a target that never answers is given up", Answer::Never, milliseconds(0), 20, false, milliseconds(3090),
         milliseconds(4500)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SlowClient client(session.display_name(), c.answer, c.busy);
        XSetInputFocus(d, client.window(), RevertToParent, CurrentTime);
        XSync(d, False);
        X11TargetReading reading(d);
        EXPECT_FALSE(reading.pending());
        EXPECT_TRUE(reading.wait_until_read());  // nothing typed: nothing to wait for

        const auto start = Clock::now();
        reading.typing(c.events);
        EXPECT_TRUE(reading.pending());
        EXPECT_EQ(reading.wait_until_read(), c.read);
        const auto took = Clock::now() - start;
        EXPECT_GE(took, c.at_least);
        EXPECT_LE(took, c.at_most);
        EXPECT_FALSE(reading.pending());
        if (!c.read) {
            // Until it answers again, a silent client holds nothing up for long.
            const auto again = Clock::now();
            reading.typing(c.events);
            EXPECT_FALSE(reading.wait_until_read());
            EXPECT_LE(Clock::now() - again, milliseconds(1000));
        }
    }
}

}  // namespace
}  // namespace orvel
