#pragma once
// Sound files through the one audio device.
#include <QString>

namespace orvel {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a WAV file and returns when it has ended; false when it cannot be played.
    virtual bool play_wave(const QString& file) = 0;
    // Starts a MIDI file in the background, replacing any music playing; false on failure.
    virtual bool play_midi(const QString& file) = 0;
    virtual void stop_music() = 0;
};

}  // namespace orvel
