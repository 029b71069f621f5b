// Any key text, however malformed or self-running, ends, without a crash and
// without unbounded memory: the executor, the interpreter, value functions,
// conditionals, random choice and the mouse parser over do-nothing back ends.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "exec/exec_context.h"
#include "exec/executor.h"
#include "exec/interpreter.h"
#include "exec/random_source.h"
#include "platform/key_sender.h"
#include "platform/mouse_device.h"
#include "platform/window_system.h"

namespace {

using namespace orvel;

class NullKeys : public KeySender {
public:
    int send_keys(const QString& notation) override { return notation.size() % 7 == 3 ? 1 : 0; }
    bool wait_until_processed() override { return true; }
};

class NullMouse : public MouseDevice {
public:
    QPoint position() override { return at; }
    void move_to(QPoint p) override { at = p; }
    void press(MouseButton, QPoint p) override { at = p; }
    void release(MouseButton, QPoint p) override { at = p; }
    QPoint at;
};

class TwoWindows : public WindowSystem {
public:
    std::vector<WindowId> top_level_windows() override { return {1, 2}; }
    QString title(WindowId w) override { return w == 1 || w == 2 ? QStringLiteral("w") : QString(); }
    bool is_visible(WindowId) override { return true; }
    int64_t process_id(WindowId) override { return 0; }
    bool activate(WindowId w) override { return w == 1; }
    QRect geometry(WindowId) override { return QRect(10, 10, 100, 100); }
    bool move_resize(WindowId, const QRect&) override { return true; }
    bool set_topmost(WindowId, bool) override { return true; }
    bool close(WindowId) override { return true; }
    WindowId focused_window() override { return 1; }
    QSize screen_size() override { return QSize(800, 600); }
};

class FixedRandom : public RandomSource {
public:
    double next() override { return 0.5; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first byte chooses the register's start, the rest is the key text.
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));

    OrvelState state;
    NullKeys keys;
    NullMouse mouse;
    TwoWindows windows;
    FixedRandom random;
    RunModeHooks hooks;
    Services services;
    services.keys = &keys;
    services.mouse = &mouse;
    services.windows = &windows;
    ExecContext ctx{state, services, hooks, nullptr, &random};
    push_target(state, 2);
    push_target(state, 1);
    state.memory = data[0] & 1 ? text : QString();
    state.profile.modus = data[0] & 2 ? 1 : 0;

    QString consumed = text;
    execute_key_text(ctx, consumed);
    (void)printable_text(text);
    (void)valor_f(ctx, text);
    (void)choose_random(ctx, text);
    if (state.key_text_depth != 0 || state.memory.size() > kMaxCommandText + text.size())
        __builtin_trap();
    return 0;
}
