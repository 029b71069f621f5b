#include "exec/command_catalogue.h"

#include <array>

#include "model/file_names.h"

namespace orvel {

namespace {

struct CatalogueEntry {
    const char* name;
    const char* start;
    const char* parameter;
};

// The texts are UTF-8 (the names hold à, ò and ó).
constexpr std::array<CatalogueEntry, kCommandCatalogueSize> kCatalogue = {{
    {"Escriu", "", "Text"},
    {"Canvi de plafó", "{|Carrega ", "Fitxer Orv"},
    {"Enganxar un dibuix", "{|Enganxa _VALOR_ }^v", "Fitxer Gràfic"},
    {"Enganxar un fitxer", "{|Enganxa ", "Fitxer text"},
    {"Escoltar sons", "{|Sona ", "Fitxer so"},
    {"Executar programes", "{|Executa ", "Fitxer exe"},
    {"Exploració nivell anterior", "{|Nivell -1", ""},
    {"Exploració nivell inicial", "{|Nivell 0", ""},
    {"Llegir un text", "{|Llegir ", "Text"},
    {"Llegir un fitxer", "{|Llegeix /I:c /L:1 /V:100 /F:", "Fitxer text"},
    {"Recupera Text CarpetaWindow", "{|RCW ", ""},
    {"Retard", "{|Espera ", "Nombre"},
    {"Si memoria es ...", "{|SIM ", "sim"},
    {"Tancar tot", "{|Tancar", ""},
    {"Tria ", "{|Tria ", "Llista"},
    {"Memòria Esborra memòria ", "{|CM ", ""},
    {"Memòria Posa a memoria", "{|CM }{|M+ ", "Text"},
    {"Memòria Recupera de memòria", "{|RM ", ""},
    {"Memòria Resta Memòria", "{|M- ", "Nombre"},
    {"Memòria Suma memòria", "{|M+ ", "Text"},
    {"Mouse Aixecar botó dret", "{|Mouse AD", ""},
    {"Mouse Aixecar botó esquerra", "{|Mouse AE", ""},
    {"Mouse Avançar", "{|Mouse A ", "Nombre"},
    {"Mouse Clic dret", "{|Mouse CD", ""},
    {"Mouse Clic esquerra", "{|Mouse CE", ""},
    {"Mouse Dloble clic dret", "{|Mouse 2CD", ""},
    {"Mouse Dloble clic esquerra", "{|Mouse 2CE", ""},
    {"Mouse Esquerra", "{|Mouse E ", "Nombre"},
    {"Mouse Mou-te", "{|Mouse M ", "Cordenades"},
    {"Mouse Punxar i arrosegar dret", "{|Mouse PD ", "Cordenades"},
    {"Mouse Punxar i arrosegar esquerra", "{|Mouse PE ", "Cordenades"},
    {"Mouse Retrocedir", "{|Mouse R ", "Nombre"},
}};

constexpr int kShortestFileName = 5;

CommandMenuItem fixed(const char* caption, const QString& name, const char* text)
{
    return {QString::fromUtf8(caption), name, QString::fromUtf8(text), QString(), CommandFileSource::None, -1};
}

CommandMenuItem with_file(const char* caption, const QString& name, const char* before, const char* after,
                          int dialog)
{
    return {QString::fromUtf8(caption), name, QString::fromUtf8(before), QString::fromUtf8(after),
            CommandFileSource::FileDialog, dialog};
}

// Item names follow the menu's name and the item's place: mn_or_0, mn_or_1 ...
QString item_name(const char* menu, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(menu)).arg(index);
}

std::vector<CommandMenu> build_menus()
{
    CommandMenu ordres{QStringLiteral("Ordres"), QStringLiteral("mn_or"), {}, {}, true};
    int i = 0;
    auto n = [&i](const char* menu) { return item_name(menu, i++); };
    ordres.items = {
        with_file("Executar programes", n("mn_or"), "{|Executa ", "}", 0),
        with_file("Escoltar sons", n("mn_or"), "{|Sona ", "}", 1),
        with_file("Canvi de plafó", n("mn_or"), "{|Carrega ", "}", 2),
        with_file("Enganxar un text", n("mn_or"), "{|Enganxa ", "}^v", 3),
        fixed("Llegir un text", n("mn_or"), "{|Llegir nnnnnnnnnnnnn}"),
        {QString::fromUtf8("Enganxar un dibuix"), n("mn_or"), QStringLiteral("{|Enganxa "),
         QStringLiteral("}^v{RIGHT}"), CommandFileSource::GraphicsBrowser, -1},
        fixed("Retard", n("mn_or"), "{|Espera 1}"),
        fixed("Exploració nivell inicial", n("mn_or"), "{|Nivell 0}"),
        fixed("Exploració nivell anterior", n("mn_or"), "{|Nivell -1}"),
        fixed("Tancar tot", n("mn_or"), "{|Tancar}"),
        fixed("Tria ", n("mn_or"), "{|Tria [ x1#x2#x3]}"),
        fixed("Si memoria es ...", n("mn_or"), "{|SIM xxx {cert} { fals }}"),
    };

    i = 0;
    CommandMenu dret{QString::fromUtf8("Botó dret"), QStringLiteral("mn_boto_dret"), {}, {}, false};
    dret.items = {
        fixed("Clic dret", n("mn_boto_dret"), "{|Mouse CD}"),
        fixed("Doble clic dret", n("mn_boto_dret"), "{|Mouse 2CD}"),
        fixed("Punxar i arrosegar dret", n("mn_boto_dret"), "{|Mouse PD x y }"),
        fixed("Aixecar botó dret", n("mn_boto_dret"), "{|Mouse AD}"),
    };
    i = 0;
    CommandMenu esquerra{QString::fromUtf8("Botó esquerra"), QStringLiteral("mn_boto_esquerra"), {}, {}, false};
    esquerra.items = {
        fixed("Clic esquerra", n("mn_boto_esquerra"), "{|Mouse CE}"),
        fixed("Doble clic esquerra", n("mn_boto_esquerra"), "{|Mouse 2CE}"),
        fixed("Punxar i arrosegar esquerra", n("mn_boto_esquerra"), "{|Mouse PE x y }"),
        fixed("Aixecar botó esquerra", n("mn_boto_esquerra"), "{|Mouse AE}"),
    };
    i = 0;
    CommandMenu ratoli{QString::fromUtf8("Ratolí"), QStringLiteral("mn_rata"), {}, {dret, esquerra}, false};
    ratoli.items = {
        fixed("Avançar", n("mn_rata"), "{|Mouse A n}"),
        fixed("Retrocedir", n("mn_rata"), "{|Mouse R n}"),
        fixed("Dreta", n("mn_rata"), "{|Mouse D n}"),
        fixed("Esquerra", n("mn_rata"), "{|Mouse E n}"),
        fixed("Mou-te", n("mn_rata"), "{|Mouse M x y }"),
    };

    i = 0;
    CommandMenu memoria{QStringLiteral("Memoria"), QStringLiteral("mn_mem"), {}, {}, false};
    memoria.items = {
        fixed("Posa a memoria", n("mn_mem"), "{|CM }{|M+ abcd }"),
        fixed("Recupera de memòria", n("mn_mem"), "{|RM }"),
        fixed("Esborra memòria", n("mn_mem"), "{|CM }"),
        fixed("Suma memòria", n("mn_mem"), "{|M+ abcd }"),
        fixed("Resta Memòria", n("mn_mem"), "{|M- n }"),
        fixed("Recupera Text Carpeta  Window", n("mn_mem"), "{|RCW }"),
    };
    return {ordres, ratoli, memoria};
}

}  // namespace

