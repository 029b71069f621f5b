// The board editor with 1000 areas over a cover: a full canvas repaint (the
// outlines drawn afresh) and a repaint with the outlines already drawn, one
// frame of dragging the rubber band, and subdividing an area 10 x 10 with its
// undo snapshot, then undoing it. Each frame or step is timed alone; medians and
// worsts are reported as counters. Runs on the platform Qt is given (offscreen
// without DISPLAY).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "editor/geometry_tools.h"
#include "model/board_file_commands.h"
#include "model/orvel_state.h"
#include "platform/message_boxes.h"
#include "ui/area_canvas.h"
#include "ui/editor_face.h"

namespace {

using namespace orvel;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench_editor";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A root over the whole canvas and 999 areas of 20 x 14 in rows, each with a key text.
void fill_board(Template& t)
{
    Area root;
    root.Xf = 640;
    root.Yf = 445;
    root.is_group = -1;
    add_area(t, root);
    for (int i = 0; i < 999; ++i) {
        Area a;
        a.Xi = int16_t((i % 32) * 20);
        a.Yi = int16_t((i / 32) * 14);
        a.Xf = int16_t(a.Xi + 20);
        a.Yf = int16_t(a.Yi + 14);
        a.parent = 1;
        a.keys = QStringLiteral("k%1").arg(i);
        add_area(t, a);
    }
}

QImage cover()
{
    QImage image(640, 445, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return image;
}

struct Editor {
    QTemporaryDir dir;
    OrvelState state;
    StderrMessageBoxes messages;
    std::unique_ptr<EditorFace> face;

    Editor()
    {
        application();
        state.folders.state = dir.filePath(QStringLiteral("state"));
        state.folders.program = dir.path();
        state.tmpl.directory = dir.path();
        fill_board(state.tmpl);
        face = std::make_unique<EditorFace>(state, messages);
        face->show();
        face->show_board(cover(), false);
        face->show_area(500);
        QApplication::processEvents();
    }
};

void report(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["samples"] = double(ms.size());
}

double timed(const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

void BM_CanvasRepaintAfterAChange(benchmark::State& state)
{
    Editor e;
    std::vector<double> ms;
    for (auto _ : state)
        for (int i = 0; i < 200; ++i)
            ms.push_back(timed([&] {
                e.face->canvas()->board_changed();
                e.face->canvas()->repaint();
            }));
    report(state, ms);
}
BENCHMARK(BM_CanvasRepaintAfterAChange)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CanvasRepaintExposed(benchmark::State& state)
{
    Editor e;
    std::vector<double> ms;
    for (auto _ : state)
        for (int i = 0; i < 200; ++i)
            ms.push_back(timed([&] { e.face->canvas()->repaint(); }));
    report(state, ms);
}
BENCHMARK(BM_CanvasRepaintExposed)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_RubberBandDragFrame(benchmark::State& state)
{
    Editor e;
    e.face->show_area(1);
    e.face->AfegirArea_Click();  // drawing mode, inside the root
    e.face->TSArea_MouseDown(Qt::LeftButton, Qt::NoModifier, 20, 20);
    std::vector<double> ms;
    for (auto _ : state)
        for (int i = 0; i < 400; ++i)
            ms.push_back(timed([&] {
                e.face->TSArea_MouseMove(30 + i % 580, 30 + (i * 7) % 400);
                QApplication::processEvents();  // the repaint, as the event loop does it
            }));
    report(state, ms);
}
BENCHMARK(BM_RubberBandDragFrame)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Subdivide10x10AndUndo(benchmark::State& state)
{
    Editor e;
    std::vector<double> subdivide, undo;
    for (auto _ : state)
        for (int i = 0; i < 20; ++i) {
            e.face->show_area(700);  // a cell without sub-areas
            // What "D'Acord" does after the snapshot the command takes first.
            subdivide.push_back(timed([&] {
                copia_seguretat(e.state, 1, e.messages);
                subdivide_current_area(e.state.tmpl, 10, 10);
                e.face->show_area(e.state.tmpl.area_count);
                QApplication::processEvents();
            }));
            undo.push_back(timed([&] {
                e.face->Desfer_Click();
                QApplication::processEvents();
            }));
            if (e.state.tmpl.area_count != 1000)
                state.SkipWithError("undo did not restore the board");
        }
    report(state, subdivide);
    std::sort(undo.begin(), undo.end());
    state.counters["undo_median_ms"] = undo[undo.size() / 2];
    state.counters["undo_worst_ms"] = undo.back();
}
BENCHMARK(BM_Subdivide10x10AndUndo)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
