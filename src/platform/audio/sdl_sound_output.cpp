#include "platform/audio/sdl_sound_output.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QFileInfo>

#include "platform/audio/sdl_audio.h"

namespace orvel {

namespace {
// How often a blocking WAV playback looks whether its channel has ended.
constexpr Uint32 kPollMs = 5;
// A WAV file is loaded whole: larger files (ten minutes of CD sound and more) are
// refused rather than filling the memory.
constexpr qint64 kLargestWave = qint64(100) * 1024 * 1024;
}  // namespace

SdlSoundOutput::SdlSoundOutput(SdlAudio& audio) : audio_(audio) {}

SdlSoundOutput::~SdlSoundOutput()
{
    stop_music();
}

bool SdlSoundOutput::play_wave(const QString& file)
{
    if (!audio_.is_open() || QFileInfo(file).size() > kLargestWave)
        return false;
    Mix_Chunk* chunk = Mix_LoadWAV(file.toLocal8Bit().constData());
    if (!chunk)
        return false;
    const int channel = Mix_PlayChannel(-1, chunk, 0);
    if (channel < 0) {
        Mix_FreeChunk(chunk);
        return false;
    }
    // Playing a WAV blocks the caller until the sound has ended, as boards expect.
    while (Mix_Playing(channel))
        SDL_Delay(kPollMs);
    Mix_FreeChunk(chunk);
    return true;
}

bool SdlSoundOutput::play_midi(const QString& file)
{
    stop_music();
    if (!audio_.is_open())
        return false;
    music_ = Mix_LoadMUS(file.toLocal8Bit().constData());
    if (!music_)
        return false;
    if (Mix_PlayMusic(music_, 1) != 0) {
        stop_music();
        return false;
    }
    return true;
}

void SdlSoundOutput::stop_music()
{
    if (!music_)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

bool SdlSoundOutput::music_playing() const
{
    return music_ && Mix_PlayingMusic();
}

}  // namespace orvel
