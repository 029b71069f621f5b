#pragma once
// "Control del volum": the microphone's live level against the background
// noise, so the person can set the microphone before training.
#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace orvel {

class SpeechRecognitionEngine;

class VoiceLevelWindow : public QDialog {
    Q_OBJECT
public:
    explicit VoiceLevelWindow(SpeechRecognitionEngine& engine, QWidget* parent = nullptr);

    void refresh();
    QProgressBar* level() const { return level_; }

private:
    SpeechRecognitionEngine& engine_;
    QProgressBar* level_ = nullptr;
    QLabel* noise_ = nullptr;
    QTimer timer_;
};

}  // namespace orvel
