#include "runtime/voice/speech_recognition_engine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>

#include "platform/sound_input.h"
#include "runtime/voice/word_file.h"

namespace orvel {

namespace {
constexpr int kWatchdogMs = 500;
constexpr int kLongestTenths = 14;
}  // namespace

SpeechRecognitionEngine::SpeechRecognitionEngine(SoundInput* input, VoiceEngineWindows* windows,
                                                 std::function<QString()> word_file,
                                                 std::function<void(int)> post_message)
    : input_(input),
      windows_(windows),
      word_file_(std::move(word_file)),
      post_message_(std::move(post_message)),
      detector_([this](const std::vector<int16_t>& s, bool final) { return on_word(s, final); },
                kLongestTenths * 100)
{
    watchdog_.setInterval(kWatchdogMs);
    connect(&watchdog_, &QTimer::timeout, this, [this] { check_microphone(); });
}

SpeechRecognitionEngine::~SpeechRecognitionEngine()
{
    if (input_)
        input_->stop();
}

int SpeechRecognitionEngine::IniciarUnitReconeixementDeSons(int16_t word_count, const QString& words)
{
    QStringList list = words.split(QLatin1Char(','));
    if (word_count < 1 || list.size() < word_count)
        return 1;
    list = list.mid(0, word_count);
    matcher_.set_words(list);
    const QString file = word_file_ ? word_file_() : QString();
    if (!file.isEmpty() && QFileInfo::exists(file))
        load_words(file);
    if (!input_ || !input_->start([this](const int16_t* s, size_t n) {
            // The sound system's thread: queue the samples and wake this thread once.
            std::lock_guard lock(inbox_mutex_);
            inbox_.insert(inbox_.end(), s, s + n);
            if (!wake_pending_) {
                wake_pending_ = true;
                QMetaObject::invokeMethod(this, [this] { take_samples(); }, Qt::QueuedConnection);
            }
        })) {
        if (windows_)
            windows_->show_message(QCoreApplication::translate("Orvel", "No s'ha trobat cap micròfon: ") +
                                   (input_ ? input_->error() : QString()));
        return 2;
    }
    open_ = true;
    watchdog_.start();
    return 0;
}

bool SpeechRecognitionEngine::AssignarNumeroDeDecimesDeSegonDereconeixement(int16_t tenths)
{
    if (tenths < 2 || tenths > kLongestTenths)
        return false;
    detector_.set_longest_ms(tenths * 100);
    return true;
}

int SpeechRecognitionEngine::IniciarReconeixement()
{
    if (!open_ || !matcher_.trained())
        return 1;
    cancel_recording();
    listening_ = true;
    return 0;
}

void SpeechRecognitionEngine::PararReconeixement()
{
    listening_ = false;
}

void SpeechRecognitionEngine::IniciarEntrenament()
{
    if (windows_)
        windows_->show_training(*this);
}

void SpeechRecognitionEngine::GuardarFitxerReconeixementDeParaules()
{
    if (!windows_)
        return;
    const QString chosen = windows_->choose_word_file(word_file_ ? word_file_() : QString());
    if (!chosen.isEmpty())
        save_words(chosen);
}

void SpeechRecognitionEngine::VeureNivellDeSo()
{
    if (windows_)
        windows_->show_level(*this);
}

void SpeechRecognitionEngine::VeureFinestraGrafiques()
{
    if (windows_)
        windows_->show_distances(*this);
}

void SpeechRecognitionEngine::record_example(int index, std::function<void(bool)> done)
{
    recording_for_ = index;
    recorded_ = std::move(done);
}

void SpeechRecognitionEngine::cancel_recording()
{
    recording_for_ = 0;
    recorded_ = nullptr;
}

void SpeechRecognitionEngine::forget_examples(int index)
{
    matcher_.clear_examples(index);
}

bool SpeechRecognitionEngine::load_words(const QString& path)
{
    QString why;
    auto words = read_word_file(path, &why);
    if (!words) {
        if (windows_)
            windows_->show_message(QCoreApplication::translate("Orvel", "No s'han pogut llegir les paraules entrenades de ") + path +
                                   QStringLiteral(": ") + why);
        return false;
    }
    // Only a file of this very list replaces the words in memory.
    const auto& current = matcher_.words();
    bool same = words->size() == current.size();
    for (size_t i = 0; same && i < current.size(); ++i)
        same = (*words)[i].word == current[i].word;
    if (!same)
        return false;
    matcher_.words() = std::move(*words);
    return true;
}

bool SpeechRecognitionEngine::save_words(const QString& path)
{
    QString why;
    if (!write_word_file(path, matcher_.words(), &why)) {
        if (windows_)
            windows_->show_message(QCoreApplication::translate("Orvel", "No s'han pogut desar les paraules a ") + path +
                                   QStringLiteral(": ") + why);
        return false;
    }
    return true;
}

void SpeechRecognitionEngine::hear(const int16_t* samples, size_t count)
{
    detector_.push(samples, count);
}

void SpeechRecognitionEngine::take_samples()
{
    std::vector<int16_t> samples;
    {
        std::lock_guard lock(inbox_mutex_);
        samples.swap(inbox_);
        wake_pending_ = false;
    }
    detector_.push(samples.data(), samples.size());
}

bool SpeechRecognitionEngine::on_word(const std::vector<int16_t>& samples, bool final)
{
    if (recording_for_ > 0) {
        // An example is the whole word, never a part cut short at a pause.
        if (!final)
            return false;
        const int index = recording_for_;
        auto done = std::move(recorded_);
        cancel_recording();
        Features f = mfcc_.extract(samples);
        const bool taken = f.frames > 0;
        matcher_.add_example(index, std::move(f));
        if (done)
            done(taken);
        return true;
    }
    if (!listening_)
        return true;
    const Match m = matcher_.recognise(mfcc_.extract(samples));
    // A confident match answers at once; anything else waits for the whole word.
    if (!final && m.word < 0)
        return false;
    if (post_message_)
        post_message_(m.word);
    return true;
}

void SpeechRecognitionEngine::check_microphone()
{
    if (!open_ || !input_ || !input_->lost())
        return;
    open_ = false;
    listening_ = false;
    watchdog_.stop();
    input_->stop();
    if (windows_)
        windows_->show_message(QCoreApplication::translate("Orvel", "S'ha perdut el micròfon: el control per veu s'ha aturat."));
}

}  // namespace orvel
