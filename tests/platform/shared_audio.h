#pragma once
// The audio device and the speech engine are process-wide (SDL_mixer and espeak-ng
// each keep one state per process): the platform tests share one of each, built on
// first use. Speech samples are recorded as they come and also go to the device.
#include <atomic>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/audio/sample_sink.h"
#include "platform/audio/sdl_audio.h"
#include "platform/speech/espeak_speech_engine.h"

namespace orvel::testing {

class RecordingSink : public SampleSink {
public:
    explicit RecordingSink(SampleSink& device) : device_(device) {}

    void push_samples(const int16_t* samples, size_t count, int rate) override
    {
        {
            std::lock_guard lock(mutex_);
            recorded_.insert(recorded_.end(), samples, samples + count);
            rate_ = rate;
        }
        if (to_device)
            device_.push_samples(samples, count, rate);
    }
    void drop_pending_samples() override
    {
        {
            std::lock_guard lock(mutex_);
            recorded_.clear();
        }
        device_.drop_pending_samples();
    }
    size_t pending_samples() override { return to_device ? device_.pending_samples() : 0; }

    // Off: samples are only recorded, so a test need not wait while they are played.
    std::atomic<bool> to_device = true;

    std::vector<int16_t> take()
    {
        std::lock_guard lock(mutex_);
        return std::exchange(recorded_, {});
    }
    int rate()
    {
        std::lock_guard lock(mutex_);
        return rate_;
    }

private:
    SampleSink& device_;
    std::mutex mutex_;
    std::vector<int16_t> recorded_;
    int rate_ = 0;
};

struct SharedAudio {
    SdlAudio device;
    RecordingSink speech_samples{device};
    EspeakSpeechEngine engine{speech_samples};
};

inline SharedAudio& shared_audio()
{
    static SharedAudio audio;
    return audio;
}

}  // namespace orvel::testing
