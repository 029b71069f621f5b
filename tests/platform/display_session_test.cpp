#include "platform/display_session.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(DisplaySession, FromTheSessionVariables)
{
    struct Case {
        const char* display;
        const char* wayland_display;
        const char* session_type;
        DisplaySession expected;
    };
    const Case cases[] = {
        {":0", "", "x11", DisplaySession::X11},
        {":0", "", "", DisplaySession::X11},
        {":0", "wayland-0", "wayland", DisplaySession::XWayland},
        // A Wayland session whose compositor socket variable was lost on the way.
        {":1", "", "Wayland", DisplaySession::XWayland},
        {"", "wayland-0", "wayland", DisplaySession::WaylandOnly},
        {"", "", "wayland", DisplaySession::WaylandOnly},
        {"", "", "tty", DisplaySession::None},
        {"", "", "", DisplaySession::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(display_session(QString::fromLatin1(c.display), QString::fromLatin1(c.wayland_display),
                                  QString::fromLatin1(c.session_type)),
                  c.expected)
            << c.display << " / " << c.wayland_display << " / " << c.session_type;
    }
    // Only a full X11 session goes without a word.
    EXPECT_TRUE(display_session_notice(DisplaySession::X11).isEmpty());
    EXPECT_NE(display_session_notice(DisplaySession::XWayland), display_session_notice(DisplaySession::WaylandOnly));
}

}  // namespace
}  // namespace orvel
