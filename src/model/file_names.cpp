#include "model/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace orvel {

namespace {

bool is_separator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

bool starts_with_drive(const QString& name)
{
    return name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].unicode() < 0x80 &&
           name[0].isLetter();
}

QString join(const QString& folder, const QString& entry)
{
    if (folder.isEmpty())
        return entry;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + entry;
    return folder + QLatin1Char('/') + entry;
}

// The entry of folder whose name equals entry without regard to case; "" when none.
QString find_entry_no_case(const QString& folder, const QString& entry)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names)
        if (name.compare(entry, Qt::CaseInsensitive) == 0)
            return name;
    return QString();
}

}  // namespace

bool is_absolute_stored_name(const QString& stored)
{
    return (!stored.isEmpty() && is_separator(stored[0])) || starts_with_drive(stored);
}

QString translate_stored_name(const QString& stored, const QString& base_dir)
{
    if (stored.isEmpty())
        return QString();
    QString name = stored;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (starts_with_drive(name))
        name = QLatin1Char('/') + name.mid(2);  // "C:\X" -> "/X"; "C:X" -> "/X"
    else if (!name.startsWith(QLatin1Char('/')) && !base_dir.isEmpty()) {
        QString base = base_dir;
        base.replace(QLatin1Char('\\'), QLatin1Char('/'));
        name = join(base, name);
    }
    return QDir::cleanPath(name);
}

QString resolve_stored_name(const QString& stored, const QString& base_dir)
{
    const QString full = translate_stored_name(stored, base_dir);
    if (full.isEmpty() || full.contains(QChar(0)) || QFileInfo::exists(full))
        return full;

    const QStringList parts = full.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = full.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString exact = join(current, part);
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QString match = find_entry_no_case(current, part);
        if (match.isEmpty()) {
            // Nothing on disk from here on: keep the rest as written.
            for (qsizetype j = i; j < parts.size(); ++j)
                current = join(current, parts[j]);
            return current;
        }
        current = join(current, match);
    }
    return current;
}

bool existing_path(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0)) && QFileInfo::exists(path);
}

bool existing_file(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0)) && QFileInfo(path).isFile();
}

bool same_file_name(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool ends_with_no_case(const QString& name, const QString& suffix)
{
    return name.endsWith(suffix, Qt::CaseInsensitive);
}

QString relative_to_folder(const QString& name, const QString& folder)
{
    if (name.isEmpty() || folder.isEmpty() || !is_absolute_stored_name(name))
        return name;
    // Both map a drive letter to "/", but C:\T and D:\T are different folders.
    if (starts_with_drive(name) && starts_with_drive(folder) &&
        name[0].toUpper() != folder[0].toUpper())
        return name;
    const QString full = translate_stored_name(name, QString());
    QString base = translate_stored_name(folder, QString());
    if (base == QLatin1String("/"))
        return full.size() > 1 ? full.mid(1) : name;
    base += QLatin1Char('/');
    if (full.size() > base.size() && full.startsWith(base, Qt::CaseInsensitive))
        return full.mid(base.size());
    return name;
}

QString file_name_part(const QString& name)
{
    for (qsizetype i = name.size() - 1; i >= 0; --i)
        if (is_separator(name[i]))
            return name.mid(i + 1);
    return name;
}

}  // namespace orvel
