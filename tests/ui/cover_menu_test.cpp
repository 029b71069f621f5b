// The paint program of the "Caràtula" menu: the one named in the user's settings gets the
// cover's path as its last argument.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "support/recording_messages.h"
#include "support/test_files.h"
#include "ui/cover_menu.h"

namespace orvel {
namespace {

TEST(CoverMenuTest, ThePaintProgramOfTheSettingsOpensTheCover)
{
    testing::ensure_application();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    OrvelState state;
    state.folders.config = dir.filePath("config");
    state.folders.program = dir.filePath("program");
    EXPECT_EQ(paint_program(state.folders), QString());  // no setting: the desktop's default

    const QString script = dir.filePath("paint.sh");
    const QString seen = dir.filePath("seen.txt");
    testing::write_file(script, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" " + seen.toUtf8() + "\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    testing::write_file(state.folders.config + "/Orvel.INI",
                        "[Orvel]\r\nEditorImatges=\"" + script.toUtf8() + "\" --nou\r\n");
    EXPECT_EQ(paint_program(state.folders), "\"" + script + "\" --nou");

    testing::RecordingMessages messages;
    CoverMenu menu(state, messages);
    ASSERT_TRUE(menu.open_in_paint(dir.filePath("una caràtula.BMP")));
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(seen) && waited.elapsed() < 10000)
        QThread::msleep(20);
    EXPECT_EQ(QString::fromUtf8(testing::read_file(seen)), "--nou|" + dir.filePath("una caràtula.BMP") + "|");
}

}  // namespace
}  // namespace orvel
