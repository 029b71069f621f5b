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

    // Key-text execution in progress (executor): how deeply key texts run inside
    // one another, how many commands the outermost one has run (both bound a text
    // that runs itself), and whether TANCAR has ended execution.
    int key_text_depth = 0;
    int commands_run = 0;
    bool execution_stopped = false;
    int16_t executing_area = 0;     // the area whose key text runs; 0 for the initial keys
    // Runs of keys that failed or that the target did not read in time, since start.
    int key_runs_failed = 0;

    // Scanning state shared between run mode and the commands that change it.
    int16_t scan_level = 1;
    int16_t cursor = 0;
    int16_t run_current_area = -1;  // area waiting for the execution tick; -1 none

    // Run-mode board scale and pointer state (board runtime).
    double ratio_x = 1.0;           // board pixels per template pixel, recomputed on activation
    double ratio_y = 1.0;
    QString mouse_gesture;          // "", "m", "C" or "DC": how the pointer has been used on the board
    int16_t click_x = 0;            // last click or probe point, template pixels (the editor shares it)
    int16_t click_y = 0;

    // Sound state: path of the music file playing, empty when none.
    QString open_midi;

    // Speech state: set by the engine's detection at start-up.
    bool tts_available = false;
    int32_t speaker_count = 0;
    int16_t rotating_speaker = -1;
    int16_t default_speed = 100;
};

}  // namespace orvel
