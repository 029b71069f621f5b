#pragma once
// "Millorar": how far apart the trained words are, pair by pair. Pairs closer
// than the engine can tell apart safely are marked, so the person retrains
// one of them (or says it differently).
#include <QDialog>

class QTableWidget;

namespace orvel {

class SpeechRecognitionEngine;

class VoiceDistancesWindow : public QDialog {
    Q_OBJECT
public:
    explicit VoiceDistancesWindow(SpeechRecognitionEngine& engine, QWidget* parent = nullptr);
    QTableWidget* table() const { return table_; }

    // Pairs nearer than this are marked as too close.
    static constexpr double kTooClose = 5.5;

private:
    QTableWidget* table_ = nullptr;
};

}  // namespace orvel
