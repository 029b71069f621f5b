#pragma once
// The voice method: the word lists of one, two or five orders, starting the
// recognition engine, what a recognised word does on the board, and the rules
// of the voice dialog `veu`. The engine itself is SpeechRecognitionEngine.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "model/user_profile.h"

namespace orvel {

class SpeechRecognitionEngine;

// The switch actions of the voice orders: no key or mouse event produces them.
inline constexpr int16_t kVoiceSwitch1 = 1000;
inline constexpr int16_t kVoiceSwitch2 = 1001;
inline constexpr int kWordSlots = 33;

// What a recognised word acts on (the board's own routines).
struct VoiceCalls {
    std::function<void(int code, const QString& text)> act_butons;
    std::function<void(int key_code)> key_down;
    std::function<void(const QString& text)> show_message;
};

class VoiceControl {
public:
    // `engine` is null when there is none (then training stays unavailable).
    VoiceControl(UserProfile& profile, SpeechRecognitionEngine* engine, VoiceCalls calls);

    bool engine_present() const { return engine_ != nullptr; }
    SpeechRecognitionEngine* engine() const { return engine_; }

    // "1 Ordre", "2 Ordres", "5 Ordres" (index 0..2): only before the engine started.
    void Option1_Click(int index);
    // Starts the engine on the word list: 0 when it did not start, otherwise the
    // engine's answer to the recording length (-1 accepted).
    int16_t start_recognition();
    // A word reported by the engine: its index (1-based), -1 for none.
    void voice_message_handler(int word);

    // Choosing "&Veu" in the access-method menu (before its dialog opens).
    void choose_voice();
    // Run mode started, or the method was chosen in run mode: listen.
    void start_listening();
    // Run mode ended, or the access-method menu is used: stop listening.
    void stop_listening();

    // The dialog's "Acceptar" (the boxes as typed) and "Cancelar".
    void accept_dialog(const QString& retard, const QString& gruix, double color);
    void cancel_dialog();
    // The option matching `modus` (0..2), -1 when it is no voice method.
    int selected_option() const;

    std::array<QString, kWordSlots> word_list;
    int16_t word_count = 0;
    int16_t recording_tenths = 0;  // "Dècimes de registre"
    int16_t recognition_state = 0; // 0 not started, -1 started, -2 listening
    float version = 0;

private:
    UserProfile& profile_;
    SpeechRecognitionEngine* engine_;
    VoiceCalls calls_;
};

}  // namespace orvel
