#pragma once
// The process-wide records, in one object that the main window (or a headless
// command) owns and hands to the code that needs it. No hidden globals: a test
// builds a fresh one.
#include <QString>
#include <cstdint>

#include "model/catalogue.h"
#include "model/folders.h"
#include "model/template.h"
#include "model/user_profile.h"

namespace orvel {

struct OrvelState {
    Folders folders;
    Template tmpl;
    UserProfile profile;
    Catalogue catalogue;

    // Target window and the stack of earlier targets ("HEX " entries, most recent first).
    int64_t target_window = 0;
    QString target_stack;

    // The command language's memory register.
    QString memory;

    // Scanning state shared between run mode and the commands that change it.
    int16_t scan_level = 1;
    int16_t cursor = 0;
    int16_t run_current_area = -1;  // area waiting for the execution tick; -1 none

    // Sound state: path of the music file playing, empty when none.
    QString open_midi;

    // Speech state: set by the engine's detection at start-up.
    bool tts_available = false;
    int32_t speaker_count = 0;
    int16_t rotating_speaker = -1;
    int16_t default_speed = 100;
};

}  // namespace orvel
