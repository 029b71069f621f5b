// The executor's own cost per character of key text: cutting the text into
// runs and commands, the target look-up and the dispatch, over back ends that do
// nothing, so that only the executor is measured.
#include <benchmark/benchmark.h>

#include <QString>

#include "exec/exec_context.h"
#include "exec/executor.h"
#include "exec/interpreter.h"
#include "exec/random_source.h"
#include "platform/clock.h"
#include "platform/key_sender.h"
#include "platform/message_boxes.h"
#include "platform/window_system.h"

namespace {

using namespace orvel;

class CountingKeys : public KeySender {
public:
    int send_keys(const QString& notation) override
    {
        characters += notation.size();
        return 0;
    }
    bool wait_until_processed() override { return true; }
    int64_t characters = 0;
};

class OneWindow : public WindowSystem {
public:
    std::vector<WindowId> top_level_windows() override { return {1}; }
    QString title(WindowId w) override { return w == 1 ? title_ : QString(); }
    bool is_visible(WindowId) override { return true; }
    int64_t process_id(WindowId) override { return 0; }
    bool activate(WindowId) override { return true; }
    QRect geometry(WindowId) override { return QRect(0, 0, 100, 100); }
    bool move_resize(WindowId, const QRect&) override { return true; }
    bool set_topmost(WindowId, bool) override { return true; }
    bool close(WindowId) override { return true; }
    WindowId focused_window() override { return 1; }
    QSize screen_size() override { return QSize(1024, 768); }

private:
    QString title_ = QStringLiteral("Editor de text");
};

class SilentMessages : public MessageBoxes {
public:
    void show(const QString&, const QString&, MessageIcon) override {}
    bool ask_yes_no(const QString&, const QString&) override { return false; }
};

class NoWaitClock : public Clock {
public:
    int64_t now_ms() override { return 0; }
    void sleep_ms(int) override {}
};

// About 1000 characters of mixed Catalan text, accented capitals and signs among them.
QString catalan_text()
{
    const QString sentence = QString::fromUtf8(
        "L'àvia Mercè i en Joan van a València. ÀLEX, ÉS AQUÍ? Sí: 3€ · ¡Hola! ¿Què tal? Ça va, ÒSCAR, ÚLTIMA! ");
    QString text;
    while (text.size() < 1000)
        text += sentence;
    text.truncate(1000);
    return text;
}

// The same text with a key name or a command every few words.
QString text_with_commands()
{
    QString text = catalan_text();
    const QString inserts[] = {QStringLiteral("{ENTER}"), QStringLiteral("{|M+ 1}"), QStringLiteral("+(ab)"),
                               QStringLiteral("{|SIM 5 {x} {y}}"), QStringLiteral("{|ESPERA 1}")};
    for (qsizetype at = text.size() - 40, i = 0; at > 0; at -= 40, ++i)
        text.insert(at, inserts[i % 5]);
    return text;
}

struct Fixture {
    OrvelState state;
    CountingKeys keys;
    OneWindow windows;
    SilentMessages messages;
    NoWaitClock clock;
    RunModeHooks hooks;
    Services services;
    ClockSeededRandom random{1};
    ExecContext ctx{state, services, hooks, nullptr, &random};

    Fixture()
    {
        services.keys = &keys;
        services.windows = &windows;
        services.messages = &messages;
        services.clock = &clock;
        push_target(state, 1);
    }
};

void run_key_text(benchmark::State& bench, const QString& key_text)
{
    Fixture f;
    for (auto _ : bench) {
        QString text = key_text;
        f.state.memory.clear();
        execute_key_text(f.ctx, text);
        benchmark::DoNotOptimize(text);
    }
    // Seconds per character of key text ("250n" is 250 ns).
    bench.counters["per_char"] = benchmark::Counter(static_cast<double>(key_text.size()),
                                                    benchmark::Counter::kIsIterationInvariantRate
                                                        | benchmark::Counter::kInvert);
}

void BM_PlainText(benchmark::State& bench) { run_key_text(bench, catalan_text()); }
void BM_TextWithCommands(benchmark::State& bench) { run_key_text(bench, text_with_commands()); }

void BM_PrintableText(benchmark::State& bench)
{
    const QString text = text_with_commands();
    for (auto _ : bench)
        benchmark::DoNotOptimize(printable_text(text));
    bench.SetItemsProcessed(bench.iterations() * text.size());
}

}  // namespace

BENCHMARK(BM_PlainText);
BENCHMARK(BM_TextWithCommands);
BENCHMARK(BM_PrintableText);
BENCHMARK_MAIN();
