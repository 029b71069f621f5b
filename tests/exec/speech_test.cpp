// Speech output and the auditory symbol over recording fakes: which engine calls are
// made, in which order, with which voice, and when a sound file is played instead.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "exec/exec_context.h"
#include "exec/sound_playback.h"
#include "exec/speech.h"
#include "support/fake_sound.h"
#include "support/fake_speech.h"
#include "support/fake_text_reader.h"
#include "support/recording_messages.h"

namespace orvel {
namespace {

using testing::FakeSound;
using testing::FakeSpeech;
using testing::FakeTextReader;
using testing::RecordingMessages;

class SpeechTest : public ::testing::Test {
protected:
    SpeechTest()
    {
        services.speech = &speech;
        services.sound = &sound;
        services.text_reader = &reader;
        services.messages = &messages;
        state.tmpl.directory = folder.path();
    }

    // Engine detected as at start-up, with the given number of voices; the calls of
    // the detection are forgotten.
    void detect(int32_t voices)
    {
        speech.speakers = voices;
        tts_init(ctx);
        speech.calls.clear();
    }

    QString make_file(const QString& relative)
    {
        const QString path = folder.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        return path;
    }

    QTemporaryDir folder;
    OrvelState state;
    Services services;
    RunModeHooks hooks;
    ExecContext ctx{state, services, hooks};
    FakeSpeech speech;
    FakeSound sound;
    FakeTextReader reader;
    RecordingMessages messages;
};

TEST_F(SpeechTest, DetectionAsksVoicesThenSetsCatalanAndFirstVoiceAndResetsTheTemplate)
{
    state.tmpl.tts_language = 1;
    state.tmpl.tts_voice = 1;
    state.tmpl.tts_speed = 40;
    speech.speakers = 3;
    tts_init(ctx);
    EXPECT_EQ(speech.calls, QStringList({"speakers", "language 99", "speaker 0"}));
    EXPECT_TRUE(state.tts_available);
    EXPECT_EQ(state.speaker_count, 3);
    EXPECT_EQ(state.rotating_speaker, 0);
    EXPECT_EQ(state.tmpl.tts_language, 0);
    EXPECT_EQ(state.tmpl.tts_voice, 0);
    EXPECT_EQ(state.tmpl.tts_speed, 100);

    // A new template detects again: the engine has gone, speech becomes unavailable
    // and nothing is asked of it.
    speech.is_present = false;
    speech.calls.clear();
    state.tmpl.tts_voice = 1;
    tts_init(ctx);
    EXPECT_FALSE(state.tts_available);
    EXPECT_TRUE(speech.calls.isEmpty());
    EXPECT_EQ(state.tmpl.tts_voice, 1);

    services.speech = nullptr;
    tts_init(ctx);
    EXPECT_FALSE(state.tts_available);
}

TEST_F(SpeechTest, RunModePassesVoiceLanguageAndSpeedOfTheTemplate)
{
    detect(3);
    state.tmpl.tts_language = 1;
    state.tmpl.tts_voice = 1;
    state.tmpl.tts_speed = 150;
    apply_template_speech(ctx);
    EXPECT_EQ(speech.calls, QStringList({"speaker 2", "language 101", "speed 150"}));

    speech.calls.clear();
    state.tmpl.tts_language = 0;
    apply_template_speech(ctx);
    EXPECT_EQ(speech.calls.at(1), "language 99");

    speech.calls.clear();
    state.tmpl.tts_language = 7;
    apply_template_speech(ctx);
    EXPECT_EQ(speech.calls.at(1), "language 0");

    speech.calls.clear();
    state.tts_available = false;
    apply_template_speech(ctx);
    EXPECT_TRUE(speech.calls.isEmpty());
}

TEST_F(SpeechTest, ReadingResumesSetsTheReadingVoiceAndTurnsFullStopsIntoPauses)
{
    detect(3);
    state.tmpl.tts_voice = 1;
    read_text(ctx, "Bon dia. Adeu.");
    EXPECT_EQ(speech.calls, QStringList({"resume", "speaker 2", "read Bon dia; Adeu;"}));

    speech.calls.clear();
    state.tts_available = false;
    read_text(ctx, "Bon dia.");
    EXPECT_TRUE(speech.calls.isEmpty());
}

TEST_F(SpeechTest, AuditorySymbolWithWavIsPlayedInCapitalsAndAnythingElseIsSpokenInCapitals)
{
    detect(3);
    const QString wave = make_file("hola.wav");
    So_icona(ctx, "  hola.wav ");
    EXPECT_EQ(sound.calls, QStringList({"wave " + wave}));
    EXPECT_TRUE(speech.calls.isEmpty());

    sound.calls.clear();
    So_icona(ctx, " hola ");
    EXPECT_TRUE(sound.calls.isEmpty());
    EXPECT_EQ(speech.read_texts, QStringList({"HOLA"}));

    // A name stored on Windows finds the file whatever its case on disk.
    const QString bee = make_file("sons/bee.wav");
    So_icona(ctx, "sons\\Bee.wav");
    EXPECT_EQ(sound.calls, QStringList({"wave " + bee}));

    // A dot in a spoken text becomes a pause.
    speech.read_texts.clear();
    So_icona(ctx, "Sr. Pi");
    EXPECT_EQ(speech.read_texts, QStringList({"SR; PI"}));

    // Without the engine, files still play and texts are silent.
    state.tts_available = false;
    sound.calls.clear();
    speech.calls.clear();
    So_icona(ctx, "hola.wav");
    So_icona(ctx, "hola");
    EXPECT_EQ(sound.calls.size(), 1);
    EXPECT_TRUE(speech.calls.isEmpty());
}

TEST_F(SpeechTest, AnnouncementVoiceDiffersFromTheReadingVoiceAndIsRestored)
{
    struct Case {
        int32_t voices;
        int16_t tts_voice;
        QStringList calls;
    };
    const Case cases[] = {
        {3, 0, {"resume", "speaker 2", "read A", "speaker 1"}},
        {3, 1, {"resume", "speaker 1", "read A", "speaker 2"}},
        {2, 0, {"resume", "speaker 1", "read A", "speaker 1"}},
        {2, 1, {"resume", "speaker 1", "read A", "speaker 2"}},
        // One voice (or none reported): the voice is left alone, nothing divides by zero.
        {1, 0, {"resume", "read A"}},
        {1, 1, {"resume", "read A"}},
        {0, 0, {"resume", "read A"}},
    };
    for (const Case& c : cases) {
        detect(c.voices);
        state.speaker_count = c.voices;
        state.tmpl.tts_voice = c.tts_voice;
        So_icona(ctx, "a");
        EXPECT_EQ(speech.calls, c.calls) << c.voices << " voices, reading voice " << c.tts_voice;
    }
}

TEST_F(SpeechTest, ReadingAFileChecksItInTheBoardFolderAndStartsTheReaderInTheBoardLanguage)
{
    detect(3);
    const QString text = make_file("text.txt");
    read_file(ctx, "/I:c /L:1 /V:100 /F:TEXT.TXT");
    EXPECT_EQ(reader.files, QStringList({text}));
    EXPECT_EQ(reader.languages, std::vector<int16_t>({99}));
    EXPECT_TRUE(messages.texts.isEmpty());

    state.tmpl.tts_language = 1;
    read_file(ctx, "TEXT.TXT");
    EXPECT_EQ(reader.files.value(1), text);
    EXPECT_EQ(reader.languages.back(), 101);

    // A missing file is reported with its full name and the reader is not started.
    read_file(ctx, "/I:c /F:NOEXISTE.TXT");
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("Orvel no troba el fitxer "));
    EXPECT_TRUE(messages.texts[0].contains(QDir(folder.path()).filePath("NOEXISTE.TXT")));
    EXPECT_EQ(reader.files.size(), 2);

