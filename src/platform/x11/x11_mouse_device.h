#pragma once
// The pointer through XTest motion and button events.
#include "platform/mouse_device.h"

namespace orvel {

class X11Display;

class X11MouseDevice : public MouseDevice {
public:
    explicit X11MouseDevice(X11Display& display);
    QPoint position() override;
    void move_to(QPoint p) override;
    void press(MouseButton button, QPoint p) override;
    void release(MouseButton button, QPoint p) override;

private:
    X11Display& m_display;
};

}  // namespace orvel
