#pragma once
// The speech engine over the espeak-ng library. Readings are synthesised on a worker
// thread and their samples handed, as they come, to the audio device; the caller never
// waits. Readings queue and are heard whole, one after the other. An announcement (the
// highlighted area) is dropped while a reading is queued or heard, and a new one cuts
// short the announcement being spoken, so a board that moves its highlight on speaks
// the new area at once; a reading cuts short an announcement too.
//
// espeak-ng keeps process-wide state: build one engine per process.
#include <espeak-ng/speak_lib.h>

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <deque>
#include <thread>

#include "platform/speech_engine.h"

namespace orvel {

class SampleSink;

class EspeakSpeechEngine : public SpeechEngine {
public:
    explicit EspeakSpeechEngine(SampleSink& sink);
    ~EspeakSpeechEngine() override;
    EspeakSpeechEngine(const EspeakSpeechEngine&) = delete;
    EspeakSpeechEngine& operator=(const EspeakSpeechEngine&) = delete;

    bool present() override;
    int32_t number_of_speakers() override;
    void set_language(int16_t code) override;
    void set_speaker(int16_t index) override;
    void set_speed(int16_t speed) override;
    void resume() override;
    void read(const QString& text) override;
    void announce(const QString& text) override;
    bool reading_in_progress() override;
    void wait_until_silent() override;

    // espeak-ng voice name for a language code and a speaker index as the board passes
    // them (speaker 1 is the template's voice 0, "Home"; 2 is voice 1, "Dona").
    static QString voice_name(int16_t language_code, int16_t speaker);
    // Words per minute for a board speed: 100 is espeak-ng's normal rate, other
    // speeds scale it, within the engine's limits.
    static int words_per_minute(int16_t speed);
    static constexpr int32_t kSpeakerCount = 3;

private:
    struct Reading {
        QByteArray text;
        QByteArray voice;
        int words_per_minute = 0;
        bool announcement = false;
    };

    static int synth_callback(short* samples, int count, espeak_EVENT* events);
    bool hand_over(const short* samples, int count);
    // Stops the reading being spoken and drops what was not yet heard.
    void interrupt();
    Reading make_reading(const QString& text, bool announcement) const;
    // With the lock held: an announcement is being synthesised or heard.
    bool announcement_audible_locked();
    // With the lock held: a reading is queued, synthesised or heard.
    bool reading_audible_locked();
    // With the lock held: stops the announcement being spoken and drops it.
    void cut_announcement_locked();
    void run_worker();

    SampleSink& sink_;
    bool initialised_ = false;
    bool has_voices_ = false;
    int sample_rate_ = 22050;

    // Settings kept until set again; read by read() on the caller's thread.
    int16_t language_ = 99;
    int16_t speaker_ = 0;
    int16_t speed_ = 100;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Reading> queue_;
    bool synthesising_ = false;
    // What is being synthesised, or was last: its samples may still be heard.
    bool current_is_announcement_ = false;
    bool stopping_ = false;
    // Raised to cut short what is being synthesised; the synthesis stops at its next chunk.
    uint64_t generation_ = 0;
    uint64_t synthesising_generation_ = 0;
    std::thread worker_;
};

}  // namespace orvel
