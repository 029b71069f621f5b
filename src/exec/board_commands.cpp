#include "exec/board_commands.h"

#include "exec/file_commands.h"
#include "exec/registry.h"
#include "exec/speech.h"

namespace orvel {

void BoardCommands::read_text(const QString& text) { orvel::read_text(ctx_, text); }
void BoardCommands::read_file(const QString& argument) { orvel::read_file(ctx_, argument); }
void BoardCommands::load_command(const QString& argument) { orvel::load_command(ctx_, argument); }
void BoardCommands::sound_command(const QString& argument) { orvel::sound_command(ctx_, argument); }
void BoardCommands::paste_command(const QString& argument) { orvel::paste_command(ctx_, argument); }
void BoardCommands::registry_command(const QString& argument) { orvel::registry_command(ctx_, argument); }

}  // namespace orvel
