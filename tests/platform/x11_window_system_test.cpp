// Window and pointer calls against real terminal windows, on a bare Xvfb and under
// openbox: the two roads (EWMH messages, plain Xlib) must give the same results.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "platform/x11/x11_display.h"
#include "platform/x11/x11_mouse_device.h"
#include "platform/x11/x11_window_system.h"
#include "x_session.h"

namespace orvel {
namespace {

bool has_state_above(XSession& session, WindowId window)
{
    const auto state = property_items(session.display(), window, "_NET_WM_STATE", XA_ATOM);
    const Atom above = XInternAtom(session.display().get(), "_NET_WM_STATE_ABOVE", False);
    return std::find(state.begin(), state.end(), above) != state.end();
}

// The window that is on top of the stack among the given ones.
WindowId topmost_of(X11WindowSystem& windows, WindowId a, WindowId b)
{
    const auto stack = windows.top_level_windows();
    const auto pa = std::find(stack.begin(), stack.end(), a);
    const auto pb = std::find(stack.begin(), stack.end(), b);
    if (pa == stack.end() || pb == stack.end())
        return 0;
    return pa > pb ? a : b;
}

void exercise_windows(bool with_window_manager)
{
    XSession session;
    ASSERT_TRUE(session.start(with_window_manager));
    QTemporaryDir folder;
    X11WindowSystem& windows = session.windows();

    EXPECT_EQ(windows.screen_size(), QSize(1024, 768));
    const auto first = session.start_terminal(folder.filePath(QStringLiteral("1")), QStringLiteral("Primer"));
    const auto second = session.start_terminal(folder.filePath(QStringLiteral("2")), QString::fromUtf8("Segon · àç"));
    ASSERT_NE(first.window, 0);
    ASSERT_NE(second.window, 0);
    // A manager focuses and raises a new window some time after it is mapped; on a
    // busy machine that can come after the activation below and undo it. Let it finish.
    if (with_window_manager) {
        ASSERT_TRUE(eventually([&] { return windows.focused_window() == second.window; }, 10000));
    }

    // Listing, titles (UTF-8 kept), owners.
    const auto listed = windows.top_level_windows();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), first.window), 1);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), second.window), 1);
    EXPECT_EQ(windows.title(second.window), QString::fromUtf8("Segon · àç"));
    EXPECT_TRUE(windows.is_visible(first.window));
    EXPECT_EQ(windows.process_id(first.window), first.pid);
    EXPECT_EQ(windows.process_id(second.window), second.pid);

    // Activation moves the focus there and raises the window, each time.
    ASSERT_TRUE(windows.activate(first.window));
    EXPECT_EQ(windows.focused_window(), first.window);
    EXPECT_TRUE(eventually([&] { return topmost_of(windows, first.window, second.window) == first.window; }));
    ASSERT_TRUE(windows.activate(second.window));
    EXPECT_EQ(windows.focused_window(), second.window);
    EXPECT_TRUE(eventually([&] { return topmost_of(windows, first.window, second.window) == second.window; }));

    // The frame goes where it is asked to, decorations included. A manager may round
    // the size down to the terminal's whole character cells.
    const QRect frame(200, 150, 500, 300);
    ASSERT_TRUE(windows.move_resize(second.window, frame));
    auto placed = [&] {
        const QRect got = windows.geometry(second.window);
        return got.topLeft() == frame.topLeft() && got.width() <= frame.width() && got.width() > frame.width() - 20 &&
               got.height() <= frame.height() && got.height() > frame.height() - 30;
    };
    const QRect got = windows.geometry(second.window);
    EXPECT_TRUE(eventually(placed)) << got.x() << "," << got.y() << " " << got.width() << "x" << got.height();
    if (!with_window_manager) {
        EXPECT_EQ(windows.geometry(second.window), frame);
    }

    // Topmost: under a manager the window carries the state; without one it is raised.
    ASSERT_TRUE(windows.set_topmost(first.window, true));
    if (with_window_manager) {
        EXPECT_TRUE(eventually([&] { return has_state_above(session, first.window); }));
        ASSERT_TRUE(windows.set_topmost(first.window, false));
        EXPECT_TRUE(eventually([&] { return !has_state_above(session, first.window); }));
    } else {
        EXPECT_TRUE(eventually([&] { return topmost_of(windows, first.window, second.window) == first.window; }));
    }

    // Closing asks politely: the terminal ends, the other one stays.
    ASSERT_TRUE(windows.close(first.window));
    EXPECT_TRUE(session.wait_for_exit(first.pid, 10000));
    EXPECT_TRUE(eventually([&] {
        const auto now = windows.top_level_windows();
        return std::find(now.begin(), now.end(), first.window) == now.end();
    }));
    EXPECT_EQ(windows.title(first.window), QString());
    EXPECT_FALSE(windows.activate(first.window));
    EXPECT_TRUE(windows.geometry(first.window).isEmpty());
    EXPECT_FALSE(windows.close(first.window));
    EXPECT_EQ(windows.process_id(first.window), 0);
    EXPECT_EQ(windows.title(second.window), QString::fromUtf8("Segon · àç"));
}

TEST(X11WindowSystem, ListsActivatesMovesRaisesAndClosesTerminalsWithAndWithoutAWindowManager)
{
    for (const bool with_window_manager : {false, true}) {
        SCOPED_TRACE(with_window_manager ? "window manager" : "bare display");
        exercise_windows(with_window_manager);
    }
}

TEST(X11MouseDevice, MovesAndButtonEventsPutThePointerWhereTheySay)
{
    XSession session;
    ASSERT_TRUE(session.start(false));
    X11MouseDevice mouse(session.display());
    mouse.move_to(QPoint(123, 45));
    EXPECT_EQ(mouse.position(), QPoint(123, 45));
    mouse.press(MouseButton::Left, QPoint(300, 200));
    EXPECT_EQ(mouse.position(), QPoint(300, 200));
    Display* d = session.display().get();
    auto buttons = [&] {
        Window root = None, child = None;
        int rx = 0, ry = 0, x = 0, y = 0;
        unsigned int mask = 0;
        XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rx, &ry, &x, &y, &mask);
        return mask & (Button1Mask | Button3Mask);
    };
    EXPECT_EQ(buttons(), static_cast<unsigned>(Button1Mask));
    mouse.release(MouseButton::Left, QPoint(310, 210));
    EXPECT_EQ(mouse.position(), QPoint(310, 210));
    EXPECT_EQ(buttons(), 0u);
    mouse.press(MouseButton::Right, QPoint(0, 0));
    EXPECT_EQ(buttons(), static_cast<unsigned>(Button3Mask));
    mouse.release(MouseButton::Right, QPoint(0, 0));
    EXPECT_EQ(buttons(), 0u);
    // Off the screen the pointer stops at the edge.
    mouse.move_to(QPoint(5000, 5000));
    EXPECT_EQ(mouse.position(), QPoint(1023, 767));
}

TEST(X11WindowSystem, WithoutADisplayNothingIsFoundAndNothingCrashes)
{
    X11Display nowhere(QByteArrayLiteral(":999999"));
    X11WindowSystem windows(nowhere);
    X11MouseDevice mouse(nowhere);
    EXPECT_TRUE(windows.top_level_windows().empty());
    EXPECT_EQ(windows.focused_window(), 0);
    EXPECT_FALSE(windows.activate(42));
    EXPECT_EQ(windows.title(42), QString());
    mouse.move_to(QPoint(1, 1));
    EXPECT_EQ(mouse.position(), QPoint());
}

}  // namespace
}  // namespace orvel
