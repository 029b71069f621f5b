// From the end of a spoken order to the engine's answer: the words are
// trained and then said through the real microphone path (SDL's disk audio
// driver reading a file at the pace of real time, 16 ms blocks), and each
// answer's time is compared with the moment the order's last sound reached
// the program, less the part of its block that came after it. 5 orders and
// the extra word, 3 renderings each to train, then 4 unheard renderings each.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <mutex>
#include <vector>

#include "../tests/support/spoken_words.h"
#include "platform/sdl/sdl_sound_input.h"
#include "runtime/voice/speech_recognition_engine.h"

namespace {

using namespace orvel;
using testing::Rendering;

constexpr int kRate = 16000;

// The microphone, noting when each block of samples arrived.
class TimedInput : public SoundInput {
public:
    explicit TimedInput(QElapsedTimer& clock) : clock_(clock) {}
    bool start(Sink sink) override
    {
        return real_.start([this, sink](const int16_t* s, size_t n) {
            {
                std::lock_guard lock(mutex_);
                received_ += n;
                arrivals_.push_back({received_, clock_.nsecsElapsed() / 1e6});
            }
            sink(s, n);
        });
    }
    void stop() override { real_.stop(); }
    bool lost() override { return real_.lost(); }
    QString error() const override { return real_.error(); }

    // When sample `index` of the stream arrived (ms), less the rest of its block.
    double arrival_ms(size_t index)
    {
        std::lock_guard lock(mutex_);
        for (const auto& [end, ms] : arrivals_)
            if (end > index)
                return ms - double(end - 1 - index) * 1000.0 / kRate;
        return -1;
    }

private:
    SdlSoundInput real_;
    QElapsedTimer& clock_;
    std::mutex mutex_;
    size_t received_ = 0;
    std::vector<std::pair<size_t, double>> arrivals_;
};

size_t last_sound(const std::vector<int16_t>& s)
{
    for (size_t i = s.size(); i-- > 0;)
        if (std::abs(s[i]) > 300)
            return i;
    return 0;
}

void BM_EndOfWordToAnswer(benchmark::State& state)
{
    int argc = 1;
    char name[] = "bench_voice_latency";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const QStringList words = testing::five_orders();
    std::vector<int16_t> stream(kRate / 2, 0);
    std::vector<int> training_words;
    std::vector<size_t> ends;  // where each unheard order's sound ends in the stream
    auto say = [&](const QString& word, Rendering r) {
        const auto voice = testing::spoken_word(word, r);
        stream.insert(stream.end(), voice.begin(), voice.end());
        const size_t end = stream.size() - voice.size() + last_sound(voice);
        stream.insert(stream.end(), kRate * 8 / 10, 0);
        return end;
    };
    for (int w = 0; w < words.size(); ++w)
        for (Rendering r : {Rendering{150, 50}, {175, 40}, {130, 62}}) {
            say(words[w], r);
            training_words.push_back(w + 1);
        }
    for (Rendering r : {Rendering{120, 30}, {160, 55}, {190, 70}, {210, 45}})
        for (int w = 0; w < words.size(); ++w)
            ends.push_back(say(words[w], r));
    testing::add_noise(stream, 45, 3);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("microphone.raw"));
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(reinterpret_cast<const char*>(stream.data()), qint64(stream.size() * 2));
    f.close();
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILEIN", file.toLocal8Bit());
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");

    QElapsedTimer clock;
    clock.start();
    TimedInput microphone(clock);
    std::vector<double> answered;
    std::vector<int> answers;
    SpeechRecognitionEngine engine(&microphone, nullptr, {}, [&](int word) {
        answered.push_back(clock.nsecsElapsed() / 1e6);
        answers.push_back(word);
    });
    size_t trained = 0;
    std::function<void(bool)> next = [&](bool) {
        if (++trained < training_words.size())
            engine.record_example(training_words[trained], next);
        else
            engine.IniciarReconeixement();
    };
    engine.record_example(training_words[0], next);
    engine.IniciarUnitReconeixementDeSons(static_cast<int16_t>(words.size()), words.join(QLatin1Char(',')));
    engine.AssignarNumeroDeDecimesDeSegonDereconeixement(14);

    std::vector<double> latencies;
    for (auto _ : state) {
        QElapsedTimer waited;
        waited.start();
        while (answered.size() < ends.size() && waited.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        for (size_t i = 0; i < answered.size() && i < ends.size(); ++i)
            latencies.push_back(answered[i] - microphone.arrival_ms(ends[i]));
    }
    int right = 0;
    for (size_t i = 0; i < answers.size(); ++i)
        right += answers[i] == int(i % words.size()) + 1;
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies.empty() ? -1 : latencies[latencies.size() / 2];
    state.counters["worst_ms"] = latencies.empty() ? -1 : latencies.back();
    state.counters["orders"] = double(latencies.size());
    state.counters["recognised"] = right;
    state.counters["bound_ms"] = 150;
}
BENCHMARK(BM_EndOfWordToAnswer)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
