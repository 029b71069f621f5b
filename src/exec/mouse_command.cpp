#include "exec/mouse_command.h"

#include <QRect>
#include <QStringList>
#include <cmath>

#include "exec/interpreter.h"
#include "platform/clock.h"
#include "platform/mouse_device.h"
#include "platform/window_system.h"

namespace orvel {

namespace {

constexpr int kDefaultStep = 5;   // A, R, E, D without a usable count
constexpr int kClickPauseMs = 10;  // between the press and release of CD

// A count or coordinate: the number at the start of the token, rounded half to even.
int token_number(const QString& token)
{
    const double v = std::nearbyint(numeric_value(token));
    if (v > 1e9)
        return 1000000000;
    if (v < -1e9)
        return -1000000000;
    return static_cast<int>(v);
}

// The target window's top-left corner; the screen's when there is no target
// or its frame cannot be read.
QPoint target_origin(ExecContext& ctx)
{
    if (!ctx.services.windows || ctx.state.target_window == 0)
        return QPoint(0, 0);
    const QRect frame = ctx.services.windows->geometry(ctx.state.target_window);
    return frame.isEmpty() ? QPoint(0, 0) : frame.topLeft();
}

void click(MouseDevice& mouse, MouseButton button, QPoint p)
{
    mouse.press(button, p);
    mouse.release(button, p);
}

void drag(MouseDevice& mouse, MouseButton button, QPoint to)
{
    mouse.press(button, mouse.position());
    mouse.move_to(to);
    mouse.release(button, to);
}

}  // namespace

void mouse_command(ExecContext& ctx, const QString& operations)
{
    MouseDevice* mouse = ctx.services.mouse;
    if (!mouse)
        return;
    const QStringList tokens = operations.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    qsizetype next = 0;
    const auto take = [&tokens, &next]() { return next < tokens.size() ? tokens.at(next++) : QString(); };

    QPoint working = mouse->position();
    while (next < tokens.size()) {
        QString op = take();
        if (op == QLatin1String("A") || op == QLatin1String("R") || op == QLatin1String("E")
            || op == QLatin1String("D")) {
            int n = token_number(take());
            if (n == 0)
                n = kDefaultStep;
            if (op == QLatin1String("A"))
                working.ry() -= n;
            else if (op == QLatin1String("R"))
                working.ry() += n;
            else if (op == QLatin1String("E"))
                working.rx() -= n;
            else
                working.rx() += n;
            op = QStringLiteral("M");
        } else if (op == QLatin1String("M") || op == QLatin1String("PD") || op == QLatin1String("PE")) {
            const QPoint origin = target_origin(ctx);
            const int x = token_number(take());
            const int y = token_number(take());
            working = origin + QPoint(x, y);
        } else if (op == QLatin1String("PD+") || op == QLatin1String("PE+")) {
            const QPoint real = mouse->position();
            const int dx = token_number(take());
            const int dy = token_number(take());
            working = real + QPoint(dx, dy);
            op.chop(1);
        }
        mouse_action(ctx, working, op);
    }
}

void mouse_action(ExecContext& ctx, QPoint p, const QString& operation)
{
    MouseDevice* mouse = ctx.services.mouse;
    if (!mouse)
        return;
    if (operation == QLatin1String("M")) {
        mouse->move_to(p);
    } else if (operation == QLatin1String("CD")) {
        mouse->press(MouseButton::Left, p);
        if (ctx.services.clock)
            ctx.services.clock->sleep_ms(kClickPauseMs);
        mouse->release(MouseButton::Left, p);
    } else if (operation == QLatin1String("CE")) {
        click(*mouse, MouseButton::Right, p);
    } else if (operation == QLatin1String("2CD")) {
        click(*mouse, MouseButton::Left, p);
        click(*mouse, MouseButton::Left, p);
    } else if (operation == QLatin1String("2CE")) {
        click(*mouse, MouseButton::Right, p);
        click(*mouse, MouseButton::Right, p);
    } else if (operation == QLatin1String("PD")) {
        drag(*mouse, MouseButton::Left, p);
    } else if (operation == QLatin1String("PE")) {
        drag(*mouse, MouseButton::Right, p);
    } else if (operation == QLatin1String("AD")) {
        mouse->release(MouseButton::Left, p);
    } else if (operation == QLatin1String("AE")) {
        mouse->release(MouseButton::Right, p);
    }
}

}  // namespace orvel
