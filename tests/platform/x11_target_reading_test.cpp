// Waiting until the window keys went to has read them: a client of our own in
// another thread answers the ping the way GTK or Qt does, late, never, or not at
// all because it does not follow the protocol, or its window goes away; and a
// slow client decodes keys typed through keycodes lent in turn as they were typed.
#include <gtest/gtest.h>

// Qt's headers first: Xlib's macros would spoil them.
#include "platform/keys/key_notation.h"
#include "platform/x11/x11_display.h"
#include "platform/x11/x11_key_sender.h"
#include "x_session.h"

#include "platform/x11/x11_target_reading.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace orvel {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

enum class Answer { GtkStyle, QtStyle, Never, NoPingProtocol, WindowCloses };

// A top-level window whose client reads its queue after `busy`, and takes
// `per_key` over each key press, which it decodes as Xlib does: with the keymap
// it fetches when it reaches a keymap change's notice.
class SlowClient {
public:
    SlowClient(const QByteArray& display_name, Answer answer, milliseconds busy,
               std::chrono::microseconds per_key = {})
        : m_answer(answer), m_busy(busy), m_per_key(per_key)
    {
        m_display = XOpenDisplay(display_name.constData());
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 200, 100, 0, 0, 0);
        XSelectInput(m_display, m_window, KeyPressMask);
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
    std::vector<KeySym> decoded()
    {
        std::lock_guard lock(m_mutex);
        return m_decoded;
    }

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
            if (event.type == MappingNotify)
                XRefreshKeyboardMapping(&event.xmapping);
            if (event.type == KeyPress) {
                std::this_thread::sleep_for(m_per_key);
                char text[8];
                KeySym sym = NoSymbol;
                XLookupString(&event.xkey, text, sizeof text, &sym, nullptr);
                std::lock_guard lock(m_mutex);
                if (!IsModifierKey(sym))
                    m_decoded.push_back(sym);
            }
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
    std::chrono::microseconds m_per_key;
    std::mutex m_mutex;
    std::vector<KeySym> m_decoded;
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


// Only two keycodes are free, so the accented letters take them in turn, while the
// client is still some way behind with the plain text typed first.
TEST(X11TargetReading, ASlowClientDecodesEveryKeyAsTypedWhileKeycodesAreLentInTurn)
{
    XSession session;
    ASSERT_TRUE(session.start(false));
    ASSERT_TRUE(session.set_layout(QStringLiteral("us")));
    ASSERT_TRUE(session.leave_empty_keycodes(2));
    Display* d = session.display().get();
    SlowClient client(session.display_name(), Answer::GtkStyle, milliseconds(0), std::chrono::microseconds(1500));
    XSetInputFocus(d, client.window(), RevertToParent, CurrentTime);
    XSync(d, False);

    const QString text = QString(200, u'x') + QString::fromUtf8("àèéíòóúü ÀÈÉÍÒÓÚÜ âêîôûäëïöü ñçÑÇ");
    std::vector<KeySym> typed;
    for (QChar c : text)
        typed.push_back(c.unicode());  // Latin-1: the keysym is the character
    {
        X11KeySender sender(session.display());
        ASSERT_EQ(sender.send_keys(text), key_send_ok);
        EXPECT_TRUE(sender.finish());
    }
    ASSERT_TRUE(eventually([&] { return client.decoded().size() >= typed.size(); }, 10000));
    EXPECT_EQ(client.decoded(), typed);
}

}  // namespace
}  // namespace orvel
