#pragma once
// The main of a benchmark whose code draws (fonts, pictures) without a display: Qt's GUI
// part on the offscreen platform, then every registered benchmark.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace orvel::bench {

inline int run_with_offscreen_gui(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace orvel::bench
