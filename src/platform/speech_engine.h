#pragma once
// The speech engine's six operations. Reading returns at once and speaks in the background.
// What the person chose to say is never cut: readings queue and are spoken whole and in
// order; the announcement of a highlighted area gives way to them.
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
    virtual void read(const QString& text) = 0;        // upcTVRead: queued after earlier readings
    // Speaks the auditory symbol of a highlighted area. Dropped while a reading is
    // queued or heard; it cuts short an earlier announcement, so scanning stays current.
    virtual void announce(const QString& text) = 0;
    // True while a reading is queued or still being heard.
    virtual bool reading_in_progress() = 0;
    // Blocks until nothing is being spoken (headless runs wait before they exit).
    virtual void wait_until_silent() = 0;
};

}  // namespace orvel
