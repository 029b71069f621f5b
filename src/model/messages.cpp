#include "model/messages.h"

#include <QStringList>

namespace orvel {

namespace {

const QStringList& message_table()
{
    static const QStringList table = {
        QStringLiteral("No es pot activar el fitxer de documentació"),
        QStringLiteral("No es pot activar el fitxer de l'imatge"),
        QStringLiteral("Format incorrecte"),
        QStringLiteral("Error en llegir el fitxer "),
        QStringLiteral("Orvel ja s'està executant!"),
        QStringLiteral("El fitxer ha estat modificat. Voleu enregistrar-lo?"),
        QStringLiteral("    Orvel v 2.03 \r\r") + QStringLiteral("Equip d'Orvel\r") +
            QStringLiteral("orvel@localhost\r\r") + QStringLiteral("    novembre de 2002"),
        QStringLiteral("Quant a Orvel"),
        QStringLiteral("EXECUTAR"),
        QStringLiteral("Espera "),
        QStringLiteral("Nivell "),
        QStringLiteral(">>> tria un programa"),
        QStringLiteral(">>> ALTRES"),
        QStringLiteral(">>> Tria una macro"),
        QStringLiteral("Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer"),
        QStringLiteral("Orvel no troba el fitxer "),
        QStringLiteral("AVANÇAR"),
        QStringLiteral("RECULAR"),
        QStringLiteral("DRETA"),
        QStringLiteral("ESQUERRA"),
        QStringLiteral("ACCEPTAR"),
    };
    return table;
}

}  // namespace

QString missatge(int index)
{
    const QStringList& table = message_table();
    return (index >= 0 && index < table.size()) ? table[index] : QString();
}

QString translate_caption(const QString& text) { return text; }
QString translate_command_text(const QString& text) { return text; }

}  // namespace orvel
