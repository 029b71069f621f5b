#pragma once
// One Xlib connection for the X11 back ends (keys, windows, mouse).
#include <QByteArray>

typedef struct _XDisplay Display;

namespace orvel {

class X11Display {
public:
    // Opens the display named by $DISPLAY, or the given name (":5") when not empty.
    explicit X11Display(const QByteArray& name = QByteArray());
    ~X11Display();
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    bool ok() const { return m_display != nullptr; }
    Display* get() { return m_display; }
    // True when the XTest extension is there (key and pointer injection need it).
    bool has_xtest() const { return m_has_xtest; }

private:
    Display* m_display = nullptr;
    bool m_has_xtest = false;
};

}  // namespace orvel
