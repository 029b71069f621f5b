#include "platform/qt_process_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace orvel {

namespace {

bool is_executable_file(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString find_as_given(const QString& name, const QString& search_folder)
{
    if (name.contains(u'/')) {
        if (QFileInfo(name).isAbsolute())
            return is_executable_file(name) ? name : QString();
        // A relative path belongs to the board's folder.
        if (!search_folder.isEmpty()) {
            const QString path = QDir(search_folder).filePath(name);
            if (is_executable_file(path))
                return QFileInfo(path).absoluteFilePath();
        }
        return {};
    }
    const QString on_path = QStandardPaths::findExecutable(name);
    if (!on_path.isEmpty())
        return on_path;
    if (!search_folder.isEmpty())
        return QStandardPaths::findExecutable(name, {search_folder});
    return {};
}

}  // namespace

QString QtProcessLauncher::find_program(const QString& name, const QString& search_folder)
{
    if (name.isEmpty())
        return {};
    const QString found = find_as_given(name, search_folder);
    if (!found.isEmpty())
        return found;
    // A Linux path names one program: when it is not there, nothing else is started.
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) && !name.startsWith(u'/')) {
        // A Windows program name: its folder means nothing here, its base name may.
        QString base = name;
        base.replace(u'\\', u'/');
        base = base.mid(base.lastIndexOf(u'/') + 1);
        base.chop(4);
        if (!base.isEmpty())
            return find_as_given(base.toLower(), search_folder);
    }
    return {};
}

int64_t QtProcessLauncher::start(const QString& command_line, const QString& search_folder, QString* error)
{
    QStringList arguments = QProcess::splitCommand(command_line);
    if (arguments.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Orvel", "No hi ha cap programa per iniciar");
        return 0;
    }
    const QString name = arguments.takeFirst();
    const QString program = find_program(name, search_folder);
    if (program.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("Orvel", "No s'ha trobat el programa %1").arg(name);
        return 0;
    }
    // Relative file names in the arguments are the board's, as the program is.
    const QString working_folder =
        !search_folder.isEmpty() && QFileInfo(search_folder).isDir() ? search_folder : QDir::currentPath();
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, working_folder, &pid) || pid <= 0) {
        if (error)
            *error = QCoreApplication::translate("Orvel", "No s'ha pogut iniciar el programa %1").arg(program);
        return 0;
    }
    return pid;
}

}  // namespace orvel
