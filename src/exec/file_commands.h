#pragma once
// The commands that load boards, play sounds and paste files, and the file
// checks they share.
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

// A stored name made absolute against the board's folder (unchanged when absolute).
QString resolve_in_template_folder(const ExecContext& ctx, const QString& name);
// True when the file exists; otherwise shows "Orvel no troba el fitxer " and the name.
bool file_exists_or_warn(ExecContext& ctx, const QString& full_name);

void load_command(ExecContext& ctx, const QString& argument);   // CARREGA
void sound_command(ExecContext& ctx, const QString& argument);  // SONA
void paste_command(ExecContext& ctx, const QString& argument);  // ENGANXA

}  // namespace orvel
