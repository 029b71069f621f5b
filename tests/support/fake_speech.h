#pragma once
// A speech engine that records every call, in order, as one line each:
// "language 99", "speaker 2", "speed 100", "resume", "read HOLA", "announce HOLA",
// "speakers", "wait".
#include <QString>
#include <QStringList>

#include "platform/speech_engine.h"

namespace orvel::testing {

class FakeSpeech : public SpeechEngine {
public:
    bool present() override { return is_present; }
    int32_t number_of_speakers() override
    {
        calls << QStringLiteral("speakers");
        return speakers;
    }
    void set_language(int16_t code) override { calls << QStringLiteral("language %1").arg(code); }
    void set_speaker(int16_t index) override { calls << QStringLiteral("speaker %1").arg(index); }
    void set_speed(int16_t speed) override { calls << QStringLiteral("speed %1").arg(speed); }
    void resume() override { calls << QStringLiteral("resume"); }
    void read(const QString& text) override
    {
        calls << QStringLiteral("read ") + text;
        read_texts << text;
    }
    void announce(const QString& text) override
    {
        calls << QStringLiteral("announce ") + text;
        announced << text;
    }
    bool reading_in_progress() override { return reading; }
    void wait_until_silent() override { calls << QStringLiteral("wait"); }

    bool is_present = true;
    int32_t speakers = 3;
    QStringList calls;
    QStringList read_texts;
    QStringList announced;
    bool reading = false;
};

}  // namespace orvel::testing
