#pragma once
// A pointer that records its events and moves as they say.
#include <QPoint>
#include <QString>
#include <QStringList>

#include "event_log.h"
#include "platform/mouse_device.h"

namespace orvel::testing {

class FakeMouse : public MouseDevice {
public:
    QPoint position() override { return pointer; }
    void move_to(QPoint p) override
    {
        pointer = p;
        record(QStringLiteral("move %1 %2").arg(p.x()).arg(p.y()));
    }
    void press(MouseButton button, QPoint p) override
    {
        pointer = p;
        record(QStringLiteral("press %1 %2 %3").arg(name(button)).arg(p.x()).arg(p.y()));
    }
    void release(MouseButton button, QPoint p) override
    {
        pointer = p;
        record(QStringLiteral("release %1 %2 %3").arg(name(button)).arg(p.x()).arg(p.y()));
    }

    QPoint pointer;
    QStringList events;  // "move X Y", "press left X Y", "release right X Y"
    EventLog* log = nullptr;

private:
    static QString name(MouseButton b) { return b == MouseButton::Left ? QStringLiteral("left") : QStringLiteral("right"); }
    void record(const QString& e)
    {
        events << e;
        log_event(log, QStringLiteral("mouse:%1").arg(e));
    }
};

}  // namespace orvel::testing
