#include "platform/audio/sdl_audio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QDir>
#include <QFile>
#include <algorithm>

namespace orvel {

namespace {

// Debian's General MIDI soundfont (timgm6mb-soundfont); SDL_SOUNDFONTS alone is not
// read by this SDL_mixer, an explicit Mix_SetSoundFonts is.
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                       "/usr/share/sounds/sf2/default-GM.sf2"};

// A small device buffer keeps the delay between a sample queued and a sample heard short.
constexpr int kDeviceBufferSamples = 512;

// Whether the machine seems to have somewhere to send sound: a sound server's socket or
// a sound card. Without one, probing the real drivers only fills stderr with their
// complaints, so the silent driver is taken at once.
bool sound_device_likely()
{
    if (qEnvironmentVariableIsSet("SDL_AUDIODRIVER") || qEnvironmentVariableIsSet("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()
        && (QFile::exists(runtime + QStringLiteral("/pulse/native")) || QFile::exists(runtime + QStringLiteral("/pipewire-0"))))
        return true;
    return !QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcm*")}, QDir::System).isEmpty();
}

int16_t saturate(int32_t value)
{
    return static_cast<int16_t>(std::clamp<int32_t>(value, INT16_MIN, INT16_MAX));
}

}  // namespace

SdlAudio::SdlAudio()
{
    Mix_Init(MIX_INIT_MID);
    for (const char* font : kSoundFonts) {
        if (QFile::exists(QString::fromUtf8(font))) {
            Mix_SetSoundFonts(font);
            break;
        }
    }
    // Without a sound card the dummy driver keeps real timings, so boards behave the same.
    if (!sound_device_likely())
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    open_ = open_device();
    if (!open_) {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        open_ = open_device();
    }
    if (!open_) {
        Mix_Quit();
        return;
    }
    Mix_SetPostMix(&SdlAudio::post_mix, this);
}

bool SdlAudio::open_device()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error_ = QString::fromUtf8(SDL_GetError());
        return false;
    }
    // No allowed changes: SDL converts to the device if it differs, and the post-mix
    // stage always sees 16-bit mono at kRate.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 1, kDeviceBufferSamples, nullptr, 0) != 0) {
        error_ = QString::fromUtf8(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

SdlAudio::~SdlAudio()
{
    if (!open_)
        return;
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::push_samples(const int16_t* samples, size_t count, int rate)
{
    // Without a device nothing would ever drain the queue.
    if (!open_)
        return;
    std::lock_guard lock(queue_mutex_);
    if (speech_queue_.empty()) {
        speech_rate_ = rate > 0 ? rate : kRate;
        resample_position_ = 0.0;
    }
    speech_queue_.insert(speech_queue_.end(), samples, samples + count);
}

void SdlAudio::drop_pending_samples()
{
    std::lock_guard lock(queue_mutex_);
    speech_queue_.clear();
    resample_position_ = 0.0;
}

size_t SdlAudio::pending_samples()
{
    std::lock_guard lock(queue_mutex_);
    return speech_queue_.size();
}

void SdlAudio::post_mix(void* self, uint8_t* stream, int length)
{
    static_cast<SdlAudio*>(self)->mix_speech_into(reinterpret_cast<int16_t*>(stream),
                                                  static_cast<size_t>(length) / sizeof(int16_t));
}

void SdlAudio::mix_speech_into(int16_t* out, size_t count)
{
    std::lock_guard lock(queue_mutex_);
    if (speech_queue_.empty())
        return;
    if (speech_rate_ == kRate) {
        const size_t n = std::min(count, speech_queue_.size());
        for (size_t i = 0; i < n; ++i)
            out[i] = saturate(int32_t(out[i]) + speech_queue_[i]);
        speech_queue_.erase(speech_queue_.begin(), speech_queue_.begin() + long(n));
        return;
    }
    // Another rate: step through the queue by the rate ratio (nearest sample).
    const double step = double(speech_rate_) / kRate;
    size_t i = 0;
    for (; i < count; ++i) {
        const size_t index = size_t(resample_position_);
        if (index >= speech_queue_.size())
            break;
        out[i] = saturate(int32_t(out[i]) + speech_queue_[index]);
        resample_position_ += step;
    }
    const size_t used = std::min(size_t(resample_position_), speech_queue_.size());
    speech_queue_.erase(speech_queue_.begin(), speech_queue_.begin() + long(used));
    resample_position_ -= double(used);
}

}  // namespace orvel
