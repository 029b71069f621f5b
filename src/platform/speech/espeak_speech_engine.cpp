#include "platform/speech/espeak_speech_engine.h"

#include <espeak-ng/espeak_ng.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/audio/sample_sink.h"

namespace orvel {

namespace {

// The synthesis hands samples over in chunks of this many milliseconds: short chunks
// let the first sound reach the device soon after a reading starts.
constexpr int kChunkMs = 20;
// Samples queued for the device beyond this many seconds make the synthesis wait.
constexpr int kMostQueuedSeconds = 5;

// The variants that make the speakers: a male voice ("Home"), a female voice ("Dona")
// and a second male voice, so that an announcement can differ from the reading voice.
constexpr const char* kVariants[EspeakSpeechEngine::kSpeakerCount] = {"", "+f2", "+m3"};

const char* language_voice(int16_t code)
{
    // Any code other than Spanish speaks Catalan, the program's own language.
    return code == 'e' ? "es" : "ca";
}

}  // namespace

EspeakSpeechEngine::EspeakSpeechEngine(SampleSink& sink) : sink_(sink)
{
    espeak_ng_InitializePath(nullptr);
    if (espeak_ng_Initialize(nullptr) != ENS_OK)
        return;
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, kChunkMs, nullptr) != ENS_OK)
        return;
    initialised_ = true;
    sample_rate_ = espeak_ng_GetSampleRate();
    espeak_SetSynthCallback(&EspeakSpeechEngine::synth_callback);
    has_voices_ = espeak_ng_SetVoiceByName("ca") == ENS_OK && espeak_ng_SetVoiceByName("es") == ENS_OK;
    worker_ = std::thread(&EspeakSpeechEngine::run_worker, this);
}

EspeakSpeechEngine::~EspeakSpeechEngine()
{
    if (!initialised_)
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        ++generation_;
        queue_.clear();
    }
    changed_.notify_all();
    worker_.join();
    espeak_ng_Terminate();
}

bool EspeakSpeechEngine::present()
{
    return initialised_ && has_voices_;
}

int32_t EspeakSpeechEngine::number_of_speakers()
{
    return present() ? kSpeakerCount : 0;
}

void EspeakSpeechEngine::set_language(int16_t code)
{
    std::lock_guard lock(mutex_);
    language_ = code;
}

void EspeakSpeechEngine::set_speaker(int16_t index)
{
    std::lock_guard lock(mutex_);
    speaker_ = index;
}

void EspeakSpeechEngine::set_speed(int16_t speed)
{
    std::lock_guard lock(mutex_);
    speed_ = speed;
}

void EspeakSpeechEngine::resume()
{
    // Nothing to do: an interrupted reading leaves no paused state behind, the next
    // reading simply starts.
}

EspeakSpeechEngine::Reading EspeakSpeechEngine::make_reading(const QString& text, bool announcement) const
{
    return Reading{text.toUtf8(), voice_name(language_, speaker_).toUtf8(), words_per_minute(speed_), announcement};
}

bool EspeakSpeechEngine::announcement_audible_locked()
{
    return current_is_announcement_ && (synthesising_ || sink_.pending_samples() > 0);
}

bool EspeakSpeechEngine::reading_audible_locked()
{
    for (const Reading& r : queue_)
        if (!r.announcement)
            return true;
    return !current_is_announcement_ && (synthesising_ || sink_.pending_samples() > 0);
}

void EspeakSpeechEngine::cut_announcement_locked()
{
    for (auto it = queue_.begin(); it != queue_.end();)
        it = it->announcement ? queue_.erase(it) : it + 1;
    if (announcement_audible_locked()) {
        ++generation_;
        // Dropped under the lock, so none of its samples can slip in after this point
        // (hand_over checks the generation).
        sink_.drop_pending_samples();
    }
}

void EspeakSpeechEngine::read(const QString& text)
{
    if (!present())
        return;
    {
        std::lock_guard lock(mutex_);
        cut_announcement_locked();
        queue_.push_back(make_reading(text, false));
    }
    changed_.notify_all();
}

