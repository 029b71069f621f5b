// ENGANXA on a real X server: the text and the picture it puts on the clipboard
// must be readable by another client (xclip) while this process owns them.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

#include "exec/exec_context.h"
#include "exec/file_commands.h"
#include "platform/qt_clipboard.h"
#include "support/recording_messages.h"

namespace orvel {
namespace {

// A private Xvfb, told to pick a free display and report it on a pipe.
class PrivateXServer {
public:
    ~PrivateXServer()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    // The display name (":N"), or empty when the server did not start.
    QString start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return QString();
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "320x240x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        return number.empty() ? QString() : QStringLiteral(":") + QString::fromStdString(number);
    }

private:
    pid_t pid_ = -1;
};

// Runs xclip on the clipboard while this process keeps serving it.
QByteArray read_with_xclip(const QStringList& target)
{
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    xclip.start(QStringLiteral("xclip"), QStringList{QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")} + target);
    loop.exec();
    if (xclip.state() != QProcess::NotRunning) {
        xclip.kill();
        xclip.waitForFinished();
        return QByteArray();
    }
    return xclip.readAllStandardOutput();
}

TEST(QtClipboardOnX11, PastedFilesReachOtherClients)
{
    if (QCoreApplication::instance())
        GTEST_SKIP() << "needs a process of its own for its X connection (ctest runs each test alone)";
    PrivateXServer server;
    const QString display = server.start();
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    qputenv("DISPLAY", display.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");

    int argc = 1;
    char name[] = "qt_clipboard_x11_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    QTemporaryDir folder;
    {
        QFile note(folder.filePath(QStringLiteral("NOTA.TXT")));
        ASSERT_TRUE(note.open(QIODevice::WriteOnly));
        note.write("Bon dia, m\xc3\xb3n");
    }
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("FOTO.JPG")), "JPG"));

    OrvelState state;
    state.tmpl.directory = folder.path();
    QtClipboard clipboard;
    testing::RecordingMessages messages;
    Services services;
    services.clipboard = &clipboard;
    services.messages = &messages;
    RunModeHooks hooks;
    ExecContext ctx{state, services, hooks};

    paste_command(ctx, QStringLiteral("NOTA.TXT"));
    EXPECT_EQ(QString::fromUtf8(read_with_xclip({})), QStringLiteral("Bon dia, món"));
    EXPECT_EQ(clipboard.text(), QStringLiteral("Bon dia, món"));

    paste_command(ctx, QStringLiteral("FOTO.JPG"));
    const QByteArray targets = read_with_xclip({QStringLiteral("-t"), QStringLiteral("TARGETS")});
    EXPECT_TRUE(targets.contains("image/png")) << targets.toStdString();
    EXPECT_FALSE(targets.contains("UTF8_STRING")) << targets.toStdString();
    const QImage pasted = QImage::fromData(read_with_xclip({QStringLiteral("-t"), QStringLiteral("image/png")}), "PNG");
    EXPECT_EQ(pasted.size(), QSize(40, 30));
    if (!pasted.isNull()) {
        const QColor middle = pasted.pixelColor(20, 15);
        EXPECT_LT(middle.red(), 30);
        EXPECT_GT(middle.blue(), 220);
    }

    // An unreadable picture leaves nothing for other clients to paste.
    {
        QFile broken(folder.filePath(QStringLiteral("TRENCAT.BMP")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM not really");
    }
    paste_command(ctx, QStringLiteral("TRENCAT.BMP"));
    EXPECT_TRUE(read_with_xclip({}).isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty());
}

}  // namespace
}  // namespace orvel
