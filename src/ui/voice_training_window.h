#pragma once
// The engine's training window: the words of the list with how many examples
// each has; the chosen word is shown large, "Gravar" takes the next word the
// person says as an example of it, "Esborrar" forgets its examples so that a
// word too close to another can be trained again.
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace orvel {

class SpeechRecognitionEngine;

class VoiceTrainingWindow : public QDialog {
    Q_OBJECT
public:
    explicit VoiceTrainingWindow(SpeechRecognitionEngine& engine, QWidget* parent = nullptr);
    ~VoiceTrainingWindow() override;

    void record_Click();
    void forget_Click();
    QListWidget* words() const { return words_; }
    QLabel* prompt() const { return prompt_; }

private:
    void show_words();

    SpeechRecognitionEngine& engine_;
    QListWidget* words_ = nullptr;
    QLabel* prompt_ = nullptr;
    QPushButton* record_ = nullptr;
};

}  // namespace orvel