void EspeakSpeechEngine::announce(const QString& text)
{
    if (!present())
        return;
    {
        std::lock_guard lock(mutex_);
        if (reading_audible_locked())
            return;  // what the person chose to say is never cut
        cut_announcement_locked();
        queue_.push_back(make_reading(text, true));
    }
    changed_.notify_all();
}

bool EspeakSpeechEngine::reading_in_progress()
{
    if (!present())
        return false;
    std::lock_guard lock(mutex_);
    return reading_audible_locked();
}

void EspeakSpeechEngine::wait_until_silent()
{
    if (!initialised_)
        return;
    // A device that stops taking samples must not hold the program forever: give up
    // when nothing has been heard for a while.
    constexpr auto kStalled = std::chrono::seconds(2);
    size_t last_pending = 0;
    auto last_progress = std::chrono::steady_clock::now();
    for (;;) {
        const size_t pending = sink_.pending_samples();
        {
            std::lock_guard lock(mutex_);
            if (queue_.empty() && !synthesising_ && pending == 0)
                break;
        }
        const auto now = std::chrono::steady_clock::now();
        if (pending != last_pending || pending == 0) {
            last_pending = pending;
            last_progress = now;
        }
        else if (now - last_progress > kStalled) {
            interrupt();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // The device still holds its last buffer.
    std::this_thread::sleep_for(std::chrono::milliseconds(2 * kChunkMs + 30));
}

void EspeakSpeechEngine::interrupt()
{
    {
        std::lock_guard lock(mutex_);
        ++generation_;
        queue_.clear();
        sink_.drop_pending_samples();
    }
    changed_.notify_all();
}

QString EspeakSpeechEngine::voice_name(int16_t language_code, int16_t speaker)
{
    const int variant = speaker <= 0 ? 0 : (speaker - 1) % kSpeakerCount;
    return QString::fromLatin1(language_voice(language_code)) + QString::fromLatin1(kVariants[variant]);
}

int EspeakSpeechEngine::words_per_minute(int16_t speed)
{
    const long scaled = std::lround(espeakRATE_NORMAL * double(speed) / 100.0);
    return int(std::clamp<long>(scaled, espeakRATE_MINIMUM, espeakRATE_MAXIMUM));
}

int EspeakSpeechEngine::synth_callback(short* samples, int count, espeak_EVENT* events)
{
    auto* engine = static_cast<EspeakSpeechEngine*>(events ? events->user_data : nullptr);
    if (!engine || !samples)
        return 0;
    return engine->hand_over(samples, count) ? 0 : 1;
}

bool EspeakSpeechEngine::hand_over(const short* samples, int count)
{
    std::unique_lock lock(mutex_);
    const auto interrupted = [this] { return stopping_ || synthesising_generation_ != generation_; };
    // Synthesis runs far ahead of speech: hold it back so a long text never queues
    // more than a few seconds of samples.
    const size_t most_pending = size_t(sample_rate_) * kMostQueuedSeconds;
    while (!interrupted() && sink_.pending_samples() > most_pending)
        changed_.wait_for(lock, std::chrono::milliseconds(kChunkMs));
    if (interrupted())
        return false;  // stop this synthesis
    if (count > 0)
        sink_.push_samples(samples, size_t(count), sample_rate_);
    return true;
}

void EspeakSpeechEngine::run_worker()
{
    for (;;) {
        Reading reading;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            reading = std::move(queue_.front());
            queue_.pop_front();
            synthesising_ = true;
            current_is_announcement_ = reading.announcement;
            synthesising_generation_ = generation_;
        }
        espeak_ng_SetVoiceByName(reading.voice.constData());
        espeak_ng_SetParameter(espeakRATE, reading.words_per_minute, 0);
        espeak_ng_Synthesize(reading.text.constData(), size_t(reading.text.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, this);
        {
            std::lock_guard lock(mutex_);
            synthesising_ = false;
        }
        changed_.notify_all();
    }
}

}  // namespace orvel
