// ENGANXA on a real X server: the text and the picture it puts on the clipboard
// must be readable by another client (xclip) while this process owns them.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "exec/exec_context.h"
#include "exec/file_commands.h"
#include "platform/qt_clipboard.h"
#include "support/recording_messages.h"
#include "support/test_files.h"
#include "x_session.h"

namespace orvel {
namespace {

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
    XSession server;
    ASSERT_TRUE(server.start(false)) << "Xvfb did not start";
    qputenv("DISPLAY", server.display_name());
    qputenv("QT_QPA_PLATFORM", "xcb");

    int argc = 1;
    char name[] = "qt_clipboard_x11_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    QTemporaryDir folder;
    testing::write_file(folder.filePath(QStringLiteral("NOTA.TXT")), "Bon dia, m\xc3\xb3n");
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
    testing::write_file(folder.filePath(QStringLiteral("TRENCAT.BMP")), "BM not really");
    paste_command(ctx, QStringLiteral("TRENCAT.BMP"));
    EXPECT_TRUE(read_with_xclip({}).isEmpty());
    EXPECT_TRUE(messages.texts.isEmpty());
}

}  // namespace
}  // namespace orvel
