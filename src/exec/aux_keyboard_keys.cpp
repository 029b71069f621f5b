#include "exec/aux_keyboard_keys.h"

#include <QCoreApplication>

#include "model/messages.h"

namespace orvel {

namespace {

constexpr int kLevelMessage = 10;  // "Nivell "

std::vector<AuxKey> build_keys()
{
    const char* const table[][2] = {
        // Four keys a row on the keyboard, two a line here.
        {"F12", "{F12}"},                                  {QT_TRANSLATE_NOOP("Orvel", "Ins"), "{INSERT}"},
        {QT_TRANSLATE_NOOP("Orvel", "Inici"), "{HOME}"},   {QT_TRANSLATE_NOOP("Orvel", "Re.Pg"), "{PGUP}"},
        {"F2", "{F2}"},                                    {QT_TRANSLATE_NOOP("Orvel", "Supr"), "{DEL}"},
        {QT_TRANSLATE_NOOP("Orvel", "Fi"), "{END}"},       {QT_TRANSLATE_NOOP("Orvel", "Av.Pg"), "{PGDN}"},
        {"F3", "{F3}"},                                    {"Tab", "{TAB}"},
        {QT_TRANSLATE_NOOP("Orvel", "Retr"), "{BK}"},      {"+", "{+}"},
        {"F4", "{F4}"},                                    {"Esc", "{ESC}"},
        {QT_TRANSLATE_NOOP("Orvel", " Imp.P"), "{PRTSC}"}, {QT_TRANSLATE_NOOP("Orvel", "Bloc.Desp"), "{NUMLOCK}"},
        {"F5", "{F5}"},                                    {"\u2190", "{LEFT}"},
        {"\u2191", "{UP}"},                                {"\u2192", "{RIGHT}"},
        {QT_TRANSLATE_NOOP("Orvel", "Bloq.Desp"), "{SCROLLOCK}"}, {QT_TRANSLATE_NOOP("Orvel", "Pausa"), "{BREAK}"},
        {"\u2193", "{DOWN}"},                              {"\u21b5", "{ENTER}"},
        {"F6", "{F6}"},                                    {nullptr, nullptr},
        {"F11", "{F11}"},                                  {"F10", "{F10}"},
        {"F9", "{F9}"},                                    {"F8", "{F8}"},
        {"F1", "{F1}"},                                    {"F7", "{F7}"},
    };
    std::vector<AuxKey> keys;
    int index = 0;
    for (const auto& row : table) {
        if (row[0])
            keys.push_back({index, QString::fromUtf8(row[0]), QString::fromLatin1(row[1])});
        ++index;
    }
    return keys;
}

}  // namespace

const std::vector<AuxKey>& aux_keyboard_keys()
{
    static const std::vector<AuxKey> keys = build_keys();
    return keys;
}

QString aux_picture_text(int picture, const QString& chosen_file)
{
    switch (picture) {
    case 0:
        return QStringLiteral("+");
    case 1:
        return QStringLiteral("^");
    case 2:
        return QStringLiteral("%");
    case 3:
        return QStringLiteral("{|Espera 1}");
    case kAuxLoadPicture:
        return chosen_file.isEmpty() ? QString() : QStringLiteral("{|Carrega ") + chosen_file + QLatin1Char('}');
    case kAuxExecutePicture:
        return chosen_file.isEmpty() ? QString() : QStringLiteral("{|Executa ") + chosen_file + QLatin1Char('}');
    case 6:
        return QStringLiteral("{|") + missatge(kLevelMessage) + QStringLiteral("0}");
    case 7:
        return QStringLiteral("{|") + missatge(kLevelMessage) + QStringLiteral("-1}");
    default:
        return QString();
    }
}

QString aux_picture_caption(int picture)
{
    static const char* const captions[kAuxPictures] = {
        QT_TRANSLATE_NOOP("Orvel", "Maj"),         QT_TRANSLATE_NOOP("Orvel", "Ctrl"),
        QT_TRANSLATE_NOOP("Orvel", "Alt"),         QT_TRANSLATE_NOOP("Orvel", "Espera"),
        QT_TRANSLATE_NOOP("Orvel", "Plafó..."),    QT_TRANSLATE_NOOP("Orvel", "Programa..."),
        QT_TRANSLATE_NOOP("Orvel", "Nivell 0"),    QT_TRANSLATE_NOOP("Orvel", "Nivell -1")};
    return picture >= 0 && picture < kAuxPictures ? QCoreApplication::translate("Orvel", captions[picture]) : QString();
}

QString aux_picture_description(int picture)
{
    static const char* const names[kAuxPictures] = {
        QT_TRANSLATE_NOOP("Orvel", "Majúscules (la tecla següent)"), QT_TRANSLATE_NOOP("Orvel", "Control (la tecla següent)"),
        QT_TRANSLATE_NOOP("Orvel", "Alt (la tecla següent)"),        QT_TRANSLATE_NOOP("Orvel", "Espera 1"),
        QT_TRANSLATE_NOOP("Orvel", "Carrega un plafó"),              QT_TRANSLATE_NOOP("Orvel", "Executa un programa"),
        QT_TRANSLATE_NOOP("Orvel", "Nivell 0"),                      QT_TRANSLATE_NOOP("Orvel", "Nivell -1")};
    return picture >= 0 && picture < kAuxPictures ? QCoreApplication::translate("Orvel", names[picture]) : QString();
}

FileDialogSettings aux_picture_dialog(int picture)
{
    FileDialogSettings settings;
    if (picture == kAuxLoadPicture)
        settings = command_file_dialog(2);
    else if (picture == kAuxExecutePicture)
        settings = command_file_dialog(0);
    else
        return settings;
    settings.start = StartFolder::Program;
    return settings;
}

NotationField notation_field(int open_windows)
{
    switch (open_windows) {
    case 2:
        return NotationField::AreaKeys;
    case 3:
        return NotationField::InitialKeys;
    default:
        return NotationField::BuilderParameter;
    }
}

}  // namespace orvel
