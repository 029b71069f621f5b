#include "platform/x11/x11_window_system.h"

#include "platform/x11/x11_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace orvel {

namespace {

using Clock = std::chrono::steady_clock;

// How long activate() waits for the focus to arrive, and how often it looks.
constexpr auto focus_wait = std::chrono::milliseconds(500);
constexpr auto focus_poll = std::chrono::milliseconds(5);

Atom atom(Display* d, const char* name)
{
    return XInternAtom(d, name, False);
}

// A window property as an array of 32-bit items (Xlib hands them back as longs).
std::vector<unsigned long> long_property(Display* d, Window w, Atom property, Atom type)
{
    Atom actual_type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(d, w, property, 0, 1 << 16, False, type, &actual_type, &format, &count, &remaining,
                           &data) == Success &&
        data) {
        if (format == 32 && actual_type == type) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values.assign(items, items + count);
        }
        XFree(data);
    }
    return values;
}

QByteArray byte_property(Display* d, Window w, Atom property, Atom* type_out)
{
    Atom actual_type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    QByteArray bytes;
    if (XGetWindowProperty(d, w, property, 0, 1 << 16, False, AnyPropertyType, &actual_type, &format, &count,
                           &remaining, &data) == Success &&
        data) {
        if (format == 8)
            bytes = QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(count));
        XFree(data);
    }
    if (type_out)
        *type_out = actual_type;
    return bytes;
}

bool window_exists(Display* d, Window w, XWindowAttributes* attributes)
{
    return w != None && XGetWindowAttributes(d, w, attributes) != 0;
}

// The window as an X11 window with its attributes, when the display is there and
// the window still exists.
bool existing_window(X11Display& display, WindowId window, Window* w, XWindowAttributes* attributes)
{
    if (!display.ok() || window <= 0)
        return false;
    *w = static_cast<Window>(window);
    return window_exists(display.get(), *w, attributes);
}

void send_root_message(Display* d, Window w, Atom type, long l0, long l1 = 0, long l2 = 0, long l3 = 0,
                       long l4 = 0)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = l0;
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

// The EWMH window manager, if one runs and says so; None on a bare display.
Window ewmh_manager(Display* d)
{
    const Window root = DefaultRootWindow(d);
    const Atom check = atom(d, "_NET_SUPPORTING_WM_CHECK");
    const auto on_root = long_property(d, root, check, XA_WINDOW);
    if (on_root.empty())
        return None;
    const auto on_child = long_property(d, on_root[0], check, XA_WINDOW);
    if (on_child.empty() || on_child[0] != on_root[0])
        return None;  // left over from a manager that has gone
    return on_root[0];
}

bool manager_supports(Display* d, const char* name)
{
    if (ewmh_manager(d) == None)
        return false;
    const auto supported = long_property(d, DefaultRootWindow(d), atom(d, "_NET_SUPPORTED"), XA_ATOM);
    const Atom wanted = atom(d, name);
    return std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

bool has_wm_state(Display* d, Window w)
{
    const Atom wm_state = atom(d, "WM_STATE");
    return !long_property(d, w, wm_state, wm_state).empty();
}

long wm_state(Display* d, Window w)
{
    const Atom wm_state_atom = atom(d, "WM_STATE");
    const auto state = long_property(d, w, wm_state_atom, wm_state_atom);
    return state.empty() ? -1 : static_cast<long>(state[0]);
}

// The application window inside a frame of a manager that does not publish a client list.
Window client_below(Display* d, Window frame, int depth)
{
    if (has_wm_state(d, frame))
        return frame;
    if (depth == 0)
        return None;
    Window root_return = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (XQueryTree(d, frame, &root_return, &parent, &children, &count)) {
        for (unsigned int i = count; i-- > 0 && found == None;)
            found = client_below(d, children[i], depth - 1);
        if (children)
            XFree(children);
    }
    return found;
}

// A plain top-level that an application made (on a display without a manager).
bool looks_like_application(Display* d, Window w)
{
    XWindowAttributes attributes;
    if (!window_exists(d, w, &attributes) || attributes.override_redirect || attributes.c_class == InputOnly)
        return false;
    XClassHint hint{};
    if (XGetClassHint(d, w, &hint)) {
        XFree(hint.res_name);
        XFree(hint.res_class);
        return true;
    }
    return !byte_property(d, w, XA_WM_NAME, nullptr).isEmpty();
}

Window top_level_of(Display* d, Window w)
{
    const Window root = DefaultRootWindow(d);
    while (w != None && w != root) {
        Window root_return = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(d, w, &root_return, &parent, &children, &count))
            return None;
        if (children)
            XFree(children);
        if (parent == root)
            return w;
        w = parent;
    }
    return None;
}

}  // namespace

X11WindowSystem::X11WindowSystem(X11Display& display) : m_display(display) {}

