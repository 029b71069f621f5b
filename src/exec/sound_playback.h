#pragma once
// Playing sound files named by boards: WAV to its end, MIDI in the background.
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

// Stops any music, plays the WAV file and returns when it has ended.
bool play_wave(ExecContext& ctx, const QString& file);
// Stops any music and starts the MIDI file; returns at once.
void play_midi(ExecContext& ctx, const QString& file);

}  // namespace orvel
