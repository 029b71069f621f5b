// orvel --check on a key text of conditionals nested inside each other, the shape that
// took 39 s for 550 KB when each level was cut again from its copy. Sizes from 15 000 to
// 780 000 characters: the time per character must stay flat (linear work); Google Benchmark's
// complexity fit is printed as "BigO". Baseline in the same run: the same number of
// characters of plain keys with one command every 20 characters.
#include <benchmark/benchmark.h>

#include <QString>

#include "exec/board_check_tools.h"
#include "model/board_check.h"

namespace {

// depth conditionals, each holding the next in its true branch: about 15 characters a level.
QString nested_conditionals(int depth)
{
    QString text;
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("{|SIM %1 {").arg(i % 10);
    text += QStringLiteral("hola{ENTER}");
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("} {x}}");
    return text;
}

QString flat_keys(qsizetype size)
{
    QString text;
    while (text.size() < size)
        text += QStringLiteral("Bon dia{|ESPERA 1}");
    return text;
}

void BM_CheckNestedConditionals(benchmark::State& state)
{
    const QString keys = nested_conditionals(static_cast<int>(state.range(0)));
    orvel::Catalogue catalogue;
    const orvel::BoardCheckTools tools = orvel::board_check_tools(catalogue, QString());
    for (auto _ : state)
        benchmark::DoNotOptimize(orvel::key_text_problems(keys, QString(), tools));
    state.SetComplexityN(keys.size());
    state.counters["chars"] = static_cast<double>(keys.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * keys.size());
}
BENCHMARK(BM_CheckNestedConditionals)->RangeMultiplier(4)->Range(1000, 52000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_CheckFlatKeysBaseline(benchmark::State& state)
{
    const QString keys = flat_keys(nested_conditionals(static_cast<int>(state.range(0))).size());
    orvel::Catalogue catalogue;
    const orvel::BoardCheckTools tools = orvel::board_check_tools(catalogue, QString());
    for (auto _ : state)
        benchmark::DoNotOptimize(orvel::key_text_problems(keys, QString(), tools));
    state.counters["chars"] = static_cast<double>(keys.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * keys.size());
}
BENCHMARK(BM_CheckFlatKeysBaseline)->RangeMultiplier(4)->Range(1000, 52000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
