#include "exec/send_failure_message.h"

#include <QCoreApplication>

#include "exec/executor.h"
#include "platform/keys/key_notation.h"

namespace orvel {

namespace {

// The brace group around the parser's fault position ("{NOSUCHKEY}", "{a x}").
QString group_at(const QString& run, int position)
{
    if (position < 0 || position >= run.size())
        return {};
    const qsizetype open = run.lastIndexOf(QLatin1Char('{'), position);
    if (open < 0)
        return {};
    const qsizetype close = run.indexOf(QLatin1Char('}'), open + 1);
    return close < 0 ? run.mid(open) : run.mid(open, close - open + 1);
}

QString meaning(int code, const QString& run)
{
    const ParsedKeys parsed = parse_key_notation(run);
    const QString group = group_at(run, parsed.error_position);
    switch (code) {
    case key_error_unknown_key_name:
        return QCoreApplication::translate("Orvel", "%1 no és el nom de cap tecla")
            .arg(group.isEmpty() ? QCoreApplication::translate("Orvel", "un nom") : group);
    case key_error_unclosed_brace:
        return QCoreApplication::translate("Orvel", "hi ha una clau { sense tancar o una } de més");
    case key_error_unbalanced_parenthesis:
        return QCoreApplication::translate("Orvel", "hi ha un parèntesi sense parella");
    case key_error_bad_repeat_count:
        return QCoreApplication::translate("Orvel", "el nombre de repeticions de %1 no és un nombre de 0 a %2")
            .arg(group.isEmpty() ? QCoreApplication::translate("Orvel", "una tecla") : group)
            .arg(max_repeat_count);
    case key_error_dangling_modifier:
        return QCoreApplication::translate("Orvel", "un modificador (+ ^ %) no té cap tecla al darrere");
    case key_error_too_many_keys:
        return QCoreApplication::translate("Orvel", "són més de %1 tecles seguides").arg(max_strokes_per_run);
    case key_error_no_display:
        return QCoreApplication::translate("Orvel", "no hi ha pantalla X o no té l'extensió XTest");
    case key_error_no_free_keycode:
        return QCoreApplication::translate(
            "Orvel", "un caràcter no és a cap tecla del teclat i no queda cap tecla lliure per fer-lo servir");
    case key_error_target_not_reading:
        return QCoreApplication::translate(
            "Orvel", "la finestra no havia llegit a temps les tecles anteriors i la resta no s'ha escrit");
    case kActivationFailedCode:
        return QCoreApplication::translate("Orvel", "no s'ha pogut activar la finestra que rep les tecles");
    default:
        return QCoreApplication::translate("Orvel", "error desconegut");
    }
}

}  // namespace

QString send_failure_message(int code, const QString& run, int area)
{
    const QString where = area > 0 ? QCoreApplication::translate("Orvel", "l'àrea %1").arg(area)
                                   : QCoreApplication::translate("Orvel", "les tecles inicials del plafó");
    return QCoreApplication::translate("Orvel", "Error %1 en enviar les tecles «%2» de %3: %4.")
        .arg(code)
        .arg(run, where, meaning(code, run));
}

}  // namespace orvel
