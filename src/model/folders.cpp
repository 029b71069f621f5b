#include "model/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/file_names.h"

#include <unistd.h>

namespace orvel {

namespace {

QString xdg_folder(const char* variable, const QString& fallback_below_home)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QLatin1Char('/') + fallback_below_home;
    return base + QStringLiteral("/orvel");
}

QString program_data_folder()
{
    QString executable_dir = QCoreApplication::instance()
        ? QCoreApplication::applicationDirPath()
        : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
    // Installed: PREFIX/bin/orvel with data in PREFIX/share/orvel.
    QDir installed(executable_dir + QStringLiteral("/../share/orvel"));
    if (installed.exists())
        return installed.canonicalPath();
    return executable_dir;
}

}  // namespace

Folders Folders::from_environment()
{
    Folders f;
    f.program = program_data_folder();
    f.config = xdg_folder("XDG_CONFIG_HOME", QStringLiteral(".config"));
    f.state = xdg_folder("XDG_STATE_HOME", QStringLiteral(".local/state"));
    f.data = xdg_folder("XDG_DATA_HOME", QStringLiteral(".local/share"));
    return f;
}

QString Folders::find_readable(const QString& user_folder, const QString& name) const
{
    const QString user_copy = find_in_folder(user_folder, name);
    if (QFileInfo::exists(user_copy))
        return user_copy;
    return find_in_folder(program, name);
}

QString symbols_folder(const Folders& folders)
{
    return folders.program + QStringLiteral("/symbols");
}

QString single_instance_lock_file(const Folders& folders)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QFileInfo info(runtime);
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && info.isDir() && info.ownerId() == ::getuid())
        return runtime + QStringLiteral("/orvel.lock");
    return folders.state + QStringLiteral("/orvel.lock");
}

QString find_in_folder(const QString& folder, const QString& name)
{
    // Copies made on Windows are named "ORVEL.INI" or "macros.ini" as often as not.
    return resolve_stored_name(name, folder.isEmpty() ? QStringLiteral(".") : folder);
}

}  // namespace orvel
