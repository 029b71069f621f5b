// The reaction record through the real main window, offscreen: a selection made by
// automatic scanning lands in the user's state folder, and the switch dialog offers the
// step time suggested from such a record, which "Aplica" puts into the step field.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "exec/executor.h"
#include "model/template_file.h"
#include "runtime/reaction_record.h"
#include "support/exec_harness.h"
#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/board_widgets.h"
#include "ui/main_window.h"
#include "ui/switch_dialog.h"

namespace orvel {
namespace {

using testing::ExecHarness;

class ReactionWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::ensure_application();
        ASSERT_TRUE(dir.isValid());
        testing::use_private_user_folders(QDir(dir.path()));
        state_folder = dir.filePath(QStringLiteral("XDG_STATE_HOME/orvel"));
        Template t;
        for (const Area& a : {testing::root_area(0, 0, 400, 300), testing::with_keys(testing::rect_area(20, 20, 180, 140), "a"),
                              testing::with_keys(testing::rect_area(220, 20, 380, 140), "b")})
            add_area(t, a);
        board = dir.filePath(QStringLiteral("PROVA.ORV"));
        ASSERT_TRUE(write_template(t, board));
        profile = dir.filePath(QStringLiteral("AUTO.USR"));
        testing::write_file(profile, "[Orvel]\r\nInterval= 100\r\nmodus= 2\r\ntemps= 9\r\naccio1= 3\r\n");
    }

    static void tick(QTimer& timer) { QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection); }

    QTemporaryDir dir;
    QString state_folder;
    QString board;
    QString profile;
    ExecHarness h;
};

TEST_F(ReactionWindowsTest, AScanningSelectionIsRecordedWithItsReactionTime)
{
    {
        MainWindow w(h.services);
        w.Form_Load({board, profile});
        ASSERT_TRUE(w.in_run_mode());
        h.windows.add(0x40, QStringLiteral("terminal"));
        push_target(w.state(), 0x40);
        h.clock.now = 5000;
        tick(w.Timer3());  // area 2
        h.clock.now = 5800;
        tick(w.Timer3());  // area 3
        h.clock.now = 6420;
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(w.Tauvirt(), &space);
        tick(w.Timer1());
        EXPECT_EQ(h.keys.typed, QStringLiteral("b"));
    }  // closing the window writes what is queued
    const auto entries = read_reaction_record(state_folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].area, 3);
    EXPECT_EQ(entries[0].reaction_ms, 620);
    EXPECT_EQ(entries[0].step_ms, 900);
    EXPECT_EQ(entries[0].modus, 2);
    EXPECT_EQ(QFileInfo(entries[0].board).fileName(), QStringLiteral("PROVA.ORV"));
}

TEST_F(ReactionWindowsTest, TheSwitchDialogOffersTheSuggestedStepTime)
{
    MainWindow w(h.services);
    w.Form_Load({});
    // Too few presses yet: the dialog says so and offers nothing to take.
    bool answered = false;
    testing::answer_next_dialog<usr>([&](usr& d) {
        auto* take = d.findChild<QPushButton*>(QStringLiteral("temps_suggerit_aplica"));
        auto* text = d.findChild<QLabel*>(QStringLiteral("temps_suggerit_text"));
        ASSERT_TRUE(take && text);
        EXPECT_FALSE(take->isEnabled());
        EXPECT_TRUE(text->text().contains(QStringLiteral("20"))) << text->text().toStdString();
        answered = true;
        d.buto_Click(1);
    });
    w.Tipus_exploracio_Click(2);
    EXPECT_TRUE(answered);

    // 20 presses 400..1350 ms: 90th percentile 1250 ms, plus the margin, 15 tenths.
    QByteArray record = QByteArray(kReactionRecordHeader) + '\n';
    for (int i = 0; i < 20; ++i) {
        ReactionEntry e;
        e.session = 1;
        e.board = board;
        e.area = 2;
        e.modus = 2;
        e.step_ms = 1500;
        e.reaction_ms = 400 + 50 * i;
        record += reaction_line(e);
    }
    testing::write_file(state_folder + QStringLiteral("/reaccions.tsv"), record);
    answered = false;
    testing::answer_next_dialog<usr>([&](usr& d) {
        auto* take = d.findChild<QPushButton*>(QStringLiteral("temps_suggerit_aplica"));
        auto* text = d.findChild<QLabel*>(QStringLiteral("temps_suggerit_text"));
        ASSERT_TRUE(take && text);
        EXPECT_TRUE(text->text().contains(QStringLiteral("15 dècimes"))) << text->text().toStdString();
        EXPECT_EQ(d.retard(0)->text(), QStringLiteral("0"));
        take->click();
        EXPECT_EQ(d.retard(0)->text(), QStringLiteral("15"));
        d.option(2)->setChecked(true);
        d.buto_Click(0);
        answered = true;
    });
    w.Tipus_exploracio_Click(2);
    EXPECT_TRUE(answered);
    EXPECT_EQ(w.state().profile.temps, 15);
    EXPECT_EQ(w.state().profile.modus, 2);
}

}  // namespace
}  // namespace orvel
