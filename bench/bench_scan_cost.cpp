// The scan cost of a 1000-area board (every area's presses and time, and the mean), as
// `orvel --scan-cost` and the editor's colours compute it: flat (one level of 1000
// areas, a 40 x 25 grid), grouped (40 groups of 24 areas), each scanned linearly and by
// rows. The goal is under 10 ms.
#include <benchmark/benchmark.h>

#include "editor/scan_cost_view.h"
#include "model/template.h"
#include "runtime/scan_cost.h"

namespace {

using namespace orvel;

Area area(int xi, int yi, int xf, int yf, int parent)
{
    Area a;
    a.Xi = int16_t(xi);
    a.Yi = int16_t(yi);
    a.Xf = int16_t(xf);
    a.Yf = int16_t(yf);
    a.parent = int16_t(parent);
    return a;
}

Template board(bool grouped)
{
    Template t;
    add_area(t, area(0, 0, 640, 445, 0));
    if (!grouped) {
        for (int i = 0; i < 1000; ++i)
            add_area(t, area((i % 40) * 16, (i / 40) * 17, (i % 40) * 16 + 15, (i / 40) * 17 + 16, 1));
        return t;
    }
    for (int g = 0; g < 40; ++g) {
        const int x = (g % 8) * 80, y = (g / 8) * 89;
        Area group = area(x, y, x + 78, y + 87, 1);
        group.is_group = -1;
        add_area(t, group);
        const int group_index = t.area_count;
        for (int c = 0; c < 24; ++c)
            add_area(t, area(x + (c % 6) * 13, y + (c / 6) * 21, x + (c % 6) * 13 + 12, y + (c / 6) * 21 + 20,
                             group_index));
    }
    return t;
}

void BM_ScanCost(benchmark::State& state)
{
    const Template t = board(state.range(0) != 0);
    ScanCostSettings s;
    s.step_ms = 800;
    s.first_step_delay_ms = 400;
    s.rows = state.range(1) != 0;
    for (auto _ : state) {
        const auto costs = scan_costs(t, s);
        benchmark::DoNotOptimize(average_scan_cost(t, costs));
    }
    state.counters["areas"] = t.area_count;
}
BENCHMARK(BM_ScanCost)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"grouped", "rows"})->Unit(benchmark::kMillisecond);

// The editor's colours and legend: costs, tints and range.
void BM_ScanCostView(benchmark::State& state)
{
    const Template t = board(true);
    UserProfile p;
    p.modus = 2;
    p.temps = 8;
    for (auto _ : state)
        benchmark::DoNotOptimize(scan_cost_view(t, p, {}));
}
BENCHMARK(BM_ScanCostView)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
