#pragma once
// WAV files (played to their end) and MIDI music (in the background) through the
// program's one audio device.
#include <QString>

#include "platform/sound_output.h"

struct _Mix_Music;

namespace orvel {

class SdlAudio;

class SdlSoundOutput : public SoundOutput {
public:
    explicit SdlSoundOutput(SdlAudio& audio);
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    bool play_wave(const QString& file) override;
    bool play_midi(const QString& file) override;
    void stop_music() override;

    // Whether the mixer still reports music (it does for a few seconds after the
    // last note, while the synthesiser's notes die away).
    bool music_playing() const;

private:
    SdlAudio& audio_;
    _Mix_Music* music_ = nullptr;
};

}  // namespace orvel
