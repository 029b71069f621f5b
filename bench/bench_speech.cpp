// Latency of a spoken auditory symbol: from So_icona with a three-word text to the
// first synthesised sample handed to the audio device. Compared, in the same run,
// with the time the espeak-ng command line takes to print its first byte of audio
// for the same text.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <optional>

#include "exec/exec_context.h"
#include "exec/speech.h"
#include "platform/audio/sample_sink.h"
#include "platform/audio/sdl_audio.h"
#include "platform/speech/espeak_speech_engine.h"

extern char** environ;

namespace orvel {
namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kText = "bon dia amics";

// Passes samples on to the device and notes when the first one of a reading arrives.
class FirstSampleSink : public SampleSink {
public:
    explicit FirstSampleSink(SampleSink& device) : device_(device) {}

    void push_samples(const int16_t* samples, size_t count, int rate) override
    {
        device_.push_samples(samples, count, rate);
        std::lock_guard lock(mutex_);
        if (!arrived_) {
            arrived_ = Clock::now();
            arrival_.notify_all();
        }
    }
    void drop_pending_samples() override { device_.drop_pending_samples(); }
    size_t pending_samples() override { return device_.pending_samples(); }

    void arm()
    {
        std::lock_guard lock(mutex_);
        arrived_.reset();
    }
    Clock::time_point wait_for_first()
    {
        std::unique_lock lock(mutex_);
        arrival_.wait(lock, [this] { return arrived_.has_value(); });
        return *arrived_;
    }

private:
    SampleSink& device_;
    std::mutex mutex_;
    std::condition_variable arrival_;
    std::optional<Clock::time_point> arrived_;
};

struct SpeakingBoard {
    SdlAudio device;
    FirstSampleSink sink{device};
    EspeakSpeechEngine engine{sink};
    OrvelState state;
    Services services;
    RunModeHooks hooks;
    ExecContext ctx{state, services, hooks};

    SpeakingBoard()
    {
        services.speech = &engine;
        tts_init(ctx);
        apply_template_speech(ctx);
    }
};

void BM_SoIconaToFirstSample(benchmark::State& bench)
{
    static SpeakingBoard board;
    if (!board.state.tts_available) {
        bench.SkipWithError("espeak-ng has no Catalan and Spanish voices");
        return;
    }
    for (auto _ : bench) {
        board.sink.arm();
        const auto start = Clock::now();
        So_icona(board.ctx, QString::fromLatin1(kText));
        const auto first = board.sink.wait_for_first();
        bench.SetIterationTime(std::chrono::duration<double>(first - start).count());
        // Let the rest go (an empty reading interrupts it) before the next round.
        board.engine.read(QString());
        board.engine.wait_until_silent();
    }
}
BENCHMARK(BM_SoIconaToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_EspeakCommandLineFirstByte(benchmark::State& bench)
{
    for (auto _ : bench) {
        int out[2];
        if (pipe(out) != 0) {
            bench.SkipWithError("pipe failed");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>("espeak-ng"), const_cast<char*>("-v"), const_cast<char*>("ca"),
                        const_cast<char*>("--stdout"), const_cast<char*>(kText), nullptr};
        pid_t child = 0;
        const auto start = Clock::now();
        const int failed = posix_spawnp(&child, "espeak-ng", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (failed) {
            close(out[0]);
            bench.SkipWithError("espeak-ng cannot be started");
            return;
        }
        char byte;
        const ssize_t got = read(out[0], &byte, 1);
        const auto first = Clock::now();
        bench.SetIterationTime(std::chrono::duration<double>(first - start).count());
        char rest[4096];
        while (read(out[0], rest, sizeof rest) > 0) {
        }
        close(out[0]);
        waitpid(child, nullptr, 0);
        if (got != 1) {
            bench.SkipWithError("espeak-ng printed nothing");
            return;
        }
    }
}
BENCHMARK(BM_EspeakCommandLineFirstByte)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
}  // namespace orvel

BENCHMARK_MAIN();
