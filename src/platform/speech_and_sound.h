#pragma once
// The real speech and sound back ends, built together because they share the one
// audio device: WAV and MIDI playback, the espeak-ng engine and the outside reader.
#include "platform/audio/sdl_audio.h"
#include "platform/audio/sdl_sound_output.h"
#include "platform/speech/espeak_speech_engine.h"
#include "platform/speech/espeak_text_reader.h"

namespace orvel {

struct Services;

class SpeechAndSound {
public:
    SpeechAndSound() = default;
    SpeechAndSound(const SpeechAndSound&) = delete;
    SpeechAndSound& operator=(const SpeechAndSound&) = delete;

    // Points the sound, speech and text-reader services at these back ends.
    void install(Services& services);
    // Before a headless run exits: lets the speech end and stops the music.
    void finish();

private:
    SdlAudio audio_;
    SdlSoundOutput sound_{audio_};
    EspeakSpeechEngine speech_{audio_};
    EspeakTextReader reader_;
};

}  // namespace orvel
