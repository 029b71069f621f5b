#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "runtime/voice/speech_recognition_engine.h"
#include "runtime/voice/word_file.h"
#include "runtime/voice_control.h"
#include "support/fake_board.h"
#include "support/fake_sound_input.h"
#include "support/recording_voice_windows.h"
#include "support/test_files.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

Features ramp(int frames, float start)
{
    Features f;
    f.frames = frames;
    for (int i = 0; i < frames * Features::kDims; ++i)
        f.values.push_back(start + 0.25f * static_cast<float>(i % 17));
    return f;
}

std::vector<WordModel> two_words()
{
    return {{QStringLiteral("AVANÇAR"), {ramp(40, 1), ramp(45, 2)}}, {QStringLiteral("TEST"), {ramp(30, -3)}}};
}

}  // namespace

TEST(WordFile, RoundTripsAndRefusesEveryTruncationAndGarbage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("veu/ANNA.VEU"));
    QString why;
    ASSERT_TRUE(write_word_file(path, two_words(), &why)) << why.toStdString();
    const auto back = read_word_file(path, &why);
    ASSERT_TRUE(back) << why.toStdString();
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[0].word, QStringLiteral("AVANÇAR"));
    ASSERT_EQ((*back)[0].examples.size(), 2u);
    EXPECT_EQ((*back)[0].examples[1].frames, 45);
    EXPECT_EQ((*back)[0].examples[1].values, two_words()[0].examples[1].values);

    const QByteArray whole = read_file(path);
    const QString broken = dir.filePath(QStringLiteral("broken.VEU"));
    for (qsizetype cut = 0; cut < whole.size(); cut += 97) {
        write_file(broken, whole.left(cut));
        EXPECT_FALSE(read_word_file(broken, &why)) << "cut at " << cut;
    }
    QByteArray flipped = whole;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x40);
    for (const QByteArray& bad : {flipped, QByteArray(5000, 'x'), whole + QByteArray("extra")}) {
        write_file(broken, bad);
        why.clear();
        EXPECT_FALSE(read_word_file(broken, &why));
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST(WordFile, EngineKeepsItsWordsWhenAFileIsBrokenAndSavesOverTheOldOneWhole)
{
    ensure_application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("veu/ANNA.VEU"));
    QString why;
    ASSERT_TRUE(write_word_file(path, two_words(), &why));
    FakeSoundInput mic;
    RecordingVoiceWindows windows;
    SpeechRecognitionEngine engine(&mic, &windows, [&] { return path; }, {});
    // Starting on the same list reads the person's file.
    ASSERT_EQ(engine.IniciarUnitReconeixementDeSons(2, QStringLiteral("AVANÇAR,TEST")), 0);
    EXPECT_TRUE(engine.matcher().trained());
    EXPECT_EQ(engine.matcher().words()[0].examples.size(), 2u);

    const QString broken = dir.filePath(QStringLiteral("BROKEN.VEU"));
    write_file(broken, read_file(path).left(100));
    EXPECT_FALSE(engine.load_words(broken));
    ASSERT_EQ(windows.messages.size(), 1);
    EXPECT_TRUE(windows.messages[0].contains(broken));
    EXPECT_EQ(engine.matcher().words()[0].examples.size(), 2u) << "the words in memory stay";

    // A file of another list is not taken either.
    const QString other = dir.filePath(QStringLiteral("OTHER.VEU"));
    ASSERT_TRUE(write_word_file(other, {{QStringLiteral("1"), {ramp(20, 0)}}}, &why));
    EXPECT_FALSE(engine.load_words(other));
    EXPECT_EQ(engine.matcher().words().size(), 2u);

    // "Guardar": the chosen file is replaced whole; a folder in the way is
    // reported and the old file stays as it was.
    engine.forget_examples(1);
    windows.chosen = path;
    const QByteArray before = read_file(path);
    engine.GuardarFitxerReconeixementDeParaules();
    const auto saved = read_word_file(path, &why);
    ASSERT_TRUE(saved);
    EXPECT_TRUE((*saved)[0].examples.empty());
    windows.chosen = dir.path();
    const QByteArray kept = read_file(path);
    engine.GuardarFitxerReconeixementDeParaules();
    EXPECT_EQ(windows.messages.size(), 2);
    EXPECT_EQ(read_file(path), kept);
    EXPECT_NE(kept, before);
}

TEST(VoiceListening, TrainedWordsAreListenedForInRunModeOnly)
{
    ensure_application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ANNA.VEU"));
    QString why;
    ASSERT_TRUE(write_word_file(path, two_words(), &why));
    FakeSoundInput mic;
    RecordingVoiceWindows windows;
    SpeechRecognitionEngine engine(&mic, &windows, [&] { return path; }, {});
    UserProfile profile;
    profile.modus = 7;
    VoiceControl voice(profile, &engine, {});
    voice.word_count = 2;
    voice.word_list[1] = QStringLiteral("AVANÇAR");
    voice.word_list[2] = QStringLiteral("TEST");
    voice.recognition_state = voice.start_recognition();
    ASSERT_EQ(voice.recognition_state, -1);
    // Run mode starts listening, leaving it (or the method menu) stops.
    voice.start_listening();
    EXPECT_EQ(voice.recognition_state, -2);
    EXPECT_TRUE(engine.listening());
    voice.stop_listening();
    EXPECT_EQ(voice.recognition_state, -1);
    EXPECT_FALSE(engine.listening());
    // Another method chosen: no listening.
    profile.modus = 3;
    voice.start_listening();
    EXPECT_FALSE(engine.listening());
}
