// The symbol library's search and the "Símbols" window, on the installed library
// (data/symbols of the checkout, about 2,500 symbols in three languages).
//  - BM_SearchPerKeystroke/TEXT: TEXT typed one character at a time, each beginning
//    searched over the whole library as the window does (every match, ranked); the
//    figure per_keystroke is the mean time of one search. Goal: < 10 ms.
//  - BM_NaiveScanPerKeystroke/TEXT: the peer: every word of every symbol normalised
//    and compared at each keystroke, no sorted table, no ranking.
//  - BM_PickerFirstResults: the library read from disk, the window made and shown with
//    an empty search (the whole library), and the grid's visible pictures drawn: what a
//    person waits for after "Símbols...". Goal: < 300 ms.
//  - BM_PickerKeystroke/TEXT: the same typing into the open window, then emptying it:
//    search, grid laid out again and its visible pictures painted (thumbnails kept).
//  - BM_LoadIndex: reading and indexing the words alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>

#include "editor/symbol_index.h"
#include "ui/symbol_grid_model.h"
#include "ui/symbol_picker.h"

namespace {

using namespace orvel;

const QString kLibrary = QStringLiteral(ORVEL_SOURCE_DIR "/data/symbols");

std::shared_ptr<const SymbolIndex> library()
{
    static const auto index = SymbolIndex::load(kLibrary, nullptr);
    return index;
}

const char* const kTyped[] = {"aigua potable", "gat", "persona", "e"};

void BM_SearchPerKeystroke(benchmark::State& state)
{
    const auto index = library();
    if (!index) {
        state.SkipWithError("no symbol library (scripts/install-deps)");
        return;
    }
    const QString typed = QString::fromUtf8(kTyped[state.range(0)]);
    state.SetLabel(typed.toStdString());
    size_t found = 0;
    for (auto _ : state)
        for (qsizetype n = 1; n <= typed.size(); ++n)
            found += index->search(typed.left(n)).size();
    benchmark::DoNotOptimize(found);
    state.counters["per_keystroke"] =
        benchmark::Counter(double(typed.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SearchPerKeystroke)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_NaiveScanPerKeystroke(benchmark::State& state)
{
    const auto index = library();
    if (!index) {
        state.SkipWithError("no symbol library (scripts/install-deps)");
        return;
    }
    const QString typed = QString::fromUtf8(kTyped[state.range(0)]);
    state.SetLabel(typed.toStdString());
    size_t found = 0;
    for (auto _ : state)
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            const QString q = normalised_search_text(typed.left(n));
            for (int i = 0; i < index->size(); ++i) {
                bool hit = false;
                for (const QStringList& words : index->symbol(i).words)
                    for (const QString& w : words)
                        hit = hit || normalised_search_text(w).contains(q);
                found += hit;
            }
        }
    benchmark::DoNotOptimize(found);
    state.counters["per_keystroke"] =
        benchmark::Counter(double(typed.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_NaiveScanPerKeystroke)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PickerFirstResults(benchmark::State& state)
{
    int drawn = 0;
    for (auto _ : state) {
        QString problem;
        auto index = SymbolIndex::load(kLibrary, &problem);
        if (!index) {
            state.SkipWithError("no symbol library (scripts/install-deps)");
            return;
        }
        SymbolPicker picker(index, problem, QString());
        picker.show();
        // Paints the grid now, drawing the pictures it shows.
        const QPixmap shown = picker.grid()->viewport()->grab();
        benchmark::DoNotOptimize(shown);
        drawn = picker.model()->drawn();
        state.PauseTiming();
        picker.hide();
        state.ResumeTiming();
    }
    state.counters["pictures_drawn"] = drawn;
}
BENCHMARK(BM_PickerFirstResults)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_PickerKeystroke(benchmark::State& state)
{
    const auto index = library();
    if (!index) {
        state.SkipWithError("no symbol library (scripts/install-deps)");
        return;
    }
    const QString typed = QString::fromUtf8(kTyped[state.range(0)]);
    state.SetLabel(typed.toStdString());
    SymbolPicker picker(index, QString(), QString());
    picker.show();
    // Each round ends by emptying the field (one more keystroke: the whole library again).
    for (auto _ : state)
        for (qsizetype n = 1; n <= typed.size() + 1; ++n) {
            picker.search_field()->setText(n <= typed.size() ? typed.left(n) : QString());
            const QPixmap shown = picker.grid()->viewport()->grab();
            benchmark::DoNotOptimize(shown);
        }
    state.counters["per_keystroke"] = benchmark::Counter(
        double(typed.size() + 1), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PickerKeystroke)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadIndex(benchmark::State& state)
{
    for (auto _ : state) {
        auto index = SymbolIndex::load(kLibrary, nullptr);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
