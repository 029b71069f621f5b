#include "platform/qt_process_launcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <tuple>
#include <thread>

#include "support/test_files.h"

namespace orvel {
namespace {

void write_script(const QString& path, const QByteArray& body)
{
    testing::write_file(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray wait_for_file(const QString& path)
{
    for (int i = 0; i < 500; ++i) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.endsWith("end\n"))
                return content;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

TEST(QtProcessLauncher, FindsProgramsOnPathInTheBoardFolderAndUnderWindowsNames)
{
    QTemporaryDir board;
    write_script(board.filePath(QStringLiteral("tool")), "exit 0\n");
    testing::write_file(board.filePath(QStringLiteral("notes")));

    const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
    ASSERT_FALSE(sh.isEmpty());
    const QString tool = board.filePath(QStringLiteral("tool"));
    // {name, board folder, found}; last the names not found, or found but not a program.
    for (auto [name, folder, found] : {std::tuple{"sh", board.path(), sh}, {"tool", board.path(), tool},
                                       {"TOOL.EXE", board.path(), tool}, {"C:\\WINDOWS\\SH.exe", QString(), sh},
                                       {"./tool", board.path(), tool}, {"TOOL", board.path(), QString()},
                                       {"notes", board.path(), QString()}, {".EXE", board.path(), QString()},
                                       {"", board.path(), QString()}})
        EXPECT_EQ(QtProcessLauncher::find_program(QString::fromLatin1(name), folder), found) << name;
}

TEST(QtProcessLauncher, StartsWithoutAShellQuotesKeptAndReportsWhatFails)
{
    QTemporaryDir board;
    const QString out = board.filePath(QStringLiteral("args.txt"));
    // The script writes one argument a line, then its working folder.
    write_script(board.filePath(QStringLiteral("show-args")),
                 "for a in \"$@\"; do echo \"$a\"; done > args.txt\npwd >> args.txt\necho end >> args.txt\n");
    QtProcessLauncher launcher;
    QString error;
    const int64_t pid = launcher.start(QStringLiteral("SHOW-ARGS.EXE \"one two\" $HOME '*' ;x"), board.path(), &error);
    EXPECT_GT(pid, 0) << error.toStdString();
    const QByteArray written = wait_for_file(out);
    // Double quotes group, as on a Windows command line; nothing else is special.
    EXPECT_EQ(written, "one two\n$HOME\n'*'\n;x\n" + QDir(board.path()).canonicalPath().toUtf8() + "\nend\n");

    error.clear();
    EXPECT_EQ(launcher.start(QStringLiteral("no-such-program-here --x"), board.path(), &error), 0);
    EXPECT_TRUE(error.contains(QStringLiteral("no-such-program-here"))) << error.toStdString();
    error.clear();
    EXPECT_EQ(launcher.start(QStringLiteral("   "), board.path(), &error), 0);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(launcher.start(QStringLiteral("\"unterminated"), board.path(), nullptr), 0);
}

}  // namespace
}  // namespace orvel