    // Without the engine a missing file is still reported, an existing one is not read.
    state.tts_available = false;
    read_file(ctx, "/F:NOEXISTE.TXT");
    read_file(ctx, "/F:TEXT.TXT");
    EXPECT_EQ(messages.texts.size(), 2);
    EXPECT_EQ(reader.files.size(), 2);
}

TEST_F(SpeechTest, MusicIsStoppedByTheNextSoundOfEitherKind)
{
    const QString first = make_file("m.mid");
    play_midi(ctx, "M.MID");
    EXPECT_EQ(state.open_midi, first);
    play_midi(ctx, "M.MID");
    EXPECT_EQ(sound.calls, QStringList({"midi " + first, "stop", "midi " + first}));

    sound.calls.clear();
    So_icona(ctx, "hola.wav");
    EXPECT_EQ(sound.calls.value(0), "stop");
    EXPECT_TRUE(state.open_midi.isEmpty());

    // A file the output cannot play leaves no music recorded as playing.
    sound.succeed = false;
    play_midi(ctx, "M.MID");
    EXPECT_TRUE(state.open_midi.isEmpty());
    sound.calls.clear();
    So_icona(ctx, "hola.wav");
    EXPECT_EQ(sound.calls.value(0).left(5), "wave ");
}

}  // namespace
}  // namespace orvel
