#pragma once
// The pointer: absolute motion and button events at screen pixels.
#include <QPoint>

namespace orvel {

enum class MouseButton { Left, Right };

class MouseDevice {
public:
    virtual ~MouseDevice() = default;
    virtual QPoint position() = 0;
    virtual void move_to(QPoint p) = 0;
    // Button events carry the position: the pointer moves there first.
    virtual void press(MouseButton button, QPoint p) = 0;
    virtual void release(MouseButton button, QPoint p) = 0;
};

}  // namespace orvel
