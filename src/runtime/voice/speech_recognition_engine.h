#pragma once
// The speech recognition engine behind the calls the voice method makes: it
// listens to the microphone, finds spoken words, learns the person's own words
// in training and, while listening, reports each word it hears by its index in
// the list (1-based), or -1 when the sound was no word of the list. Its own
// windows (training, sound level, word distances, the save dialog) are the
// VoiceEngineWindows the program gives it.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <mutex>
#include <vector>

#include "runtime/voice/mfcc.h"
#include "runtime/voice/word_detector.h"
#include "runtime/voice/word_matcher.h"

namespace orvel {

class SoundInput;
class SpeechRecognitionEngine;

class VoiceEngineWindows {
public:
    virtual ~VoiceEngineWindows() = default;
    virtual void show_training(SpeechRecognitionEngine& engine) = 0;
    virtual void show_level(SpeechRecognitionEngine& engine) = 0;
    virtual void show_distances(SpeechRecognitionEngine& engine) = 0;
    // The file to save the words to, starting at `suggested`; empty when cancelled.
    virtual QString choose_word_file(const QString& suggested) = 0;
    virtual void show_message(const QString& text) = 0;
};

class SpeechRecognitionEngine : public QObject {
public:
    // `post_message` receives each recognised word's index (or -1) on the
    // user-interface thread. `word_file` names the file of trained words of
    // the person using Orvel at the time the engine starts.
    SpeechRecognitionEngine(SoundInput* input, VoiceEngineWindows* windows, std::function<QString()> word_file,
                            std::function<void(int word)> post_message);
    ~SpeechRecognitionEngine() override;

    // The library's calls.
    int IniciarUnitReconeixementDeSons(int16_t word_count, const QString& words);
    float NumeroVersio() const { return 1.0f; }
    bool AssignarNumeroDeDecimesDeSegonDereconeixement(int16_t tenths);
    int IniciarReconeixement();
    void PararReconeixement();
    void IniciarEntrenament();
    void GuardarFitxerReconeixementDeParaules();
    void VeureNivellDeSo();
    void VeureFinestraGrafiques();

    // For the engine's windows.
    const WordMatcher& matcher() const { return matcher_; }
    // The next word heard becomes an example of word `index` (1-based); `done`
    // is told whether it was taken.
    void record_example(int index, std::function<void(bool taken)> done);
    void cancel_recording();
    void forget_examples(int index);
    double level_db() const { return detector_.level_db(); }
    double noise_db() const { return detector_.noise_db(); }
    bool listening() const { return listening_; }
    bool microphone_open() const { return open_; }

    // Reads the person's word file when it holds this word list; a broken file
    // is refused with a message and the words in memory are kept.
    bool load_words(const QString& path);
    bool save_words(const QString& path);

    // Samples at 16 kHz as if they came from the microphone (on this thread).
    void hear(const int16_t* samples, size_t count);

private:
    void take_samples();
    bool on_word(const std::vector<int16_t>& samples, bool final);
    void check_microphone();

    SoundInput* input_;
    VoiceEngineWindows* windows_;
    std::function<QString()> word_file_;
    std::function<void(int)> post_message_;
    MfccExtractor mfcc_;
    WordMatcher matcher_;
    WordDetector detector_;
    QTimer watchdog_;
    bool open_ = false;
    bool listening_ = false;
    int recording_for_ = 0;
    std::function<void(bool)> recorded_;

    std::mutex inbox_mutex_;
    std::vector<int16_t> inbox_;
    bool wake_pending_ = false;
};

}  // namespace orvel
