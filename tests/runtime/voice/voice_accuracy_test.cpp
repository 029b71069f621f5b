// Recognition accuracy on synthesised speech fed through the real microphone
// path: one sound file read by SDL's disk audio driver as if it were the
// microphone, with the engine's own word detection, training and matching.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

#include "platform/sdl/sdl_sound_input.h"
#include "runtime/voice/speech_recognition_engine.h"
#include "support/fake_board.h"
#include "support/spoken_words.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

constexpr int kRate = 16000;
const Rendering kTraining[] = {{150, 50}, {175, 40}, {130, 62}};
const Rendering kHeldOut[] = {{120, 30}, {160, 55}, {190, 70}, {210, 45}, {140, 80}, {170, 35}};
const Rendering kOthers[] = {{160, 50}, {135, 70}};

struct Utterance {
    int word;  // 1-based index into the list, 0 for a word outside it
    std::vector<int16_t> samples;
};

double mean_power(const std::vector<Utterance>& words)
{
    double sum = 0;
    size_t n = 0;
    for (const Utterance& u : words)
        for (int16_t s : u.samples) {
            sum += double(s) * s;
            ++n;
        }
    return sum / std::max<size_t>(1, n);
}

// The utterances one after another with pauses between them, and white noise
// `snr_db` below the speech's average level over the whole stretch.
void append_section(std::vector<int16_t>& stream, const std::vector<Utterance>& words, double snr_db, unsigned seed)
{
    std::vector<int16_t> section(kRate / 2, 0);
    for (const Utterance& u : words) {
        section.insert(section.end(), u.samples.begin(), u.samples.end());
        section.insert(section.end(), kRate * 8 / 10, 0);
    }
    const double sigma = std::sqrt(mean_power(words) / std::pow(10.0, snr_db / 10));
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, sigma);
    for (int16_t& s : section)
        s = static_cast<int16_t>(std::clamp(s + noise(random), -32768.0, 32767.0));
    stream.insert(stream.end(), section.begin(), section.end());
}

}  // namespace

TEST(VoiceAccuracy, HeldOutOrdersAreRecognisedAndOtherWordsRejected)
{
    ensure_application();
    const QStringList words = five_orders();
    std::vector<Utterance> training, held_out, others;
    for (int w = 0; w < words.size(); ++w)
        for (Rendering r : kTraining)
            training.push_back({w + 1, spoken_word(words[w], r)});
    for (int w = 0; w < words.size(); ++w)
        for (Rendering r : kHeldOut)
            held_out.push_back({w + 1, spoken_word(words[w], r)});
    for (const QString& other : other_words())
        for (Rendering r : kOthers)
            others.push_back({0, spoken_word(other, r)});
    for (const auto* set : {&training, &held_out, &others})
        for (const Utterance& u : *set)
            ASSERT_GT(u.samples.size(), 1000u) << "espeak-ng or sox gave no sound";

    std::vector<Utterance> tests = held_out;
    tests.insert(tests.end(), others.begin(), others.end());
    std::vector<int16_t> stream;
    append_section(stream, training, 30, 1);
    append_section(stream, tests, 20, 2);
    stream.insert(stream.end(), kRate, 0);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("microphone.raw"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(stream.data()), qint64(stream.size() * 2));
    }
    // The disk driver reads the file in place of a microphone, 16 times faster
    // than it was spoken (1 ms per block of 16 ms).
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILEIN", file.toLocal8Bit());
    qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    qputenv("SDL_DISKAUDIODELAY", "1");

    SdlSoundInput microphone;
    std::vector<int> answers;
    SpeechRecognitionEngine engine(&microphone, nullptr, {},
                                   [&](int word) { answers.push_back(word); });
    size_t trained = 0;
    std::function<void(bool)> next_example = [&](bool taken) {
        EXPECT_TRUE(taken);
        if (++trained < training.size())
            engine.record_example(training[trained].word, next_example);
        else
            EXPECT_EQ(engine.IniciarReconeixement(), 0);
    };
    engine.record_example(training[0].word, next_example);
    ASSERT_EQ(engine.IniciarUnitReconeixementDeSons(static_cast<int16_t>(words.size()), words.join(QLatin1Char(','))), 0)
        << microphone.error().toStdString();
    ASSERT_TRUE(engine.AssignarNumeroDeDecimesDeSegonDereconeixement(14));

    QElapsedTimer waited;
    waited.start();
    while (answers.size() < tests.size() && waited.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    engine.PararReconeixement();
    EXPECT_EQ(trained, training.size());
    ASSERT_EQ(answers.size(), tests.size()) << "every word heard once, none split or lost";

    // The confusion table: rows what was said, columns what was answered.
    std::map<std::pair<int, int>, int> table;
    int right = 0, accepted_others = 0;
    for (size_t i = 0; i < tests.size(); ++i) {
        ++table[{tests[i].word, answers[i]}];
        if (tests[i].word > 0 && answers[i] == tests[i].word)
            ++right;
        if (tests[i].word == 0 && answers[i] != -1)
            ++accepted_others;
    }
    std::printf("%-10s", "said\\heard");
    for (int c = 1; c <= words.size(); ++c)
        std::printf("%9s", qPrintable(words[c - 1]));
    std::printf("%9s\n", "-1");
    for (int r = 1; r <= words.size() + 1; ++r) {
        const int said = r <= words.size() ? r : 0;
        std::printf("%-10s", said ? qPrintable(words[said - 1]) : "(other)");
        for (int c = 1; c <= words.size() + 1; ++c) {
            const int heard = c <= words.size() ? c : -1;
            std::printf("%9d", table[{said, heard}]);
        }
        std::printf("\n");
    }
    std::printf("orders recognised: %d of %zu; other words accepted: %d of %zu\n", right, held_out.size(),
                accepted_others, others.size());
    EXPECT_GE(right * 100, 95 * static_cast<int>(held_out.size()));
    EXPECT_LT(accepted_others * 100, 2 * static_cast<int>(others.size()));
}
