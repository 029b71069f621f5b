#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "runtime/cursor_probe.h"
#include "runtime/voice/speech_recognition_engine.h"
#include "runtime/voice_control.h"
#include "support/fake_board.h"
#include "support/fake_sound_input.h"
#include "support/recording_voice_windows.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

// Run mode over a row of four areas (2..5 left to right) and a second row
// (6..9), with the voice method's handler wired to the board's routines.
struct VoiceBoard : RunFixture {
    QStringList messages;
    VoiceControl voice{state.profile, nullptr,
                       VoiceCalls{[this](int code, const QString& text) { run.act_butons(code, text); },
                                  [this](int key) { run.Tauvirt_KeyDown(key); },
                                  [this](const QString& text) { messages << text; }}};
    VoiceBoard()
    {
        add({root_area(0, 0, 400, 200)});
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 4; ++i)
                add({rect_area(i * 100, row * 100, i * 100 + 100, row * 100 + 100)});
    }
};

}  // namespace

TEST(VoiceOrders, EachModeActsAsItsSwitchesOrCursorKeys)
{
    // One order: automatic scanning, word 1 selects the highlighted area.
    {
        VoiceBoard f;
        f.voice.Option1_Click(0);
        EXPECT_EQ(f.state.profile.modus, 5);
        EXPECT_EQ(f.state.profile.accio1, kVoiceSwitch1);
        EXPECT_EQ(f.state.profile.accio2, 0);
        f.run.start_access_method();
        f.steps(2);
        EXPECT_EQ(f.highlighted(), 3);
        for (int word : {2, -1, 0, 33})
            f.voice.voice_message_handler(word);
        EXPECT_EQ(f.state.run_current_area, -1) << "TEST and unknown words do nothing";
        f.run.Tauvirt_KeyPress(QChar(' '));
        f.run.Tauvirt_KeyPress(QChar(13));
        EXPECT_EQ(f.state.run_current_area, -1) << "no key is a voice switch";
        f.voice.voice_message_handler(1);
        EXPECT_EQ(f.state.run_current_area, 3);
        f.run.Timer1_Timer();
        EXPECT_EQ(f.executed, std::vector<int>{3});
    }
    // Two orders: manual scanning, word 1 steps, word 2 executes at once.
    {
        VoiceBoard f;
        f.voice.Option1_Click(1);
        EXPECT_EQ(f.state.profile.modus, 6);
        EXPECT_EQ(f.state.profile.accio2, kVoiceSwitch2);
        f.run.start_access_method();
        f.voice.voice_message_handler(1);
        f.voice.voice_message_handler(1);
        f.voice.voice_message_handler(3);
        const int shown = f.highlighted();
        f.voice.voice_message_handler(2);
        EXPECT_EQ(f.executed, std::vector<int>{shown});
    }
    // Five orders: up, down, right, left, Enter on the cursor movement.
    {
        VoiceBoard f;
        f.voice.Option1_Click(2);
        EXPECT_EQ(f.state.profile.modus, 7);
        f.state.profile.joystic_retard = 10;
        f.run.start_access_method();
        EXPECT_EQ(f.state.cursor, 9);
        struct Step {
            int word, cursor;
        };
        for (Step s : {Step{1, 5}, Step{4, 4}, Step{2, 8}, Step{3, 9}, Step{6, 9}, Step{-1, 9}}) {
            f.voice.voice_message_handler(s.word);
            EXPECT_EQ(f.state.cursor, s.cursor) << "word " << s.word;
        }
        f.voice.voice_message_handler(5);
        EXPECT_EQ(f.executed, std::vector<int>{9});
        // Any other method ignores the words.
        f.state.profile.modus = 3;
        f.voice.voice_message_handler(5);
        EXPECT_EQ(f.executed, std::vector<int>{9});
    }
}

TEST(VoiceDialogRules, OptionsLengthsAcceptAndCancel)
{
    VoiceBoard f;
    UserProfile& p = f.state.profile;
    // Choosing the method keeps a voice method already chosen.
    p.modus = 6;
    f.voice.choose_voice();
    EXPECT_EQ(p.modus, 6);
    EXPECT_EQ(f.voice.recording_tenths, 5);
    p.modus = 2;
    f.voice.choose_voice();
    EXPECT_EQ(p.modus, 5);
    EXPECT_EQ(f.voice.selected_option(), 0);

    // Without an engine nothing starts and no listening is asked for.
    f.voice.Option1_Click(2);
    EXPECT_EQ(f.voice.start_recognition(), 0);
    f.voice.start_listening();
    EXPECT_EQ(f.voice.recognition_state, 0);

    struct Row {
        int16_t modus;
        int16_t temps, retard1, retard2;
    };
    for (Row r : {Row{5, 7, 7, 0}, Row{6, 7, 7, 7}, Row{7, 0, 0, 0}}) {
        p.modus = r.modus;
        p.temps = p.retard1 = p.retard2 = 0;
        f.voice.accept_dialog(QStringLiteral(" 7"), QStringLiteral("3"), 65280);
        EXPECT_EQ(p.temps, r.temps) << r.modus;
        EXPECT_EQ(p.retard1, r.retard1) << r.modus;
        EXPECT_EQ(p.retard2, r.retard2) << r.modus;
        EXPECT_EQ(p.gruix, 3);
        EXPECT_EQ(p.color, 65280);
    }
    // Once the engine started the word list stays and "Cancelar" keeps the method.
    f.voice.recognition_state = -1;
    f.voice.Option1_Click(0);
    EXPECT_EQ(p.modus, 7);
    EXPECT_EQ(f.voice.word_count, 6);
    f.voice.cancel_dialog();
    EXPECT_EQ(p.modus, 7);
    f.voice.recognition_state = 0;
    f.voice.cancel_dialog();
    EXPECT_EQ(p.modus, 0);
}

TEST(VoiceEngineStart, NoMicrophoneIsReportedAndLengthsAreClamped)
{
    ensure_application();
    UserProfile profile;
    FakeSoundInput mic;
    RecordingVoiceWindows windows;
    SpeechRecognitionEngine engine(&mic, &windows, [] { return QStringLiteral("/nonexistent/A.VEU"); }, {});
    QStringList messages;
    VoiceControl voice(profile, &engine, VoiceCalls{{}, {}, [&](const QString& t) { messages << t; }});
    voice.Option1_Click(1);

    mic.available = false;
    voice.recording_tenths = 20;
    EXPECT_EQ(voice.start_recognition(), 0);
    EXPECT_EQ(voice.recording_tenths, 14);
    EXPECT_EQ(messages, QStringList{QStringLiteral("No s'ha pogut iniciar la Dll de reconeixement de sons")});
    ASSERT_EQ(windows.messages.size(), 1);
    EXPECT_TRUE(windows.messages[0].startsWith(QStringLiteral("No s'ha trobat cap micròfon")));

    mic.available = true;
    voice.recording_tenths = 0;
    EXPECT_EQ(voice.start_recognition(), -1);
    EXPECT_EQ(voice.recording_tenths, 2);
    voice.recognition_state = -1;
    // Untrained words cannot be listened for.
    voice.start_listening();
    EXPECT_EQ(voice.recognition_state, -1);

    // A microphone that goes stops the listening with a message.
    mic.gone = true;
    QElapsedTimer waited;
    waited.start();
    while (windows.messages.size() < 2 && waited.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(windows.messages.size(), 2);
    EXPECT_TRUE(windows.messages[1].startsWith(QStringLiteral("S'ha perdut el micròfon")));
    EXPECT_FALSE(engine.microphone_open());
}
