#pragma once
// The recognition engine's own windows, opened modally over the voice dialog.
#include "runtime/voice/speech_recognition_engine.h"

class QWidget;

namespace orvel {

class MessageBoxes;

class QtVoiceEngineWindows : public VoiceEngineWindows {
public:
    QtVoiceEngineWindows(QWidget* parent, MessageBoxes& messages) : parent_(parent), messages_(messages) {}
    void show_training(SpeechRecognitionEngine& engine) override;
    void show_level(SpeechRecognitionEngine& engine) override;
    void show_distances(SpeechRecognitionEngine& engine) override;
    QString choose_word_file(const QString& suggested) override;
    void show_message(const QString& text) override;

private:
    QWidget* parent_;
    MessageBoxes& messages_;
};

}  // namespace orvel
