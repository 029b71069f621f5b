#include "exec/aux_keyboard_keys.h"

#include "model/messages.h"

namespace orvel {

namespace {

constexpr int kLevelMessage = 10;  // "Nivell "

std::vector<AuxKey> build_keys()
{
    const char* const table[][2] = {
        {"F12", "{F12}"},        {"Ins", "{INSERT}"},     {"Inici", "{HOME}"},      {"Re.Pg", "{PGUP}"},
        {"F2", "{F2}"},          {"Supr", "{DEL}"},       {"Fi", "{END}"},          {"Av.Pg", "{PGDN}"},
        {"F3", "{F3}"},          {"Tab", "{TAB}"},        {"Retr", "{BK}"},         {"+", "{+}"},
        {"F4", "{F4}"},          {"Esc", "{ESC}"},        {" Imp.P", "{PRTSC}"},    {"Bloc.Desp", "{NUMLOCK}"},
        {"F5", "{F5}"},          {"\u2190", "{LEFT}"},    {"\u2191", "{UP}"},       {"\u2192", "{RIGHT}"},
        {"Bloq.Desp", "{SCROLLOCK}"}, {"Pausa", "{BREAK}"}, {"\u2193", "{DOWN}"},   {"\u21b5", "{ENTER}"},
        {"F6", "{F6}"},          {nullptr, nullptr},      {"F11", "{F11}"},         {"F10", "{F10}"},
        {"F9", "{F9}"},          {"F8", "{F8}"},          {"F1", "{F1}"},           {"F7", "{F7}"},
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
    static const char* const captions[kAuxPictures] = {"Maj", "Ctrl", "Alt", "Espera", "Plafó...", "Programa...",
                                                       "Nivell 0", "Nivell -1"};
    return picture >= 0 && picture < kAuxPictures ? QString::fromUtf8(captions[picture]) : QString();
}

QString aux_picture_description(int picture)
{
    static const char* const names[kAuxPictures] = {
        "Majúscules (la tecla següent)", "Control (la tecla següent)", "Alt (la tecla següent)", "Espera 1",
        "Carrega un plafó",              "Executa un programa",        "Nivell 0",               "Nivell -1"};
    return picture >= 0 && picture < kAuxPictures ? QString::fromUtf8(names[picture]) : QString();
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
