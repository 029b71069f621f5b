// What row scanning saves a switch user: for every cell of a 6 x 8 grid, the
// frame moves (steps) and the switch presses needed to reach and select it, with
// row scanning and with linear scanning, averaged over all cells and reported
// as counters. Presses are those of manual scanning (one press per step plus
// the selecting presses: one for linear, two for a row then a cell); steps are
// also the waits of automatic scanning. The timed loop is the row detection
// and routing of the whole grid.
#include <benchmark/benchmark.h>

#include "model/template.h"
#include "runtime/scan_rows.h"

namespace {

using namespace orvel;

constexpr int kRows = 6;
constexpr int kColumns = 8;

Template grid()
{
    Template t;
    Area root;
    root.Xf = 640;
    root.Yf = 440;
    add_area(t, root);
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            Area a;
            a.Xi = int16_t(5 + col * 79);
            a.Yi = int16_t(5 + row * 72);
            a.Xf = int16_t(a.Xi + 75);
            a.Yf = int16_t(a.Yi + 68);
            a.parent = 1;
            add_area(t, a);
        }
    return t;
}

void BM_RowScanningAgainstLinear(benchmark::State& state)
{
    const Template t = grid();
    double row_steps = 0, row_presses = 0, linear_steps = 0, linear_presses = 0;
    for (auto _ : state) {
        row_steps = row_presses = linear_steps = linear_presses = 0;
        const auto rows = level_rows(t, 1);
        for (int16_t area = 2; area <= t.area_count; ++area) {
            const auto by_rows = row_scan_route(rows, area);
            const auto linear = linear_scan_route(t, 1, area);
            if (!by_rows || !linear) {
                state.SkipWithError("a cell cannot be reached");
                return;
            }
            row_steps += by_rows->steps;
            row_presses += by_rows->steps + by_rows->presses;
            linear_steps += linear->steps;
            linear_presses += linear->steps + linear->presses;
        }
        benchmark::DoNotOptimize(row_steps);
    }
    const double cells = kRows * kColumns;
    state.counters["cells"] = cells;
    state.counters["linear_steps_avg"] = linear_steps / cells;
    state.counters["rows_steps_avg"] = row_steps / cells;
    state.counters["linear_presses_avg"] = linear_presses / cells;
    state.counters["rows_presses_avg"] = row_presses / cells;
    state.counters["press_saving_x"] = linear_presses / row_presses;
    state.counters["step_saving_x"] = linear_steps / row_steps;
}
BENCHMARK(BM_RowScanningAgainstLinear);

}  // namespace

BENCHMARK_MAIN();
