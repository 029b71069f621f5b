// The windowed program: one copy per user session, the real back ends, the main
// window. Arguments are a board and an optional .usr profile.
#include "windowed.h"

#include <QApplication>
#include <QDir>
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
}  // namespace

int windowed(int argc, char** argv)
{
    // Boards type into X11 programs through XTest: the window must be an X11 one too,
    // unless a test asks for the offscreen platform.
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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
    QLockFile lock(single_instance_lock_file(folders));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        tell_already_running();
        return 1;
    }

    QtMessageBoxes messages;
    // Not destroyed: espeak-ng's espeak_ng_Terminate can wait forever for its own
    // thread once a window has been shown (1.51 under Xvfb). The process's end
    // frees everything; what matters (boards, profiles) is already on disk.
    auto* services = new RealServices(messages);
    RealServices& real = *services;
    if (!real.has_display() && qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen")) {
        std::fprintf(stderr, "orvel: %s\n", real.error().toLocal8Bit().constData());
        return 1;
    }

    MainWindow window(real.services());
    messages.set_parent(&window);
    QStringList arguments = app.arguments().mid(1);
    window.Form_Load(arguments);
    if (!window.isVisible())
        window.show();
    const int status = app.exec();
    if (TerminationSignals::requested())
        return status;
    real.finish_sounds();
    return status;
}

}  // namespace orvel::cli
