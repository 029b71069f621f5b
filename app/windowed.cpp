// The windowed program: one copy per user session, the real back ends, the main
// window. Arguments are a board and an optional .usr profile.
#include "windowed.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "model/folders.h"
#include "model/interface_language.h"
#include "model/messages.h"
#include "model/settings.h"
#include "platform/qt_translations.h"
#include "real_services.h"
#include "termination_signals.h"
#include "ui/main_window.h"
#include "ui/qt_message_boxes.h"
#include "platform/display_session.h"

namespace orvel::cli {

namespace {
// How long the second copy's message waits for an answer before it ends by itself.
constexpr int kAlreadyRunningAnswerMs = 10000;

// The running board keeps the focus and may stay on top: the message goes above
// everything, and a copy nobody answers does not stay behind.
void tell_already_running()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Orvel"), missatge(4), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ja_executant"));
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QTimer::singleShot(kAlreadyRunningAnswerMs, &box, [&box] { box.done(QMessageBox::Ok); });
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}

// Qt ends the process when its Wayland plugin cannot reach the compositor: a box on a
// Wayland desktop is shown only with the plugin installed and the compositor's socket there.
bool can_show_wayland_box(DisplaySession session)
{
    QString socket = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (!QDir::isAbsolutePath(socket))
        socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
    return session == DisplaySession::WaylandOnly && QFileInfo::exists(socket) &&
        QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                          QStringLiteral("/platforms/libqwayland-generic.so"));
}

// Without an X display nothing of Orvel can work. The reason goes to stderr and, when the
// application could open on the Wayland desktop, into a message box too: started from the
// desktop's menu, nobody would read stderr.
int tell_no_x11(DisplaySession session, bool box)
{
    const QString notice = display_session_notice(session);
    std::fprintf(stderr, "orvel: %s\n", notice.toLocal8Bit().constData());
    if (box) {
        QMessageBox message(QMessageBox::Warning, QStringLiteral("Orvel"), notice, QMessageBox::Ok);
        message.setObjectName(QStringLiteral("sense_x11"));
        message.exec();
    }
    return 1;
}

// On XWayland Orvel works for X11 programs only. That is said on stderr at every start
// and in a message box the first time, remembered by a mark in the user's state folder.
void tell_xwayland_once(const Folders& folders, MessageBoxes& messages)
{
    const QString notice = display_session_notice(DisplaySession::XWayland);
    std::fprintf(stderr, "orvel: %s\n", notice.toLocal8Bit().constData());
    QFile mark(folders.state + QStringLiteral("/xwayland-notice-shown"));
    if (mark.exists())
        return;
    messages.show(notice, QStringLiteral("Orvel"), MessageIcon::Information);
    mark.open(QIODevice::WriteOnly);
}

// "--start [BOARD.ORV]", as the desktop entry starts Orvel: the board given (a double
// click on it in the file manager), else a board shipped with Orvel, else the editor.
QStringList start_arguments(QStringList arguments, const Folders& folders)
{
    arguments.removeFirst();
    for (const QString& a : arguments) {
        if (!a.endsWith(QLatin1String(".usr"), Qt::CaseInsensitive))
            return arguments;
    }
    for (const char* name : kStartBoards) {
        const QString board = find_in_folder(folders.program, QLatin1String(name));
        if (QFileInfo(board).isFile()) {
            arguments.prepend(board);
            break;
        }
    }
    return arguments;
}
}  // namespace

int windowed(int argc, char** argv)
{
    // Boards type into X11 programs through XTest: the window must be an X11 one too,
    // unless a test asks for the offscreen platform.
    // Without X11 the application only says why it cannot run: in a box on the Wayland
    // desktop when it can open there, else offscreen, on stderr alone.
    const bool offscreen = qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen");
    const DisplaySession session = display_session_from_environment();
    const bool no_x11 = !offscreen && (session == DisplaySession::WaylandOnly || session == DisplaySession::None);
    const bool wayland_box = no_x11 && can_show_wayland_box(session);
    if (!offscreen)
        qputenv("QT_QPA_PLATFORM", !no_x11 ? "xcb" : wayland_box ? "wayland" : "offscreen");
    TerminationSignals signals;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvel"));

    const Folders folders = Folders::from_environment();
    // Orvel's texts and the dialogs' own buttons and labels in one language, chosen
    // before the first window is made.
    InterfaceTranslations translations;
    translations.use(interface_language(read_language_setting(folders), [](const char* variable) {
                         return qEnvironmentVariable(variable);
                     }),
                     translations_folder(folders));
    QDir().mkpath(folders.state);
    if (no_x11)
        return tell_no_x11(session, wayland_box);
    QLockFile lock(single_instance_lock_file(folders));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        tell_already_running();
        return 1;
    }

    // The desktop matches the window with its entry, and shows the entry's icon on it; an
    // installed copy outside the icon theme's folders finds it beside its data.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvel"));
    QIcon icon = QIcon::fromTheme(QStringLiteral("orvel"));
    if (icon.isNull())
        icon = QIcon(folders.program + QStringLiteral("/../icons/hicolor/256x256/apps/orvel.png"));
    app.setWindowIcon(icon);

    QtMessageBoxes messages;
    // Not destroyed: espeak-ng's espeak_ng_Terminate can wait forever for its own
    // thread once a window has been shown (1.51 under Xvfb). The process's end
    // frees everything; what matters (boards, profiles) is already on disk.
    auto* services = new RealServices(messages);
    RealServices& real = *services;
    if (!real.has_display() && !offscreen) {
        std::fprintf(stderr, "orvel: %s\n", real.error().toLocal8Bit().constData());
        return 1;
    }

    MainWindow window(real.services());
    messages.set_parent(&window);
    QStringList arguments = app.arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first() == QLatin1String(kStartOption))
        arguments = start_arguments(arguments, folders);
    window.Form_Load(arguments);
    if (!window.isVisible())
        window.show();
    if (session == DisplaySession::XWayland && !offscreen)
        QTimer::singleShot(0, &window, [&folders, &messages] { tell_xwayland_once(folders, messages); });
    const int status = app.exec();
    if (TerminationSignals::requested())
        return status;
    real.finish_sounds();
    return status;
}

}  // namespace orvel::cli
