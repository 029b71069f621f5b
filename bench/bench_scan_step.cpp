// One automatic-scanning step on a real board window: the frame moves to the
// next area and the window repaints what changed. Each step is timed alone;
// the median and the worst of 1000 steps are reported as counters. Runs on the
// platform Qt is given (bench/run_mode.sh runs it on Xvfb; offscreen otherwise).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "lib/board_window_app.h"
#include "model/template.h"
#include "model/template_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/services.h"
#include "ui/main_window.h"
#include "runtime/run_controller.h"

namespace {

using namespace orvel;

// A 6 x 4 grid of areas over a cover picture that fills the screen's width.
QString write_board(const QTemporaryDir& dir)
{
    Template t;
    Area root;
    root.Xf = 640;
    root.Yf = 440;
    add_area(t, root);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) {
            Area a;
            a.Xi = int16_t(10 + col * 105);
            a.Yi = int16_t(10 + row * 107);
            a.Xf = int16_t(a.Xi + 95);
            a.Yf = int16_t(a.Yi + 97);
            a.parent = 1;
            add_area(t, a);
        }
    QImage cover(640, 440, QImage::Format_RGB32);
    for (int y = 0; y < cover.height(); ++y)
        for (int x = 0; x < cover.width(); ++x)
            cover.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    cover.save(dir.filePath(QStringLiteral("GRAELLA.bmp")));
    t.cover_file = QStringLiteral("GRAELLA.bmp");
    const QString path = dir.filePath(QStringLiteral("GRAELLA.ORV"));
    write_template(t, path);
    return path;
}

void BM_ScanStep(benchmark::State& state)
{
    const bench::BoardWindowApp app("bench_scan_step");
    const QTemporaryDir& dir = app.dir();
    const QString board = write_board(dir);

    StderrMessageBoxes messages;
    SteadyClock clock;
    Services services;
    services.messages = &messages;
    services.clock = &clock;
    MainWindow window(services);
    window.Form_Load({board});
    window.Timer3().stop();  // steps are driven here, not by the timer
    QApplication::processEvents();

    std::vector<double> steps;
    for (auto _ : state) {
        steps.clear();
        steps.reserve(1000);
        for (int i = 0; i < 1000; ++i) {
            QElapsedTimer timer;
            timer.start();
            window.run().scan_step();
            // The repaint happens in the event loop, as after a real tick.
            QApplication::processEvents();
            QApplication::sync();
            steps.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    std::sort(steps.begin(), steps.end());
    state.counters["median_ms"] = steps[steps.size() / 2];
    state.counters["worst_ms"] = steps.back();
    state.counters["steps"] = double(steps.size());
}
BENCHMARK(BM_ScanStep)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
