#include "model/command_words.h"

#include "model/messages.h"

namespace orvel {

namespace {

struct Spelling {
    const char* word;
    CommandWord command;
};

constexpr Spelling kSpellings[] = {
    {"CM", CommandWord::CM},           {"M+", CommandWord::MPlus},
    {"M-", CommandWord::MMinus},       {"RM", CommandWord::RM},
    {"RCW", CommandWord::RCW},         {"SIM", CommandWord::SIM},
    {"TRIA", CommandWord::TRIA},       {"ESCOGE", CommandWord::TRIA},
    {"ESPERA", CommandWord::ESPERA},   {"NIVELL", CommandWord::NIVELL},
    {"NIVEL", CommandWord::NIVELL},    {"TANCAR", CommandWord::TANCAR},
    {"CERRAR", CommandWord::TANCAR},   {"MOUSE", CommandWord::MOUSE},
    {"LLEGIR", CommandWord::LLEGIR},   {"LEER", CommandWord::LLEGIR},
    {"LLEGEIX", CommandWord::LLEGEIX}, {"LEE", CommandWord::LLEGEIX},
    {"CARREGA", CommandWord::CARREGA}, {"CARGA", CommandWord::CARREGA},
    {"SONA", CommandWord::SONA},       {"SUENA", CommandWord::SONA},
    {"EXECUTA", CommandWord::EXECUTA}, {"EJECUTA", CommandWord::EXECUTA},
    {"ENGANXA", CommandWord::ENGANXA}, {"ENGANCHA", CommandWord::ENGANXA},
    {"REG", CommandWord::REG},
};

// Message 8 is one more spelling of EXECUTA; ESPERA and NIVELL are also compared
// with their messages, which hold the same words.
constexpr int kExecuteAliasMessage = 8;
constexpr int kWaitMessage = 9;
constexpr int kLevelMessage = 10;

}  // namespace

CommandWord command_word(const QString& keyword)
{
    const QString upper = keyword.toUpper();
    for (const Spelling& s : kSpellings)
        if (upper == QLatin1String(s.word))
            return s.command;
    if (upper == missatge(kExecuteAliasMessage).trimmed().toUpper())
        return CommandWord::EXECUTA;
    if (upper == missatge(kWaitMessage).trimmed().toUpper())
        return CommandWord::ESPERA;
    if (upper == missatge(kLevelMessage).trimmed().toUpper())
        return CommandWord::NIVELL;
    return CommandWord::Unknown;
}

QString command_name(CommandWord word)
{
    for (const Spelling& s : kSpellings)
        if (s.command == word)
            return QLatin1String(s.word);
    return QString();
}

}  // namespace orvel
