#pragma once
// A board window and timers that record what run mode asks of them, and a
// small board builder.
#include <QApplication>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

#include "model/orvel_state.h"
#include "support/fake_clock.h"
#include "runtime/board_view.h"
#include "runtime/run_controller.h"

namespace orvel::testing {

class RecordingBoard : public BoardView {
public:
    void show_frame(const QRect& r) override
    {
        frame = r;
        frame_visible = true;
        log << QStringLiteral("frame %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    void hide_frame() override
    {
        frame_visible = false;
        log << QStringLiteral("hide");
    }
    void set_frame_style(int width, double color) override
    {
        frame_width = width;
        frame_color = color;
        log << QStringLiteral("style %1 %2").arg(width).arg(color);
    }
    void set_frame_contrast(bool on) override { contrast = on; }
    void set_frame_progress(double fraction) override { progress = fraction; }
    void focus_board() override { ++focus_requests; }
    void set_pointer(PointerShape shape) override
    {
        pointer = shape;
        pointers.push_back(shape);
    }
    void beep() override { log << QStringLiteral("beep"); }

    QStringList log;
    QRect frame;
    bool frame_visible = false;
    int frame_width = 0;
    double frame_color = -1;
    bool contrast = false;
    double progress = 0;
    int focus_requests = 0;
    PointerShape pointer = PointerShape::Default;
    std::vector<PointerShape> pointers;
};

class RecordingTimers : public RunTimers {
public:
    void set_execution_interval(int ms) override { execution_interval = ms; }
    void set_focus_keeper_running(bool running) override { focus_keeper = running; }
    void set_step_interval(int ms) override { step_interval = ms; }
    void set_step_running(bool running) override
    {
        step = running;
        if (log)
            *log << (running ? QStringLiteral("step on") : QStringLiteral("step off"));
    }
    bool step_running() const override { return step; }
    void set_fine_tick_running(bool running) override { fine_tick = running; }

    int execution_interval = 0;
    bool focus_keeper = false;
    int step_interval = 0;
    bool step = false;
    bool fine_tick = false;
    QStringList* log = nullptr;
};

inline Area rect_area(int xi, int yi, int xf, int yf, int parent = 1)
{
    Area a;
    a.Xi = static_cast<int16_t>(xi);
    a.Yi = static_cast<int16_t>(yi);
    a.Xf = static_cast<int16_t>(xf);
    a.Yf = static_cast<int16_t>(yf);
    a.parent = static_cast<int16_t>(parent);
    return a;
}

inline Area with_keys(Area a, const QString& keys)
{
    a.keys = keys;
    return a;
}

inline void ensure_application()
{
    static int argc = 1;
    static char name[] = "test_runtime";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

inline Area root_area(int xi = 0, int yi = 0, int xf = 640, int yf = 445)
{
    return rect_area(xi, yi, xf, yf, 0);
}

// Run mode over a recording board; executing an area records its number and,
// like the executor, makes a group the new scan level.
struct RunFixture {
    OrvelState state;
    RecordingBoard board;
    RecordingTimers timers;
    std::vector<int> executed;
    QStringList announced;
    bool reading = false;  // a reading is being heard
    FakeClock clock;
    RunController run{state, board, timers, RunActions{
        [this](int area) {
            executed.push_back(area);
            board.log << QStringLiteral("execute %1").arg(area);
            if (area >= 1 && area <= state.tmpl.area_count && state.tmpl.area(area).is_group)
                state.scan_level = static_cast<int16_t>(area);
        },
        [this](const QString& text) { announced << text; },
        [](const QString& keys) { return keys; },
        {},
        [this] { return reading; },
        &clock,
    }};

    RunFixture()
    {
        timers.log = &board.log;
        run.set_board_shown(true);
    }
    void add(std::initializer_list<Area> areas)
    {
        for (const Area& a : areas)
            add_area(state.tmpl, a);
    }
    void use(int modus, int accio1 = 0, int accio2 = 0)
    {
        state.profile.modus = static_cast<int16_t>(modus);
        state.profile.accio1 = static_cast<int16_t>(accio1);
        state.profile.accio2 = static_cast<int16_t>(accio2);
    }
    // The areas highlighted by `count` scanning steps.
    std::vector<int> steps(int count)
    {
        std::vector<int> seen;
        for (int i = 0; i < count; ++i) {
            run.Timer3_Timer();
            seen.push_back(highlighted());
        }
        return seen;
    }
    // Time passes in steps of the fine tick, which runs while it is asked to.
    void wait_ms(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            clock.now += 10;
            if (timers.fine_tick)
                run.Timer4_Timer();
        }
    }
    // A key switch held for `ms` (scan code `id`, typing `c`).
    void hold_key(int ms, QChar c = QChar(' '), int id = 65)
    {
        run.Tauvirt_SwitchDown(id, false);
        run.Tauvirt_KeyPress(c);
        wait_ms(ms);
        run.Tauvirt_SwitchUp(id);
    }
    // The area the scanning highlight shows now.
    int highlighted() const { return state.cursor + 1; }
};

}  // namespace orvel::testing
