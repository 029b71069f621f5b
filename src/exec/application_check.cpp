#include "exec/application_check.h"

#include <QFileInfo>

#include "exec/executor.h"
#include "model/file_names.h"
#include "platform/window_system.h"

namespace orvel {

namespace {

bool names_application(const QString& executable, const QString& app_title)
{
    if (executable.isEmpty())
        return false;
    if (ends_with_no_case(executable, app_title))
        return true;
    if (ends_with_no_case(app_title, QStringLiteral(".EXE"))) {
        const QString bare = app_title.left(app_title.size() - 4);
        return !bare.isEmpty() && ends_with_no_case(executable, bare);
    }
    return false;
}

}  // namespace

QString process_executable_name(int64_t pid)
{
    if (pid <= 0)
        return QString();
    const QString target = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).fileName();
}

// On Windows this compared the module of the window with the keyboard focus, which
// at execution time is the board itself. Here the target window, the application
// the board types into, is what a board's app_title names; the focused window is
// also accepted so that a board naming the board program keeps working.
bool application_matches(ExecContext& ctx, const QString& app_title)
{
    const QString wanted = app_title.trimmed();
    if (wanted.isEmpty())
        return true;
    WindowSystem* windows = ctx.services.windows;
    if (!windows)
        return false;
    if (win_actiu_titol(ctx) != QLatin1String("|")
        && names_application(process_executable_name(windows->process_id(ctx.state.target_window)), wanted))
        return true;
    const WindowId focused = windows->focused_window();
    return focused != 0 && names_application(process_executable_name(windows->process_id(focused)), wanted);
}

}  // namespace orvel
