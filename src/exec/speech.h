#pragma once
// Speech output: the engine's start-up, reading texts and files, and the
// auditory symbol of an area (a WAV file played or a short text spoken).
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

// Detects the engine and sets the speech state and the template's speech fields.
void tts_init(ExecContext& ctx);
// Passes the template's language, voice and speed to the engine (entering run mode).
void apply_template_speech(ExecContext& ctx);
// Passes the settings just accepted in the global data dialog: the same, but with
// the voice's list position as the speaker (the next reading sets its own).
void apply_global_data_speech(ExecContext& ctx);
// Readings queue: each is heard whole, after the ones before it.
void read_text(ExecContext& ctx, const QString& text);       // LLEGIR
void read_file(ExecContext& ctx, const QString& argument);   // LLEGEIX
// An auditory symbol: a spoken one gives way to a reading (it is dropped then).
void So_icona(ExecContext& ctx, const QString& text);
// A reading is queued or still heard: automatic scanning waits for it.
bool reading_in_progress(ExecContext& ctx);

}  // namespace orvel
