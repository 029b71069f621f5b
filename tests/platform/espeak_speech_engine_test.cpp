// The espeak-ng engine for real: sentences become audible samples that leave through
// the audio device. Synthesis differs slightly from run to run, so lengths and
// energies are compared, never bytes.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <tuple>

#include "platform/speech/espeak_text_reader.h"
#include "shared_audio.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using testing::shared_audio;

double rms(const std::vector<int16_t>& samples)
{
    double sum = 0;
    for (int16_t s : samples)
        sum += double(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}

// Sign changes per second of the louder samples: higher for a higher-pitched voice.
double crossings_per_second(const std::vector<int16_t>& samples, int rate)
{
    int crossings = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0))
            ++crossings;
    return samples.empty() ? 0.0 : crossings * double(rate) / double(samples.size());
}

std::vector<int16_t> speak(int16_t language, int16_t speaker, int16_t speed, const QString& text)
{
    SpeechEngine& engine = shared_audio().engine;
    engine.set_language(language);
    engine.set_speaker(speaker);
    engine.set_speed(speed);
    engine.resume();
    engine.read(text);
    engine.wait_until_silent();
    return shared_audio().speech_samples.take();
}

TEST(EspeakSpeechEngine, CatalanAndSpanishSentencesBecomeAudibleSamplesThatLeaveThroughTheDevice)
{
    auto& audio = shared_audio();
    ASSERT_TRUE(audio.device.is_open()) << audio.device.error().toStdString();
    ASSERT_TRUE(audio.engine.present());
    EXPECT_GE(audio.engine.number_of_speakers(), 3);

    for (auto [language, text] : {std::pair{'c', "Bon dia; avui fa sol a la plaça."},
                                  {'e', "Buenos días; hoy hace sol en la plaza."}}) {
        const auto samples = speak(language, 1, 100, QString::fromUtf8(text));
        EXPECT_GT(samples.size(), size_t(audio.speech_samples.rate()) / 2) << text;
        EXPECT_GT(rms(samples), 300.0) << text;
    }
    // Waiting for silence means the device has taken every sample.
    EXPECT_EQ(audio.device.pending_samples(), 0u);
}

TEST(EspeakSpeechEngine, SpeedAndSpeakerChangeTheSound)
{
    const QString text = "Un, dos, tres, quatre, cinc.";
    shared_audio().speech_samples.to_device = false;
    const auto normal = speak('c', 1, 100, text);
    const auto slow = speak('c', 1, 50, text);
    const auto fast = speak('c', 1, 200, text);
    EXPECT_GT(slow.size(), normal.size() * 13 / 10);
    EXPECT_LT(fast.size(), normal.size() * 8 / 10);

    // Speaker 2 (the template's voice "Dona") is higher than speaker 1 ("Home").
    const int rate = shared_audio().speech_samples.rate();
    const auto home = speak('c', 1, 100, text);
    const auto dona = speak('c', 2, 100, text);
    EXPECT_GT(crossings_per_second(dona, rate), crossings_per_second(home, rate));
    shared_audio().speech_samples.to_device = true;
}

TEST(EspeakSpeechEngine, ReadingsQueueWholeAndAnnouncementsGiveWay)
{
    const QString sentence = "Aquesta frase és força llarga i tindria temps de sobres per acabar-se si ningú "
                             "no l'interrompés, però la interrompem de seguida amb una altra lectura.";
    // Recorded, not played: synthesis runs ahead of real time.
    shared_audio().speech_samples.to_device = false;
    const auto alone = speak('c', 1, 100, "Hola.");
    const auto whole = speak('c', 1, 100, sentence);
    ASSERT_GT(whole.size(), alone.size() * 4);
    SpeechEngine& engine = shared_audio().engine;
    auto heard = [&] {
        engine.wait_until_silent();
        return shared_audio().speech_samples.take().size();
    };

    // Two readings: both heard whole, one after the other; the engine says so meanwhile.
    engine.read(sentence);
    engine.read("Hola.");
    EXPECT_TRUE(engine.reading_in_progress());
    EXPECT_GT(heard(), (whole.size() + alone.size()) * 9 / 10);
    EXPECT_FALSE(engine.reading_in_progress());

    // An announcement never cuts a reading: it is dropped while the reading is heard.
    engine.read(sentence);
    engine.announce("Hola.");
    const size_t reading_then_announcement = heard();
    EXPECT_GT(reading_then_announcement, whole.size() * 9 / 10);
    EXPECT_LT(reading_then_announcement, whole.size() + alone.size() / 2);

    // A new announcement, or a reading, cuts short the announcement being spoken.
    engine.announce(sentence);
    engine.announce("Hola.");
    EXPECT_FALSE(engine.reading_in_progress());
    EXPECT_LT(heard(), whole.size() / 2);
    engine.announce(sentence);
    engine.read("Hola.");
    EXPECT_LT(heard(), whole.size() / 2);

    // A long text is synthesised ahead of the voice only a few seconds at a time.
    QString long_text;
    for (int i = 0; i < 40; ++i)
        long_text += "Aquesta és una frase que es repeteix moltes vegades. ";
    shared_audio().speech_samples.to_device = true;
    engine.announce(long_text);
    QThread::msleep(1500);
    const int rate = shared_audio().speech_samples.rate();
    EXPECT_LE(shared_audio().device.pending_samples(), size_t(rate) * 6);
    engine.announce("Hola.");
    EXPECT_LT(heard(), alone.size() * 2);
}

TEST(EspeakSpeechEngine, VoicesAndRatesFollowTheBoardNumbers)
{
    // The board passes its voice plus one: 1 is "Home", 2 is "Dona"; higher numbers wrap.
    for (auto [language, speaker, voice] : {std::tuple{'c', 1, "ca"}, {'c', 2, "ca+f2"}, {'e', 3, "es+m3"},
                                            {'e', 4, "es"}, {'\0', 0, "ca"}, {'c', -3, "ca"}})
        EXPECT_EQ(EspeakSpeechEngine::voice_name(int16_t(language), int16_t(speaker)), voice) << language << speaker;
    for (auto [speed, rate] : {std::pair{100, espeakRATE_NORMAL}, {200, 2 * espeakRATE_NORMAL},
                               {10, espeakRATE_MINIMUM}, {-100, espeakRATE_MINIMUM}, {32767, espeakRATE_MAXIMUM}})
        EXPECT_EQ(EspeakSpeechEngine::words_per_minute(int16_t(speed)), rate) << speed;
}

TEST(EspeakTextReader, StartsTheReaderDetachedWithoutAShell)
{
    QTemporaryDir folder;
    const QString script = folder.filePath("reader.sh");
    const QString out = folder.filePath("args.txt");
    testing::write_file(script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(out).toUtf8());
    QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeUser);

    // A name a shell would expand must reach the reader untouched.
    const QString name = folder.filePath("a b;$(touch x).txt");
    EspeakTextReader reader(script);
    ASSERT_TRUE(reader.read_file(name, 'e'));
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(out) && waited.elapsed() < 10000)
        QThread::msleep(20);
    EXPECT_EQ(QString::fromUtf8(testing::read_file(out)), "-v\nes\n-f\n" + name + "\n");
    EXPECT_FALSE(QFile::exists(QDir::current().filePath("x")));

    EXPECT_FALSE(EspeakTextReader(folder.filePath("no-such-reader")).read_file(name, 'c'));
}

}  // namespace
}  // namespace orvel
