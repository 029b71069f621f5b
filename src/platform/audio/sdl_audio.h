#pragma once
// The program's one audio device, opened once through SDL2_mixer. WAV chunks and
// MIDI music play through the mixer; speech samples are mixed into the same output
// after the mixer (a post-mix stage fed by a queue), so everything leaves through
// one device. With SDL_AUDIODRIVER=dummy or disk the device still runs in real time.
#include <QString>
#include <deque>
#include <mutex>

#include "platform/audio/sample_sink.h"

namespace orvel {

class SdlAudio : public SampleSink {
public:
    // 22050 Hz mono, the speech engine's own format, so speech needs no conversion;
    // SDL converts WAV files and music to it.
    static constexpr int kRate = 22050;

    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool is_open() const { return open_; }
    QString error() const { return error_; }

    void push_samples(const int16_t* samples, size_t count, int rate) override;
    void drop_pending_samples() override;
    size_t pending_samples() override;

private:
    bool open_device();
    static void post_mix(void* self, uint8_t* stream, int length);
    void mix_speech_into(int16_t* out, size_t count);

    bool open_ = false;
    QString error_;
    std::mutex queue_mutex_;
    std::deque<int16_t> speech_queue_;
    // Position between input samples when speech arrives at another rate.
    double resample_position_ = 0.0;
    int speech_rate_ = kRate;
};

}  // namespace orvel
