#pragma once
// The microphone: 16 kHz mono samples handed to a sink as they arrive.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace orvel {

class SoundInput {
public:
    static constexpr int kRate = 16000;
    // Called on the sound system's own thread.
    using Sink = std::function<void(const int16_t* samples, size_t count)>;

    virtual ~SoundInput() = default;
    // Starts delivering samples; false (with error()) when there is no microphone.
    virtual bool start(Sink sink) = 0;
    virtual void stop() = 0;
    // True once a started microphone has gone (unplugged, sound server ended).
    virtual bool lost() = 0;
    virtual QString error() const = 0;
};

}  // namespace orvel
