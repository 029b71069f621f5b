// The windowed program: one copy per user session, the real back ends, the main
// window. Arguments are a board and an optional .usr profile.
#include "windowed.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

#include "model/messages.h"
#include "platform/speech_and_sound.h"
#include "real_services.h"
#include "runtime/main_window.h"
#include "runtime/qt_message_boxes.h"

namespace orvel::cli {

namespace {
// The lock lives in the user's runtime folder; without one, in the temporary folder.
QString lock_file_path()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/orvel.lock");
}
}  // namespace

int windowed(int argc, char** argv)
{
    // Boards type into X11 programs through XTest: the window must be an X11 one too,
    // unless a test asks for the offscreen platform.
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Orvel"));

    QLockFile lock(lock_file_path());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        QMessageBox::warning(nullptr, QStringLiteral("Orvel"), missatge(4));
        return 1;
    }

    QtMessageBoxes messages;
    RealServices real(messages);
    if (!real.has_display() && qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen")) {
        std::fprintf(stderr, "orvel: %s\n", real.error().toLocal8Bit().constData());
        return 1;
    }
    SpeechAndSound speech_and_sound;
    speech_and_sound.install(real.services());

    MainWindow window(real.services());
    messages.set_parent(&window);
    QStringList arguments = app.arguments().mid(1);
    window.Form_Load(arguments);
    if (!window.isVisible())
        window.show();
    const int status = app.exec();
    speech_and_sound.finish();
    return status;
}

}  // namespace orvel::cli