std::vector<WindowId> X11WindowSystem::top_level_windows()
{
    std::vector<WindowId> windows;
    if (!m_display.ok())
        return windows;
    Display* d = m_display.get();
    const Window root = DefaultRootWindow(d);
    if (ewmh_manager(d) != None) {
        auto list = long_property(d, root, atom(d, "_NET_CLIENT_LIST_STACKING"), XA_WINDOW);
        if (list.empty())
            list = long_property(d, root, atom(d, "_NET_CLIENT_LIST"), XA_WINDOW);
        if (!list.empty()) {
            windows.assign(list.begin(), list.end());
            return windows;
        }
    }
    Window root_return = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, root, &root_return, &parent, &children, &count))
        return windows;
    for (unsigned int i = 0; i < count; ++i) {  // XQueryTree lists the bottom of the stack first
        Window client = client_below(d, children[i], 2);
        if (client == None && looks_like_application(d, children[i]))
            client = children[i];
        if (client != None)
            windows.push_back(static_cast<WindowId>(client));
    }
    if (children)
        XFree(children);
    return windows;
}

QString X11WindowSystem::title(WindowId window)
{
    if (!m_display.ok() || window <= 0)
        return {};
    Display* d = m_display.get();
    const Window w = static_cast<Window>(window);
    const QByteArray utf8 = byte_property(d, w, atom(d, "_NET_WM_NAME"), nullptr);
    if (!utf8.isEmpty())
        return QString::fromUtf8(utf8);
    Atom type = None;
    const QByteArray name = byte_property(d, w, XA_WM_NAME, &type);
    if (name.isEmpty())
        return {};
    if (type == XA_STRING)
        return QString::fromLatin1(name);
    if (type == atom(d, "UTF8_STRING"))
        return QString::fromUtf8(name);
    // Compound text: let Xlib convert it.
    XTextProperty property{};
    QString text;
    if (XGetWMName(d, w, &property)) {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(d, &property, &list, &count) >= Success && count > 0 && list) {
            text = QString::fromUtf8(list[0]);
            XFreeStringList(list);
        }
        XFree(property.value);
    }
    return text;
}

bool X11WindowSystem::is_visible(WindowId window)
{
    Window w = None;
    XWindowAttributes attributes;
    if (!existing_window(m_display, window, &w, &attributes))
        return false;
    // A minimised window still counts as shown, as the taskbar sees it.
    return attributes.map_state == IsViewable || wm_state(m_display.get(), w) == IconicState;
}

int64_t X11WindowSystem::process_id(WindowId window)
{
    if (!m_display.ok() || window <= 0)
        return 0;
    Display* d = m_display.get();
    const auto pid = long_property(d, static_cast<Window>(window), atom(d, "_NET_WM_PID"), XA_CARDINAL);
    return pid.empty() ? 0 : static_cast<int64_t>(pid[0]);
}

bool X11WindowSystem::activate(WindowId window)
{
    Window w = None;
    XWindowAttributes attributes;
    if (!existing_window(m_display, window, &w, &attributes))
        return false;
    Display* d = m_display.get();

    auto wait_for_focus = [&](std::chrono::milliseconds limit) {
        const auto deadline = Clock::now() + limit;
        while (true) {
            if (focused_window() == window)
                return true;
            if (Clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(focus_poll);
        }
    };

    if (manager_supports(d, "_NET_ACTIVE_WINDOW")) {
        // Source 2: a pager or similar acting for the user, which managers obey.
        send_root_message(d, w, atom(d, "_NET_ACTIVE_WINDOW"), 2, CurrentTime, 0);
        XFlush(d);
        if (wait_for_focus(focus_wait))
            return true;
    }
    if (attributes.map_state != IsViewable) {
        XMapRaised(d, w);
        XSync(d, False);
        // Mapping is asynchronous under a manager: wait until the window can take the focus.
        const auto deadline = Clock::now() + focus_wait;
        while (XGetWindowAttributes(d, w, &attributes) && attributes.map_state != IsViewable &&
               Clock::now() < deadline)
            std::this_thread::sleep_for(focus_poll);
    }
    XRaiseWindow(d, w);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XSync(d, False);
    return wait_for_focus(focus_wait);
}

QRect X11WindowSystem::geometry(WindowId window)
{
    Window w = None;
    XWindowAttributes attributes;
    if (!existing_window(m_display, window, &w, &attributes))
        return {};
    Display* d = m_display.get();
    int x = 0, y = 0;
    Window child = None;
    if (!XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child))
        return {};
    QRect frame(x, y, attributes.width, attributes.height);
    const auto extents = long_property(d, w, atom(d, "_NET_FRAME_EXTENTS"), XA_CARDINAL);
    if (extents.size() == 4) {  // left, right, top, bottom
        frame.adjust(-static_cast<int>(extents[0]), -static_cast<int>(extents[2]), static_cast<int>(extents[1]),
                     static_cast<int>(extents[3]));
    } else {
        const int border = attributes.border_width;  // drawn outside the window's own area
        frame.adjust(-border, -border, border, border);
    }
    return frame;
}

