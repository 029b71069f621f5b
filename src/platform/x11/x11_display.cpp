#include "platform/x11/x11_display.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace orvel {

namespace {

// Xlib's default handler ends the process on any protocol error; windows that
// vanish between two calls are normal here, so errors are ignored and each call
// checks its own result instead. The handler is process-wide by Xlib's design.
int ignore_x_error(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

X11Display::X11Display(const QByteArray& name)
{
    XSetErrorHandler(ignore_x_error);
    m_display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!m_display)
        return;
    int event_base = 0, error_base = 0, major = 0, minor = 0;
    m_has_xtest = XTestQueryExtension(m_display, &event_base, &error_base, &major, &minor);
    // Our own injected events must not be held back by a grab of our own connection.
    if (m_has_xtest)
        XTestGrabControl(m_display, True);
}

X11Display::~X11Display()
{
    if (m_display)
        XCloseDisplay(m_display);
}

}  // namespace orvel
