// Speech output and the auditory symbol over recording fakes: which engine calls are
// made, in which order, with which voice, and when a sound file is played instead.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

#include "exec/exec_context.h"
#include "exec/sound_playback.h"
#include "exec/speech.h"
#include "support/fake_sound.h"
#include "support/fake_speech.h"
#include "support/fake_text_reader.h"
#include "support/recording_messages.h"
#include "support/test_files.h"

namespace orvel {
namespace {

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
        orvel::testing::write_file(path, "x");
        return path;
    }

    QTemporaryDir folder;
    OrvelState state;
    Services services;
    RunModeHooks hooks;
    ExecContext ctx{state, services, hooks};
    testing::FakeSpeech speech;
    testing::FakeSound sound;
    testing::FakeTextReader reader;
    testing::RecordingMessages messages;
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
    EXPECT_EQ((std::vector<int>{state.speaker_count, state.rotating_speaker, state.tmpl.tts_language,
                                state.tmpl.tts_voice, state.tmpl.tts_speed}),
              (std::vector<int>{3, 0, 0, 0, 100}));
    // A new template detects again: the engine has gone, speech becomes unavailable
    // and nothing is asked of it; without an engine at all, likewise.
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

TEST_F(SpeechTest, RunModeAndReadingPassTheTemplatesVoiceLanguageAndSpeed)
{
    detect(3);
    state.tmpl.tts_voice = 1;
    state.tmpl.tts_speed = 150;
    // The board's language 0 is Catalan (99), 1 is 101; anything else is left to the engine.
    for (const auto& [language, code] : {std::pair{1, 101}, std::pair{0, 99}, std::pair{7, 0}}) {
        speech.calls.clear();
        state.tmpl.tts_language = language;
        apply_template_speech(ctx);
        EXPECT_EQ(speech.calls, QStringList({"speaker 2", QString("language %1").arg(code), "speed 150"})) << language;
        // The global data dialog passes the voice's list position itself.
        speech.calls.clear();
        apply_global_data_speech(ctx);
        EXPECT_EQ(speech.calls, QStringList({"speaker 1", QString("language %1").arg(code), "speed 150"})) << language;
    }
    // Reading resumes, sets the reading voice and turns full stops into pauses.
    speech.calls.clear();
    read_text(ctx, "Bon dia. Adeu.");
    EXPECT_EQ(speech.calls, QStringList({"resume", "speaker 2", "read Bon dia; Adeu;"}));
    // Scanning asks the engine whether a reading is still heard.
    EXPECT_FALSE(reading_in_progress(ctx));
    speech.reading = true;
    EXPECT_TRUE(reading_in_progress(ctx));
    state.tts_available = false;
    EXPECT_FALSE(reading_in_progress(ctx));
}

TEST_F(SpeechTest, AuditorySymbolWithWavIsPlayedInCapitalsAndAnythingElseIsSpokenInCapitals)
{
    detect(3);
    const QString wave = make_file("hola.wav");
    So_icona(ctx, "  hola.wav ");
    EXPECT_EQ(sound.calls, QStringList({"wave " + wave}));
    EXPECT_TRUE(speech.calls.isEmpty());
    // A name stored on Windows finds the file whatever its case on disk.
    const QString bee = make_file("sons/bee.wav");
    So_icona(ctx, "sons\\Bee.wav");
    So_icona(ctx, " hola ");
    So_icona(ctx, "Sr. Pi");  // a dot in a spoken text becomes a pause
    EXPECT_EQ(sound.calls, QStringList({"wave " + wave, "wave " + bee}));
    // Announcements, which give way to readings.
    EXPECT_EQ(speech.announced, QStringList({"HOLA", "SR; PI"}));
    EXPECT_TRUE(speech.read_texts.isEmpty());
}

TEST_F(SpeechTest, WithoutTheEngineTextsAreSilentButFilesPlayAndMissingOnesAreReported)
{
    detect(3);
    make_file("hola.wav");
    make_file("text.txt");
    state.tts_available = false;
    apply_template_speech(ctx);
    apply_global_data_speech(ctx);
    read_text(ctx, "Bon dia.");
    So_icona(ctx, "hola.wav");
    So_icona(ctx, "hola");
    read_file(ctx, "/F:NOEXISTE.TXT");
    read_file(ctx, "/F:TEXT.TXT");
    EXPECT_TRUE(speech.calls.isEmpty());
    EXPECT_EQ(sound.calls.size(), 1);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(reader.files.isEmpty());
}

TEST_F(SpeechTest, AnnouncementVoiceDiffersFromTheReadingVoiceAndIsRestored)
{
    struct Case {
        int32_t voices;
        int16_t tts_voice;
        QStringList calls;
    };
    const Case cases[] = {
        {3, 0, {"resume", "speaker 2", "announce A", "speaker 1"}},
        {3, 1, {"resume", "speaker 1", "announce A", "speaker 2"}},
        {2, 0, {"resume", "speaker 1", "announce A", "speaker 1"}},
        {2, 1, {"resume", "speaker 1", "announce A", "speaker 2"}},
        // One voice (or none reported): the voice is left alone, nothing divides by zero.
        {1, 0, {"resume", "announce A"}},
        {1, 1, {"resume", "announce A"}},
        {0, 0, {"resume", "announce A"}},
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
    state.tmpl.tts_language = 1;
    read_file(ctx, "TEXT.TXT");
    // A missing file is reported with its full name and the reader is not started.
    read_file(ctx, "/I:c /F:NOEXISTE.TXT");
    EXPECT_EQ(reader.files, QStringList({text, text}));
    EXPECT_EQ(reader.languages, std::vector<int16_t>({99, 101}));
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts[0].startsWith("Orvel no troba el fitxer "));
    EXPECT_TRUE(messages.texts[0].contains(QDir(folder.path()).filePath("NOEXISTE.TXT")));
}

TEST_F(SpeechTest, MusicIsStoppedByTheNextSoundOfEitherKind)
{
    const QString first = make_file("m.mid");
    make_file("hola.wav");
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
