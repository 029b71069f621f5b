#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "runtime/voice/speech_recognition_engine.h"
#include "runtime/voice_control.h"
#include "support/fake_board.h"
#include "support/fake_sound_input.h"
#include "support/recording_voice_windows.h"
#include "support/spoken_words.h"
#include "ui/voice_dialog.h"
#include "ui/voice_distances_window.h"
#include "ui/voice_level_window.h"
#include "ui/voice_training_window.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// A spoken word with quiet around it, as the microphone would give it.
std::vector<int16_t> said(const QString& word, Rendering r)
{
    std::vector<int16_t> samples(8000, 0);
    const auto voice = spoken_word(word, r);
    samples.insert(samples.end(), voice.begin(), voice.end());
    samples.insert(samples.end(), 8000, 0);
    add_noise(samples, 40, 3);
    return samples;
}

}  // namespace

TEST(VoiceDialog, EngineButtonsFollowTheEngineAndTheOrderChoice)
{
    ensure_application();
    UserProfile profile;
    profile.modus = 6;
    profile.temps = 4;
    // Without an engine: no training, but the method can still be chosen.
    {
        VoiceControl voice(profile, nullptr, {});
        voice.choose_voice();
        veu d(voice, profile);
        EXPECT_TRUE(d.Option1(1)->isChecked());
        EXPECT_EQ(voice.word_count, 3) << "the list of the profile's method";
        EXPECT_FALSE(d.CommandEntrenament()->isEnabled());
        EXPECT_FALSE(d.CommandGuardar()->isEnabled());
        EXPECT_EQ(d.decimes()->text(), QStringLiteral("5"));
        EXPECT_EQ(d.retard()->text(), QStringLiteral("4"));
        d.buto_Click(1);
        EXPECT_EQ(profile.modus, 0) << "cancelled before the engine started";
    }
    FakeSoundInput mic;
    RecordingVoiceWindows windows;
    SpeechRecognitionEngine engine(&mic, &windows, [] { return QStringLiteral("/nonexistent/X.VEU"); }, {});
    VoiceControl voice(profile, &engine, {});
    voice.choose_voice();
    veu d(voice, profile);
    EXPECT_TRUE(d.CommandEntrenament()->isEnabled());
    d.Option1(2)->click();
    EXPECT_EQ(profile.modus, 7);
    d.HScroll1()->setValue(9);
    d.CommandEntrenament_Click();
    EXPECT_EQ(voice.recognition_state, -1);
    EXPECT_EQ(voice.recording_tenths, 9);
    EXPECT_EQ(windows.shown, QStringList{QStringLiteral("training")});
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(d.Option1(i)->isEnabled());
    EXPECT_TRUE(d.CommandGuardar()->isEnabled());
    d.CommandControlDelVolum_Click();
    d.CommandVeureLesFuncions_Click();
    EXPECT_EQ(windows.shown, (QStringList{"training", "level", "distances"}));
    d.Option1(0)->setEnabled(true);
    d.Option1(0)->click();
    EXPECT_EQ(profile.modus, 7) << "the list stays once the engine started";
    d.Gruix()->setText(QStringLiteral("6"));
    d.buto_Click(0);
    EXPECT_EQ(profile.gruix, 6);
    EXPECT_EQ(profile.modus, 7);
}

TEST(VoiceEngineWindows, TrainingLevelAndDistancesShowTheEngine)
{
    ensure_application();
    FakeSoundInput mic;
    RecordingVoiceWindows windows;
    SpeechRecognitionEngine engine(&mic, &windows, [] { return QStringLiteral("/nonexistent/X.VEU"); }, {});
    ASSERT_EQ(engine.IniciarUnitReconeixementDeSons(2, QStringLiteral("dreta,esquerra")), 0);

    VoiceTrainingWindow training(engine);
    EXPECT_EQ(training.prompt()->text(), QStringLiteral("dreta"));
    training.record_Click();
    EXPECT_EQ(training.prompt()->text(), QStringLiteral("Digueu: dreta"));
    const auto first = said(QStringLiteral("dreta"), {150, 50});
    engine.hear(first.data(), first.size());
    EXPECT_EQ(training.words()->item(0)->text(), QStringLiteral("dreta (1)"));
    EXPECT_EQ(training.words()->currentRow(), 1) << "on to the next word";
    training.record_Click();
    const auto second = said(QStringLiteral("esquerra"), {150, 50});
    engine.hear(second.data(), second.size());
    EXPECT_EQ(training.words()->item(1)->text(), QStringLiteral("esquerra (1)"));
    EXPECT_TRUE(engine.matcher().trained());

    VoiceLevelWindow level(engine);
    level.refresh();
    EXPECT_LT(level.level()->value(), -30) << "the quiet after the last word";

    VoiceDistancesWindow distances(engine);
    ASSERT_EQ(distances.table()->rowCount(), 2);
    ASSERT_NE(distances.table()->item(0, 1), nullptr);
    EXPECT_GT(distances.table()->item(0, 1)->text().toDouble(), 0.0);
    EXPECT_EQ(distances.table()->item(0, 0), nullptr);

    training.words()->setCurrentRow(0);
    training.forget_Click();
    EXPECT_EQ(training.words()->item(0)->text(), QStringLiteral("dreta (0)"));
}
