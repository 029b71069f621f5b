#pragma once
// A complete ExecContext over recording fakes, all sharing one event log, for
// tests of the executor and of the commands it dispatches to.
#include <deque>

#include "event_log.h"
#include "exec/exec_context.h"
#include "exec/random_source.h"
#include "fake_clipboard.h"
#include "fake_clock.h"
#include "fake_keys.h"
#include "fake_launcher.h"
#include "fake_mouse.h"
#include "fake_windows.h"
#include "recording_messages.h"
#include "recording_outside_commands.h"

namespace orvel::testing {

// Random numbers given by the test, in order; 0 once they run out.
class ScriptedRandom : public RandomSource {
public:
    double next() override
    {
        if (values.empty())
            return 0;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<double> values;
};

// Run-mode hooks that log what the executor asked of the board.
class RecordingHooks : public RunModeHooks {
public:
    void place_target_window(int64_t window) override { log_event(log, QStringLiteral("place:%1").arg(window)); }
    void set_busy_pointer(bool busy) override { log_event(log, busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
    void give_focus_to_board() override { log_event(log, QStringLiteral("focus-board")); }
    void pause_focus_keeper(bool paused) override
    {
        log_event(log, paused ? QStringLiteral("keeper-off") : QStringLiteral("keeper-on"));
    }
    void leave_run_mode_and_quit() override
    {
        ++quits;
        log_event(log, QStringLiteral("quit"));
    }
    int quits = 0;
    EventLog* log = nullptr;
};

struct ExecHarness {
    ExecHarness()
    {
        for (EventLog** shared :
             {&keys.log, &windows.log, &mouse.log, &launcher.log, &clipboard.log, &outside.log, &hooks.log})
            *shared = &log;
        services.messages = &messages;
        services.clock = &clock;
        services.keys = &keys;
        services.windows = &windows;
        services.mouse = &mouse;
        services.processes = &launcher;
        services.clipboard = &clipboard;
    }

    // Adds a window and makes it the target, as a started program would.
    void target(WindowId id, const QString& title)
    {
        windows.add(id, title);
        state.target_window = id;
        state.target_stack.prepend(QString::number(id, 16).toUpper() + QLatin1Char(' '));
    }

    // Only the log entries that start with one of the prefixes.
    QStringList events(const QStringList& prefixes) const
    {
        QStringList result;
        for (const QString& e : log.entries)
            for (const QString& p : prefixes)
                if (e.startsWith(p)) {
                    result << e;
                    break;
                }
        return result;
    }

    EventLog log;
    OrvelState state;
    RecordingMessages messages;
    FakeClock clock;
    FakeKeySender keys;
    FakeWindowSystem windows;
    FakeMouse mouse;
    FakeLauncher launcher;
    FakeClipboard clipboard;
    RecordingOutsideCommands outside;
    RecordingHooks hooks;
    ScriptedRandom random;
    Services services;
    ExecContext ctx{state, services, hooks, &outside, &random};
};

}  // namespace orvel::testing
