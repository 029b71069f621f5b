// From a joystick movement to the highlight moving on a real board window:
// a virtual SDL joystick is pushed right or left at a random moment of the
// polling period (100 ms, the shortest a profile can ask for), and the time
// until the frame stands on the neighbouring area and the window has repainted
// is taken, 200 times. The bound to compare with is one polling period plus
// 10 ms. Runs on the platform Qt is given (offscreen without a display).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <vector>

#include "../tests/support/virtual_joystick.h"
#include "lib/board_window_app.h"
#include "model/template.h"
#include "model/template_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/sdl/sdl_joystick.h"
#include "platform/services.h"
#include "ui/board_widgets.h"
#include "ui/main_window.h"

namespace {

using namespace orvel;

constexpr int kPollTenths = 1;
constexpr int kTrials = 200;

QString write_board(const QTemporaryDir& dir)
{
    Template t;
    Area root;
    root.Xf = 640;
    root.Yf = 440;
    add_area(t, root);
    for (int col = 0; col < 2; ++col) {
        Area a;
        a.Xi = int16_t(10 + col * 320);
        a.Yi = 10;
        a.Xf = int16_t(a.Xi + 300);
        a.Yf = 430;
        a.parent = 1;
        add_area(t, a);
    }
    const QString path = dir.filePath(QStringLiteral("DOS.ORV"));
    write_template(t, path);
    return path;
}

QString write_profile(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("JOYSTICK.USR"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("[Orvel]\r\nInterval= 100\r\nmodus= 4\r\nn_joystic= 1\r\njoystic_sensi= 1\r\n"
                           "joystic_retard= %1\r\n")
                .arg(kPollTenths)
                .toLatin1());
    return path;
}

void BM_JoystickToHighlight(benchmark::State& state)
{
    const bench::BoardWindowApp app("bench_joystick_poll");
    const QTemporaryDir& dir = app.dir();

    SdlJoystick joysticks;
    testing::VirtualJoystick stick;
    StderrMessageBoxes messages;
    SteadyClock clock;
    Services services;
    services.messages = &messages;
    services.clock = &clock;
    services.joystick = &joysticks;
    MainWindow window(services);
    window.Form_Load({write_board(dir), write_profile(dir)});
    QApplication::processEvents();

    std::mt19937 random(7);
    std::uniform_int_distribution<int> phase(0, kPollTenths * 100);
    std::vector<double> latencies;
    for (auto _ : state) {
        latencies.clear();
        for (int i = 0; i < kTrials; ++i) {
            // Rest for a random part of a period, then push towards the other area.
            QElapsedTimer rest;
            rest.start();
            const int wait = phase(random);
            while (rest.elapsed() < wait)
                QApplication::processEvents(QEventLoop::AllEvents, 1);
            const QRect before = window.marc().rect();
            const bool go_right = before.x() < 300;
            QElapsedTimer moved;
            moved.start();
            stick.set(go_right ? 32767 : -32768, 0);
            while (window.marc().rect() == before && moved.elapsed() < 2000)
                QApplication::processEvents(QEventLoop::AllEvents, 1);
            QApplication::processEvents();
            QApplication::sync();
            latencies.push_back(moved.nsecsElapsed() / 1e6);
            stick.set(0, 0);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["p95_ms"] = latencies[latencies.size() * 95 / 100];
    state.counters["worst_ms"] = latencies.back();
    state.counters["bound_ms"] = kPollTenths * 100 + 10;
}
BENCHMARK(BM_JoystickToHighlight)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
