#include "model/catalogue.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

#include "model/file_names.h"
#include "model/ini_file.h"

namespace orvel {

namespace {

const QString kStartSection = QStringLiteral("Inici");
constexpr int kValueBuffer = 512;

QString value_of(const QHash<QString, QString>& section, int number, const char* key)
{
    return section.value((QString::number(number) + QLatin1String(key)).toCaseFolded());
}

int count_of(const QHash<QString, QString>& section, const char* key)
{
    const int n = rounded_int16(leading_number(section.value(QString::fromLatin1(key).toCaseFolded())));
    return std::clamp(n, 0, kMaxCatalogueCount);
}

// The path of an existing executable file, or "".
QString existing_executable(const QString& name, const QString& folder)
{
    if (name.trimmed().isEmpty())
        return QString();
    const QString found = resolve_stored_name(name.trimmed(), folder);
    return QFileInfo(found).isFile() ? found : QString();
}

}  // namespace

void load_program_catalogue(Catalogue& catalogue, const Folders& folders, const QString& current_folder,
                            const ProgidExe& progid_exe)
{
    catalogue.programs.clear();
    catalogue.program_lookup.clear();
    catalogue.file_path.clear();

    const QString path = folders.find_readable(folders.config, QLatin1String(kCatalogueFileName));
    const IniFile ini(path);
    const QHash<QString, QString> start = ini.read_section(kStartSection, kValueBuffer);
    if (start.value(QStringLiteral("versio")) != QLatin1String("MAC1"))
        return;
    catalogue.file_path = path;

    const int n = count_of(start, "N_Prog");
    catalogue.programs.resize(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        CatalogueProgram& program = catalogue.programs[static_cast<size_t>(i - 1)];
        program.title = value_of(start, i, "PROG");
        program.section = value_of(start, i, "codi");
        program.file = file_name_part(value_of(start, i, "cami")).toUpper();
        program.identifier = file_name_part(value_of(start, i, "REG")).toUpper();

        // With an identifier the registered path is the executable; without one the file
        // name is looked for in the current folder. The lookup holds the file found, with
        // its full path in its own letter case, so that exactly that program is started.
        const QString wanted = program.identifier.isEmpty()
                                   ? program.file
                                   : (progid_exe ? progid_exe(program.identifier).trimmed() : QString());
        const QString found = existing_executable(wanted, current_folder);
        const QString executable = found.isEmpty() ? QString() : QFileInfo(found).absoluteFilePath();
        // A "|" inside a path would break the lookup text apart.
        if (executable.isEmpty() || executable.contains(QLatin1Char('|')))
            continue;
        catalogue.program_lookup += QLatin1Char('|') + QFileInfo(found).fileName().toUpper() + QLatin1Char('|') +
                                    executable;
    }
    if (!catalogue.program_lookup.isEmpty())
        catalogue.program_lookup += QLatin1Char('|');
}

void load_macros(Catalogue& catalogue, const QString& section)
{
    catalogue.macros.clear();
    if (catalogue.file_path.isEmpty())
        return;
    const IniFile ini(catalogue.file_path);
    const QHash<QString, QString> values = ini.read_section(section, kValueBuffer);
    const int m = count_of(values, "N_macro");
    catalogue.macros.resize(static_cast<size_t>(m));
    for (int j = 1; j <= m; ++j) {
        CatalogueMacro& macro = catalogue.macros[static_cast<size_t>(j - 1)];
        macro.title = value_of(values, j, "titol");
        macro.keys = value_of(values, j, "tecles");
        macro.sound = value_of(values, j, "so");
        macro.icon = value_of(values, j, "icona");
    }
}

bool choose_program(Catalogue& catalogue, int k)
{
    if (k < 1 || k > static_cast<int>(catalogue.programs.size()))
        return false;
    const CatalogueProgram& program = catalogue.programs[static_cast<size_t>(k - 1)];
    load_macros(catalogue, program.section);
    catalogue.macros_title = program.title;
    return true;
}

bool choose_macro(const Catalogue& catalogue, int k, int16_t current_area, const QString& program_folder,
                  MacroPanelFields& fields)
{
    if (current_area == 0 || k < 1 || k > static_cast<int>(catalogue.macros.size()))
        return false;
    const CatalogueMacro& macro = catalogue.macros[static_cast<size_t>(k - 1)];
    fields.keys += macro.keys;
    fields.sound = macro.sound;
    fields.picture = program_folder + QStringLiteral("/icones/") + macro.icon;
    return true;
}

int find_program_entry(const Catalogue& catalogue, const QString& program_text)
{
    const QString wanted = file_name_part(program_text.trimmed()).toUpper();
    if (wanted.isEmpty())
        return 0;
    for (size_t i = 0; i < catalogue.programs.size(); ++i)
        if (catalogue.programs[i].file == wanted)
            return static_cast<int>(i + 1);
    return 0;
}

}  // namespace orvel
