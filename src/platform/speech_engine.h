#pragma once
// The speech engine's six operations. Reading returns at once and speaks in the background.
#include <QString>
#include <cstdint>

namespace orvel {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Whether the engine started and has the Catalan and Spanish voices.
    virtual bool present() = 0;
    virtual int32_t number_of_speakers() = 0;          // upcTVGetNumberOfSpeakers
    virtual void set_language(int16_t code) = 0;       // upcTVSetLanguage: 99 'c', 101 'e', 0 other
    virtual void set_speaker(int16_t index) = 0;       // upcTVSetSpeaker
    virtual void set_speed(int16_t speed) = 0;         // upcTVSetSpeed: 100 is the normal rate
    virtual void resume() = 0;                         // upcTVResume
    virtual void read(const QString& text) = 0;        // upcTVRead
    // Blocks until nothing is being spoken (headless runs wait before they exit).
    virtual void wait_until_silent() = 0;
};

}  // namespace orvel
