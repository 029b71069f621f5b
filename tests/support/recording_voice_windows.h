#pragma once
// The recognition engine's windows, recorded instead of shown.
#include <QString>
#include <QStringList>

#include "runtime/voice/speech_recognition_engine.h"

namespace orvel::testing {

class RecordingVoiceWindows : public VoiceEngineWindows {
public:
    void show_training(SpeechRecognitionEngine&) override { shown << QStringLiteral("training"); }
    void show_level(SpeechRecognitionEngine&) override { shown << QStringLiteral("level"); }
    void show_distances(SpeechRecognitionEngine&) override { shown << QStringLiteral("distances"); }
    QString choose_word_file(const QString&) override { return chosen; }
    void show_message(const QString& text) override { messages << text; }

    QStringList shown;     // the windows opened, in order
    QStringList messages;  // the engine's own messages
    QString chosen;        // the answer of the save dialog
};

}  // namespace orvel::testing