QString command_catalogue(int index, int column)
{
    if (index < 0 || index >= kCommandCatalogueSize)
        return QString();
    const CatalogueEntry& e = kCatalogue[static_cast<size_t>(index)];
    switch (column) {
    case 0:
        return QString::fromUtf8(e.name);
    case 1:
        return QString::fromUtf8(e.start);
    case 2:
        return QString::fromUtf8(e.parameter);
    default:
        return QString();
    }
}

const std::vector<CommandMenu>& command_menus()
{
    static const std::vector<CommandMenu> menus = build_menus();
    return menus;
}

FileDialogSettings command_file_dialog(int dialog)
{
    switch (dialog) {
    case 0:
        return {QStringLiteral("Fitxers"),
                QStringLiteral("Fitxers executable(*.EXE)|*.EXE|Tots els fixters (*.*)|*.*"),
                QStringLiteral("*.EXE"), StartFolder::Current};
    case 1:
        return {QStringLiteral("Fitxers de so"),
                QStringLiteral("Fitxers de so(*.WAV)|*.WAV|Fitxers de música(*.MID)|*.MID"),
                QStringLiteral("*.WAV"), StartFolder::Current};
    case 2:
        return {QStringLiteral("Fitxer de plantilla"), QStringLiteral("Teclat Pantalla Windows (*.ORV)|*.ORV"),
                QStringLiteral("*.ORV"), StartFolder::Board};
    case 3:
        return {QStringLiteral("Fitxers de text per a enganxar"),
                QString::fromUtf8("Fitxers de text (*.TXT)|*.TXT|Fitxers gràfics (*.BMP)|*.BMP|"
                                  "Fitxers gràfics (*.WMF)|*.WMF|Fitxers gràfics (*.GIF)|*.GIF|"
                                  "Fitxers gràfics (*.JPG)|*.JPG"),
                QString(), StartFolder::Current};
    default:
        return {};
    }
}

QStringList qt_name_filters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.trimmed() == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString accept_chosen_file(const QString& chosen, const QString& board_folder)
{
    const QString name = chosen.toUpper();
    if (name.size() < kShortestFileName || name.startsWith(QLatin1Char('*')))
        return QString();
    return relative_to_folder(name, board_folder);
}

QString accept_browsed_picture(const QString& chosen, const QString& board_folder)
{
    if (file_name_part(chosen).isEmpty())
        return QString();
    return relative_to_folder(chosen, board_folder);
}

}  // namespace orvel
