#include "platform/sdl/sdl_sound_input.h"

#include <SDL2/SDL.h>

#include <cstring>

namespace orvel {

namespace {
// 16 ms blocks: a word's end reaches the recogniser soon after it is spoken.
constexpr int kBlockSamples = 256;
}  // namespace

SdlSoundInput::SdlSoundInput()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return;
    }
    initialised_ = true;
}

SdlSoundInput::~SdlSoundInput()
{
    stop();
    if (initialised_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundInput::start(Sink sink)
{
    stop();
    if (!initialised_)
        return false;
    // The silent driver has no microphone, even though it would pretend to.
    const char* driver = SDL_GetCurrentAudioDriver();
    if (driver && std::strcmp(driver, "dummy") == 0) {
        error_ = QStringLiteral("no sound input (the sound system is the silent one)");
        return false;
    }
    {
        std::lock_guard lock(sink_mutex_);
        sink_ = std::move(sink);
    }
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kBlockSamples;
    wanted.callback = &SdlSoundInput::callback;
    wanted.userdata = this;
    SDL_AudioSpec got;
    device_ = SDL_OpenAudioDevice(nullptr, 1, &wanted, &got, 0);
    if (device_ == 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlSoundInput::stop()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    std::lock_guard lock(sink_mutex_);
    sink_ = nullptr;
}

bool SdlSoundInput::lost()
{
    return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
}

void SdlSoundInput::callback(void* self, uint8_t* stream, int length)
{
    auto* input = static_cast<SdlSoundInput*>(self);
    std::lock_guard lock(input->sink_mutex_);
    if (input->sink_)
        input->sink_(reinterpret_cast<const int16_t*>(stream), static_cast<size_t>(length) / sizeof(int16_t));
}

}  // namespace orvel
