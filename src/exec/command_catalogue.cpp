#include "exec/command_catalogue.h"

#include <QCoreApplication>
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
    {QT_TRANSLATE_NOOP("Orvel", "Escriu"), "", QT_TRANSLATE_NOOP("Orvel", "Text")},
    {QT_TRANSLATE_NOOP("Orvel", "Canvi de plafó"), "{|Carrega ", QT_TRANSLATE_NOOP("Orvel", "Fitxer Orv")},
    {QT_TRANSLATE_NOOP("Orvel", "Enganxar un dibuix"), "{|Enganxa _VALOR_ }^v", QT_TRANSLATE_NOOP("Orvel", "Fitxer Gràfic")},
    {QT_TRANSLATE_NOOP("Orvel", "Enganxar un fitxer"), "{|Enganxa ", QT_TRANSLATE_NOOP("Orvel", "Fitxer text")},
    {QT_TRANSLATE_NOOP("Orvel", "Escoltar sons"), "{|Sona ", QT_TRANSLATE_NOOP("Orvel", "Fitxer so")},
    {QT_TRANSLATE_NOOP("Orvel", "Executar programes"), "{|Executa ", QT_TRANSLATE_NOOP("Orvel", "Fitxer exe")},
    {QT_TRANSLATE_NOOP("Orvel", "Exploració nivell anterior"), "{|Nivell -1", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Exploració nivell inicial"), "{|Nivell 0", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Llegir un text"), "{|Llegir ", QT_TRANSLATE_NOOP("Orvel", "Text")},
    {QT_TRANSLATE_NOOP("Orvel", "Llegir un fitxer"), "{|Llegeix /I:c /L:1 /V:100 /F:", QT_TRANSLATE_NOOP("Orvel", "Fitxer text")},
    {QT_TRANSLATE_NOOP("Orvel", "Recupera Text CarpetaWindow"), "{|RCW ", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Retard"), "{|Espera ", QT_TRANSLATE_NOOP("Orvel", "Nombre")},
    {QT_TRANSLATE_NOOP("Orvel", "Si memoria es ..."), "{|SIM ", "sim"},
    {QT_TRANSLATE_NOOP("Orvel", "Tancar tot"), "{|Tancar", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Tria "), "{|Tria ", QT_TRANSLATE_NOOP("Orvel", "Llista")},
    {QT_TRANSLATE_NOOP("Orvel", "Memòria Esborra memòria "), "{|CM ", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Memòria Posa a memoria"), "{|CM }{|M+ ", QT_TRANSLATE_NOOP("Orvel", "Text")},
    {QT_TRANSLATE_NOOP("Orvel", "Memòria Recupera de memòria"), "{|RM ", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Memòria Resta Memòria"), "{|M- ", QT_TRANSLATE_NOOP("Orvel", "Nombre")},
    {QT_TRANSLATE_NOOP("Orvel", "Memòria Suma memòria"), "{|M+ ", QT_TRANSLATE_NOOP("Orvel", "Text")},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Aixecar botó dret"), "{|Mouse AD", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Aixecar botó esquerra"), "{|Mouse AE", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Avançar"), "{|Mouse A ", QT_TRANSLATE_NOOP("Orvel", "Nombre")},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Clic dret"), "{|Mouse CD", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Clic esquerra"), "{|Mouse CE", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Dloble clic dret"), "{|Mouse 2CD", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Dloble clic esquerra"), "{|Mouse 2CE", ""},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Esquerra"), "{|Mouse E ", QT_TRANSLATE_NOOP("Orvel", "Nombre")},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Mou-te"), "{|Mouse M ", QT_TRANSLATE_NOOP("Orvel", "Cordenades")},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Punxar i arrosegar dret"), "{|Mouse PD ", QT_TRANSLATE_NOOP("Orvel", "Cordenades")},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Punxar i arrosegar esquerra"), "{|Mouse PE ", QT_TRANSLATE_NOOP("Orvel", "Cordenades")},
    {QT_TRANSLATE_NOOP("Orvel", "Mouse Retrocedir"), "{|Mouse R ", QT_TRANSLATE_NOOP("Orvel", "Nombre")},
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
    CommandMenu ordres{QString::fromUtf8(QT_TRANSLATE_NOOP("Orvel", "Ordres")), QStringLiteral("mn_or"), {}, {}, true};
    int i = 0;
    auto n = [&i](const char* menu) { return item_name(menu, i++); };
    ordres.items = {
        with_file(QT_TRANSLATE_NOOP("Orvel", "Executar programes"), n("mn_or"), "{|Executa ", "}", 0),
        with_file(QT_TRANSLATE_NOOP("Orvel", "Escoltar sons"), n("mn_or"), "{|Sona ", "}", 1),
        with_file(QT_TRANSLATE_NOOP("Orvel", "Canvi de plafó"), n("mn_or"), "{|Carrega ", "}", 2),
        with_file(QT_TRANSLATE_NOOP("Orvel", "Enganxar un text"), n("mn_or"), "{|Enganxa ", "}^v", 3),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Llegir un text"), n("mn_or"), "{|Llegir nnnnnnnnnnnnn}"),
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Orvel", "Enganxar un dibuix")), n("mn_or"), QStringLiteral("{|Enganxa "),
         QStringLiteral("}^v{RIGHT}"), CommandFileSource::GraphicsBrowser, -1},
        fixed(QT_TRANSLATE_NOOP("Orvel", "Retard"), n("mn_or"), "{|Espera 1}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Exploració nivell inicial"), n("mn_or"), "{|Nivell 0}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Exploració nivell anterior"), n("mn_or"), "{|Nivell -1}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Tancar tot"), n("mn_or"), "{|Tancar}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Tria "), n("mn_or"), "{|Tria [ x1#x2#x3]}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Si memoria es ..."), n("mn_or"), "{|SIM xxx {cert} { fals }}"),
    };

    i = 0;
    CommandMenu dret{QString::fromUtf8(QT_TRANSLATE_NOOP("Orvel", "Botó dret")), QStringLiteral("mn_boto_dret"), {}, {},
                     false};
    dret.items = {
        fixed(QT_TRANSLATE_NOOP("Orvel", "Clic dret"), n("mn_boto_dret"), "{|Mouse CD}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Doble clic dret"), n("mn_boto_dret"), "{|Mouse 2CD}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Punxar i arrosegar dret"), n("mn_boto_dret"), "{|Mouse PD x y }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Aixecar botó dret"), n("mn_boto_dret"), "{|Mouse AD}"),
    };
    i = 0;
    CommandMenu esquerra{QString::fromUtf8(QT_TRANSLATE_NOOP("Orvel", "Botó esquerra")),
                         QStringLiteral("mn_boto_esquerra"), {}, {}, false};
    esquerra.items = {
        fixed(QT_TRANSLATE_NOOP("Orvel", "Clic esquerra"), n("mn_boto_esquerra"), "{|Mouse CE}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Doble clic esquerra"), n("mn_boto_esquerra"), "{|Mouse 2CE}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Punxar i arrosegar esquerra"), n("mn_boto_esquerra"), "{|Mouse PE x y }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Aixecar botó esquerra"), n("mn_boto_esquerra"), "{|Mouse AE}"),
    };
    i = 0;
    CommandMenu ratoli{QString::fromUtf8(QT_TRANSLATE_NOOP("Orvel", "Ratolí")), QStringLiteral("mn_rata"), {},
                       {dret, esquerra}, false};
    ratoli.items = {
        fixed(QT_TRANSLATE_NOOP("Orvel", "Avançar"), n("mn_rata"), "{|Mouse A n}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Retrocedir"), n("mn_rata"), "{|Mouse R n}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Dreta"), n("mn_rata"), "{|Mouse D n}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Esquerra"), n("mn_rata"), "{|Mouse E n}"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Mou-te"), n("mn_rata"), "{|Mouse M x y }"),
    };

    i = 0;
    CommandMenu memoria{QString::fromUtf8(QT_TRANSLATE_NOOP("Orvel", "Memoria")), QStringLiteral("mn_mem"), {}, {}, false};
    memoria.items = {
        fixed(QT_TRANSLATE_NOOP("Orvel", "Posa a memoria"), n("mn_mem"), "{|CM }{|M+ abcd }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Recupera de memòria"), n("mn_mem"), "{|RM }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Esborra memòria"), n("mn_mem"), "{|CM }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Suma memòria"), n("mn_mem"), "{|M+ abcd }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Resta Memòria"), n("mn_mem"), "{|M- n }"),
        fixed(QT_TRANSLATE_NOOP("Orvel", "Recupera Text Carpeta  Window"), n("mn_mem"), "{|RCW }"),
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
        return {QCoreApplication::translate("Orvel", "Fitxers"),
                QCoreApplication::translate("Orvel", "Fitxers executable(*.EXE)|*.EXE|Tots els fixters (*.*)|*.*"),
                QStringLiteral("*.EXE"), StartFolder::Current};
    case 1:
        return {QCoreApplication::translate("Orvel", "Fitxers de so"),
                QCoreApplication::translate("Orvel", "Fitxers de so(*.WAV)|*.WAV|Fitxers de música(*.MID)|*.MID"),
                QStringLiteral("*.WAV"), StartFolder::Current};
    case 2:
        return {QCoreApplication::translate("Orvel", "Fitxer de plantilla"),
                QCoreApplication::translate("Orvel", "Teclat Pantalla Windows (*.ORV)|*.ORV"),
                QStringLiteral("*.ORV"), StartFolder::Board};
    case 3:
        return {QCoreApplication::translate("Orvel", "Fitxers de text per a enganxar"),
                QCoreApplication::translate("Orvel", "Fitxers de text (*.TXT)|*.TXT|Fitxers gràfics (*.BMP)|*.BMP|"
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