bool X11WindowSystem::move_resize(WindowId window, const QRect& frame)
{
    if (!m_display.ok() || window <= 0 || frame.width() <= 0 || frame.height() <= 0)
        return false;
    Display* d = m_display.get();
    const Window w = static_cast<Window>(window);
    XWindowAttributes attributes;
    if (!window_exists(d, w, &attributes))
        return false;
    int left = 0, right = 0, top = 0, bottom = 0;
    const auto extents = long_property(d, w, atom(d, "_NET_FRAME_EXTENTS"), XA_CARDINAL);
    if (extents.size() == 4) {
        left = static_cast<int>(extents[0]);
        right = static_cast<int>(extents[1]);
        top = static_cast<int>(extents[2]);
        bottom = static_cast<int>(extents[3]);
    } else {
        left = right = top = bottom = attributes.border_width;
    }
    const int width = std::max(1, frame.width() - left - right);
    const int height = std::max(1, frame.height() - top - bottom);
    if (manager_supports(d, "_NET_MOVERESIZE_WINDOW")) {
        // Gravity NorthWest with x, y, width and height given: the frame's corner goes to x, y.
        const long flags = NorthWestGravity | (1 << 8) | (1 << 9) | (1 << 10) | (1 << 11) | (2 << 12);
        send_root_message(d, w, atom(d, "_NET_MOVERESIZE_WINDOW"), flags, frame.x(), frame.y(), width, height);
    } else {
        // The position of a top-level is that of its outer corner (border or frame included).
        XMoveResizeWindow(d, w, frame.x(), frame.y(), static_cast<unsigned>(width), static_cast<unsigned>(height));
    }
    XSync(d, False);
    return true;
}

bool X11WindowSystem::set_topmost(WindowId window, bool topmost)
{
    Window w = None;
    XWindowAttributes attributes;
    if (!existing_window(m_display, window, &w, &attributes))
        return false;
    Display* d = m_display.get();
    if (manager_supports(d, "_NET_WM_STATE_ABOVE")) {
        send_root_message(d, w, atom(d, "_NET_WM_STATE"), topmost ? 1 : 0, atom(d, "_NET_WM_STATE_ABOVE"), 0, 2);
    } else if (topmost) {
        // Without a manager nothing keeps a window above the others: raise it now.
        XRaiseWindow(d, w);
    }
    XSync(d, False);
    return true;
}

bool X11WindowSystem::close(WindowId window)
{
    Window w = None;
    XWindowAttributes attributes;
    if (!existing_window(m_display, window, &w, &attributes))
        return false;
    Display* d = m_display.get();
    if (manager_supports(d, "_NET_CLOSE_WINDOW")) {
        send_root_message(d, w, atom(d, "_NET_CLOSE_WINDOW"), CurrentTime, 2);
        XSync(d, False);
        return true;
    }
    Atom* protocols = nullptr;
    int count = 0;
    bool polite = false;
    const Atom delete_window = atom(d, "WM_DELETE_WINDOW");
    if (XGetWMProtocols(d, w, &protocols, &count)) {
        polite = std::find(protocols, protocols + count, delete_window) != protocols + count;
        XFree(protocols);
    }
    if (polite) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = atom(d, "WM_PROTOCOLS");
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(delete_window);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(d, w, False, NoEventMask, &event);
    } else {
        // A window that cannot be asked to close: what a manager's close button does then.
        XKillClient(d, w);
    }
    XSync(d, False);
    return true;
}

WindowId X11WindowSystem::focused_window()
{
    if (!m_display.ok())
        return 0;
    Display* d = m_display.get();
    Window focus = None;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    if (focus == None || focus == PointerRoot || focus == DefaultRootWindow(d)) {
        const auto active = long_property(d, DefaultRootWindow(d), atom(d, "_NET_ACTIVE_WINDOW"), XA_WINDOW);
        return active.empty() ? 0 : static_cast<WindowId>(active[0]);
    }
    // The focus may sit on a child of the application window, or the manager's frame.
    const auto windows = top_level_windows();
    for (Window w = focus; w != None && w != DefaultRootWindow(d);) {
        if (std::find(windows.begin(), windows.end(), static_cast<WindowId>(w)) != windows.end())
            return static_cast<WindowId>(w);
        Window root_return = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(d, w, &root_return, &parent, &children, &count))
            break;
        if (children)
            XFree(children);
        w = parent;
    }
    const Window top = top_level_of(d, focus);
    if (top == None)
        return 0;
    const Window client = client_below(d, top, 2);
    return static_cast<WindowId>(client != None ? client : top);
}

QSize X11WindowSystem::screen_size()
{
    if (!m_display.ok())
        return {};
    Display* d = m_display.get();
    const int screen = DefaultScreen(d);
    return QSize(DisplayWidth(d, screen), DisplayHeight(d, screen));
}

}  // namespace orvel
