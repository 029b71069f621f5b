#pragma once
// The keywords of the command language, with their Spanish aliases.
#include <QString>

namespace orvel {

enum class CommandWord {
    Unknown,
    CM, MPlus, MMinus, RM, RCW, SIM, TRIA, ESPERA, NIVELL, TANCAR,
    MOUSE, LLEGIR, LLEGEIX, CARREGA, SONA, EXECUTA, ENGANXA, REG,
};

// The command a keyword names, compared in capitals; Unknown when it names none.
// SIM is a conditional only when the executor sees it written exactly "{|SIM":
// callers that dispatch other commands must treat it as unknown.
CommandWord command_word(const QString& keyword);

// The keyword's canonical (Catalan) spelling, for messages and checks.
QString command_name(CommandWord word);

}  // namespace orvel
