#include "model/messages.h"

#include <QCoreApplication>

#include <iterator>

namespace orvel {

namespace {

struct Message {
    const char* text;
    bool translated;  // false for the words compared with what boards and voices say
};

const Message kMessages[] = {
    {QT_TRANSLATE_NOOP("Orvel", "No es pot activar el fitxer de documentació"), true},
    {QT_TRANSLATE_NOOP("Orvel", "No es pot activar el fitxer de l'imatge"), true},
    {QT_TRANSLATE_NOOP("Orvel", "Format incorrecte"), true},
    {QT_TRANSLATE_NOOP("Orvel", "Error en llegir el fitxer "), true},
    {QT_TRANSLATE_NOOP("Orvel", "Orvel ja s'està executant!"), true},
    {QT_TRANSLATE_NOOP("Orvel", "El fitxer ha estat modificat. Voleu enregistrar-lo?"), true},
    {QT_TRANSLATE_NOOP("Orvel", "    Orvel v 2.03 \r\rEquip d'Orvel\rorvel@localhost\r\r    novembre de 2002"), true},
    {QT_TRANSLATE_NOOP("Orvel", "Quant a Orvel"), true},
    {"EXECUTAR", false},
    {"Espera ", false},
    {"Nivell ", false},
    {QT_TRANSLATE_NOOP("Orvel", ">>> tria un programa"), true},
    {QT_TRANSLATE_NOOP("Orvel", ">>> ALTRES"), true},
    {QT_TRANSLATE_NOOP("Orvel", ">>> Tria una macro"), true},
    {QT_TRANSLATE_NOOP("Orvel",
                       "Teniu instal·lada una versió de Orvel anterior que no reconeix aquets format de fitxer"),
     true},
    {QT_TRANSLATE_NOOP("Orvel", "Orvel no troba el fitxer "), true},
    // The voice orders name the words of the recogniser; the training window shows them
    // through translate_caption.
    {QT_TRANSLATE_NOOP("Orvel", "AVANÇAR"), false},
    {QT_TRANSLATE_NOOP("Orvel", "RECULAR"), false},
    {QT_TRANSLATE_NOOP("Orvel", "DRETA"), false},
    {QT_TRANSLATE_NOOP("Orvel", "ESQUERRA"), false},
    {QT_TRANSLATE_NOOP("Orvel", "ACCEPTAR"), false},
};

}  // namespace

QString missatge(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kMessages)))
        return QString();
    const Message& m = kMessages[index];
    return m.translated ? QCoreApplication::translate("Orvel", m.text) : QString::fromUtf8(m.text);
}

QString translate_caption(const QString& text)
{
    return QCoreApplication::translate("Orvel", text.toUtf8().constData());
}

QString translate_command_text(const QString& text) { return text; }

}  // namespace orvel
