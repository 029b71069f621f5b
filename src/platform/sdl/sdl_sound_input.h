#pragma once
// The microphone through SDL2's capture devices (the default one). SDL's disk
// driver (SDL_AUDIODRIVER=disk, SDL_DISKAUDIOFILEIN) reads a file of raw
// samples instead, which is how tests speak to it.
#include <mutex>

#include "platform/sound_input.h"

namespace orvel {

class SdlSoundInput : public SoundInput {
public:
    SdlSoundInput();
    ~SdlSoundInput() override;
    SdlSoundInput(const SdlSoundInput&) = delete;
    SdlSoundInput& operator=(const SdlSoundInput&) = delete;

    bool start(Sink sink) override;
    void stop() override;
    bool lost() override;
    QString error() const override { return error_; }

private:
    static void callback(void* self, uint8_t* stream, int length);

    bool initialised_ = false;
    uint32_t device_ = 0;
    std::mutex sink_mutex_;
    Sink sink_;
    QString error_;
};

}  // namespace orvel
