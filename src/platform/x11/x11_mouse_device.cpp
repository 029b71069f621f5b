#include "platform/x11/x11_mouse_device.h"

#include "platform/x11/x11_display.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace orvel {

namespace {

unsigned int x_button(MouseButton button)
{
    return button == MouseButton::Left ? Button1 : Button3;
}

}  // namespace

X11MouseDevice::X11MouseDevice(X11Display& display) : m_display(display) {}

QPoint X11MouseDevice::position()
{
    if (!m_display.ok())
        return {};
    Display* d = m_display.get();
    Window root = None, child = None;
    int root_x = 0, root_y = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(d, DefaultRootWindow(d), &root, &child, &root_x, &root_y, &x, &y, &mask))
        return {};
    return QPoint(root_x, root_y);
}

void X11MouseDevice::move_to(QPoint p)
{
    if (!m_display.ok() || !m_display.has_xtest())
        return;
    Display* d = m_display.get();
    XTestFakeMotionEvent(d, DefaultScreen(d), p.x(), p.y(), CurrentTime);
    XSync(d, False);
}

void X11MouseDevice::press(MouseButton button, QPoint p)
{
    if (!m_display.ok() || !m_display.has_xtest())
        return;
    Display* d = m_display.get();
    XTestFakeMotionEvent(d, DefaultScreen(d), p.x(), p.y(), CurrentTime);
    XTestFakeButtonEvent(d, x_button(button), True, CurrentTime);
    XSync(d, False);
}

void X11MouseDevice::release(MouseButton button, QPoint p)
{
    if (!m_display.ok() || !m_display.has_xtest())
        return;
    Display* d = m_display.get();
    XTestFakeMotionEvent(d, DefaultScreen(d), p.x(), p.y(), CurrentTime);
    XTestFakeButtonEvent(d, x_button(button), False, CurrentTime);
    XSync(d, False);
}

}  // namespace orvel
