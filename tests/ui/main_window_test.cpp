// The main window over recording fakes, on the offscreen platform: its menus,
// the editor's canvas, entering and leaving run mode, and the access methods
// driven by real Qt key and mouse events on the board.
#include <QAction>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <QCheckBox>

#include "exec/executor.h"
#include "support/fake_board.h"
#include "model/settings.h"
#include "model/template_file.h"
#include "ui/area_canvas.h"
#include "runtime/board_geometry.h"
#include "ui/board_widgets.h"
#include "ui/main_window.h"
#include "ui/switch_dialog.h"
#include "support/exec_harness.h"
#include "support/test_files.h"

namespace orvel {
namespace {

using testing::ensure_application;
using testing::ExecHarness;
using testing::rect_area;
using testing::root_area;
using testing::with_keys;

// A board of 400 x 300 template pixels: areas 2 and 3 side by side on top,
// area 4 under area 2, each typing one letter into the terminal.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensure_application();
        ASSERT_TRUE(dir.isValid());
        testing::use_private_user_folders(QDir(dir.path()));
        Template t;
        for (const Area& a : {root_area(0, 0, 400, 300), with_keys(rect_area(20, 20, 180, 140), "a"),
                              with_keys(rect_area(220, 20, 380, 140), "b"), with_keys(rect_area(20, 160, 180, 280), "c")})
            add_area(t, a);
        board = dir.filePath(QStringLiteral("PROVA.ORV"));
        ASSERT_TRUE(write_template(t, board));
    }

    QString profile_with(int modus, int accio1 = 0, int accio2 = 0)
    {
        const QString path = dir.filePath(QStringLiteral("P%1.USR").arg(modus));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[Orvel]\r\nInterval= 100\r\nmodus= %1\r\ngruix= 6\r\ncolor= 65280\r\n"
                               "accio1= %2\r\naccio2= %3\r\n").arg(modus).arg(accio1).arg(accio2).toLatin1());
        return path;
    }

    std::unique_ptr<MainWindow> start(const QStringList& arguments)
    {
        auto w = std::make_unique<MainWindow>(h.services);
        w->Form_Load(arguments);
        target(*w, 0x40, QStringLiteral("terminal"));
        return w;
    }

    // A program window that the board started, now the target of its keys.
    void target(MainWindow& w, WindowId id, const QString& title)
    {
        h.windows.add(id, title);
        push_target(w.state(), id);
    }

    static QRect expected_frame(MainWindow& w, int area)
    {
        return *frame_rect(w.state().tmpl.area(area), w.state().tmpl.area(1), w.run().scale());
    }

    static QStringList visible_menus(MainWindow& w)
    {
        QStringList top;
        for (QAction* a : w.menuBar()->actions())
            if (a->isVisible())
                top << a->text();
        return top;
    }

    static void key(QWidget* target, int qt_key, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, qt_key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }

    static void press(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), target->mapToGlobal(QPointF(at)), button, button,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), target->mapToGlobal(QPointF(at)), button,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &up);
    }

    // One timeout of a run-mode timer, as its interval ending would give.
    static void tick(QTimer& timer) { QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection); }

    static QAction* action(MainWindow& w, const char* name)
    {
        return w.findChild<QAction*>(QLatin1String(name));
    }

    QTemporaryDir dir;
    QString board;
    ExecHarness h;
};

TEST_F(MainWindowTest, EditorShowsItsMenusAndHidesTheRunModeCommands)
{
    auto w = start({});
    EXPECT_FALSE(w->in_run_mode());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orvel - ") + kUnnamedTemplate);
    EXPECT_EQ(visible_menus(*w),
              (QStringList{"&Fitxers", "&Dades globals", "&Veure", "&Caràtula", "&Edició", "Ordres", "Macros", "Ratolí",
                           "Memoria", "Usuari",
                           "&Accessibilitat", "&Ajuda"}));

    EXPECT_TRUE(action(*w, "Tipus_exploracio_0")->isChecked());  // a new user selects with the mouse
    EXPECT_FALSE(action(*w, "finapc")->isVisible());
    EXPECT_FALSE(action(*w, "f_obrir")->isVisible());

    // "&Activar" on the empty new board does nothing.
    w->actApl_Click();
    EXPECT_FALSE(w->in_run_mode());

    // "So actiu": the menu command and the check box show one board setting.
    QAction* so = action(*w, "So_actiu");
    auto* check = w->findChild<QCheckBox*>(QStringLiteral("Check1_0"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(so->isChecked());
    EXPECT_TRUE(check->isChecked());
    so->trigger();
    EXPECT_EQ(w->state().tmpl.sound_active, 0);
    EXPECT_FALSE(check->isChecked());
    check->click();
    EXPECT_EQ(w->state().tmpl.sound_active, -1);
    EXPECT_TRUE(so->isChecked());
}

TEST_F(MainWindowTest, ACanvasClickSelectsTheHighestAreaThereAndShowsItsData)
{
    auto w = start({board});
    w->finapc_Click();
    ASSERT_FALSE(w->in_run_mode());
    AreaCanvas* canvas = w->canvas();
    press(canvas, QPoint(250, 60));
    EXPECT_EQ(canvas->selected(), 3);
    EXPECT_EQ(w->state().tmpl.current_area, 3);
    auto* counter = w->findChild<QLabel*>(QStringLiteral("MsgArea"));
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->text(), QStringLiteral("3/4 àrees"));
    EXPECT_EQ(w->findChild<QPlainTextEdit*>(QStringLiteral("TxText"))->toPlainText(), QStringLiteral("b"));
    // Where only the root lies, the root is selected; outside every area the selection stays.
    press(canvas, QPoint(200, 150));
    EXPECT_EQ(canvas->selected(), 1);
    press(canvas, QPoint(500, 400));
    EXPECT_EQ(canvas->selected(), 1);
    EXPECT_EQ(counter->text(), QStringLiteral("1/4 àrees"));
}

TEST_F(MainWindowTest, KeyboardCursorsMoveTheFrameAndEnterTypesAtOnce)
{
    auto w = start({board, profile_with(3)});
    ASSERT_TRUE(w->in_run_mode());
    EXPECT_EQ(visible_menus(*w), (QStringList{"Usuari", "&Accessibilitat", "&Sortir", "&Canvi de plafó"}));
    // The board has the root area's size on the 1024 x 768 screen.
    EXPECT_EQ(w->Tauvirt()->size(), QSize(640, 483));

    // The cursor methods start on the last area.
    ASSERT_TRUE(w->marc().is_visible());
    EXPECT_EQ(w->marc().rect(), expected_frame(*w, 4));
    // {key, framed area}: nothing further right, so the frame stays.
    for (auto [qt_key, area] : {std::pair{Qt::Key_Up, 2}, {Qt::Key_Right, 3}, {Qt::Key_Right, 3}}) {
        key(w->Tauvirt(), qt_key);
        EXPECT_EQ(w->marc().rect(), expected_frame(*w, area)) << qt_key;
    }
    // The profile's frame (6 pixels, green) in this method too.
    EXPECT_EQ(w->marc().border_width(), 6);
    EXPECT_EQ(w->marc().color(), QColor(Qt::green));

    // The selection runs at once: a move right after it can neither cancel it nor
    // reach the target while it types.
    key(w->Tauvirt(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(h.keys.typed, QStringLiteral("b"));
}

TEST_F(MainWindowTest, ManualScanningStepsWithSpaceAndSelectsWithEnter)
{
    auto w = start({board, profile_with(1, 3, 2)});
    ASSERT_TRUE(w->in_run_mode());
    EXPECT_FALSE(w->marc().is_visible());  // nothing highlighted before the first step
    // Each space steps; after area 4 it wraps past the root to area 2.
    for (int area : {2, 3, 4, 2, 3}) {
        key(w->Tauvirt(), Qt::Key_Space, QStringLiteral(" "));
        EXPECT_EQ(w->marc().rect(), expected_frame(*w, area)) << area;
    }
    key(w->Tauvirt(), Qt::Key_Return, QStringLiteral("\r"));  // manual selection runs at once
    EXPECT_EQ(h.keys.typed, QStringLiteral("b"));
    EXPECT_FALSE(w->Timer3().isActive());
}

TEST_F(MainWindowTest, AutomaticScanningAppliesTheProfilesFrameAndStepsOnItsTimer)
{
    auto w = start({board, profile_with(2, 3)});
    ASSERT_TRUE(w->in_run_mode());
    EXPECT_TRUE(w->Timer3().isActive());
    EXPECT_EQ(w->Timer3().interval(), 1000);
    EXPECT_EQ(w->marc().border_width(), 6);
    EXPECT_EQ(w->marc().color(), QColor(0, 255, 0));
    tick(w->Timer3());
    tick(w->Timer3());
    EXPECT_EQ(w->marc().rect(), expected_frame(*w, 3));
    key(w->Tauvirt(), Qt::Key_Space, QStringLiteral(" "));
    tick(w->Timer3());  // the press took area 3, not the one after it
    tick(w->Timer1());
    EXPECT_EQ(h.keys.typed, QStringLiteral("b"));
    EXPECT_TRUE(w->Timer3().isActive());  // scanning goes on after the execution
}

TEST_F(MainWindowTest, AProfileLoadedOrMadeNewOnARunningBoardStartsItsMethod)
{
    auto w = start({board, profile_with(1, 3, 2)});
    ASSERT_TRUE(w->in_run_mode());
    EXPECT_FALSE(w->Timer3().isActive());
    // Automatic scanning loaded while manual scanning runs: the frame moves by itself
    // and a press takes the highlighted area, as after choosing it from the menu.
    w->carregar_usuari(profile_with(2, 3));
    EXPECT_TRUE(w->Timer3().isActive());
    tick(w->Timer3());
    tick(w->Timer3());
    EXPECT_EQ(w->marc().rect(), expected_frame(*w, 3));
    key(w->Tauvirt(), Qt::Key_Space, QStringLiteral(" "));
    tick(w->Timer1());
    EXPECT_EQ(h.keys.typed, QStringLiteral("b"));
    // The keyboard cursors start on the last area.
    w->carregar_usuari(profile_with(3));
    EXPECT_FALSE(w->Timer3().isActive());
    EXPECT_EQ(w->marc().rect(), expected_frame(*w, 4));
    // A new user is the mouse method: nothing highlighted, nothing stepping.
    w->usuari_nou_Click();
    EXPECT_FALSE(w->Timer3().isActive());
    EXPECT_FALSE(w->marc().is_visible());

    // A method the program does not have is the mouse method: a click selects.
    for (int unknown : {9, 99, -1}) {
        w->carregar_usuari(profile_with(unknown));
        EXPECT_EQ(w->state().profile.modus, 0) << unknown;
    }
}

TEST_F(MainWindowTest, AMouseClickSelectsTheAreaUnderThePointerAndLeavingClosesThePrograms)
{
    auto w = start({board, profile_with(0)});
    ASSERT_TRUE(w->in_run_mode());
    const QRect third = expected_frame(*w, 3);
    press(w->Tauvirt(), third.center());
    tick(w->Timer1());
    EXPECT_EQ(h.keys.typed, QStringLiteral("b"));

    target(*w, 0x50, QStringLiteral("xterm"));
    target(*w, 0x51, QStringLiteral("Orvel - ORVEL"));
    target(*w, 0x52, QStringLiteral("editor"));
    w->finapc_Click();
    EXPECT_FALSE(w->in_run_mode());
    EXPECT_EQ(h.windows.closed, (std::vector<WindowId>{0x52, 0x50, 0x40}));
    EXPECT_EQ(w->state().target_window, 0);
    EXPECT_TRUE(w->state().target_stack.isEmpty());
    EXPECT_TRUE(action(*w, "nou")->isEnabled());
    EXPECT_FALSE(action(*w, "finapc")->isVisible());
    EXPECT_FALSE(w->marc().is_visible());
    // The execution tick is idle in the editor.
    w->state().run_current_area = 2;
    tick(w->Timer1());
    EXPECT_EQ(h.keys.typed, QStringLiteral("b"));
}

TEST_F(MainWindowTest, ABoardLoadedByAnAreaBringsItsOwnCoverAndLayout)
{
    // The second board: a smaller root with a green cover.
    Template second;
    add_area(second, root_area(0, 0, 200, 100));
    add_area(second, with_keys(rect_area(10, 10, 90, 90), "z"));
    QImage green(200, 100, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir.filePath(QStringLiteral("SEGON.bmp"))));
    second.cover_file = QStringLiteral("SEGON.bmp");
    ASSERT_TRUE(write_template(second, dir.filePath(QStringLiteral("SEGON.ORV"))));
    Template first;
    ASSERT_EQ(load_template(first, board, *h.services.messages), LoadOutcome::Read);
    first.area(2).keys = QStringLiteral("{|CARREGA SEGON.ORV}");
    first.area(3).keys = QStringLiteral("{|CARREGA NOTES.TXT}");
    ASSERT_TRUE(write_template(first, board));
    QFile notes(dir.filePath(QStringLiteral("NOTES.TXT")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a board\n");
    notes.close();

    // A profile named on the command line that is not there is said once; the board runs
    // with the profile it would have had without it.
    const QString missing_profile = dir.filePath(QStringLiteral("FALTA.USR"));
    auto w = start({board, missing_profile});
    EXPECT_EQ(h.messages.texts, QStringList{QStringLiteral("Orvel no troba el fitxer \r") + missing_profile});
    h.messages.texts.clear();
    auto* cover = static_cast<CoverImage*>(w->findChild<QWidget*>(QStringLiteral("lamvirt")));
    ASSERT_NE(cover, nullptr);
    EXPECT_FALSE(cover->has_picture());
    // A file that is not a board leaves the running board exactly as it was.
    press(w->Tauvirt(), expected_frame(*w, 3).center());
    tick(w->Timer1());
    EXPECT_EQ(h.messages.texts, QStringList{QStringLiteral("Format incorrecte")});
    EXPECT_EQ(w->state().tmpl.area_count, 4);
    EXPECT_EQ(w->state().tmpl.file_name, board);
    h.messages.texts.clear();
    press(w->Tauvirt(), expected_frame(*w, 2).center());
    tick(w->Timer1());
    ASSERT_EQ(w->state().tmpl.area_count, 2);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Orvel - ") + dir.filePath(QStringLiteral("SEGON.ORV")));
    EXPECT_TRUE(w->in_run_mode());
    EXPECT_TRUE(cover->has_picture());
    EXPECT_EQ(w->Tauvirt()->size(), QSize(320, 161));  // 200 x 100 template pixels on 1024 x 768
    EXPECT_EQ(cover->size(), w->Tauvirt()->size());
    EXPECT_EQ(cover->grab().toImage().pixelColor(160, 80), QColor(Qt::green));
    EXPECT_TRUE(h.messages.texts.isEmpty()) << h.messages.texts.join(QLatin1Char('|')).toStdString();
}

TEST_F(MainWindowTest, ABoardWhoseCoverCannotBeReadRunsAfterOneMessage)
{
    Template t;
    ASSERT_EQ(load_template(t, board, *h.services.messages), LoadOutcome::Read);
    t.cover_file = QStringLiteral("PROVA.BMP");
    ASSERT_TRUE(write_template(t, board));
    testing::write_file(dir.filePath(QStringLiteral("PROVA.BMP")), "BM not really a picture");

    auto w = start({board});
    ASSERT_TRUE(w->in_run_mode());
    ASSERT_EQ(h.messages.texts.size(), 1) << h.messages.texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(h.messages.texts[0].contains(QStringLiteral("PROVA.BMP"))) << h.messages.texts[0].toStdString();
    // Leaving run mode and coming back says nothing more; the areas still run.
    w->finapc_Click();
    w->actApl_Click();
    ASSERT_TRUE(w->in_run_mode());
    target(*w, 0x41, QStringLiteral("terminal"));  // leaving run mode let the first target go
    EXPECT_EQ(h.messages.texts.size(), 1) << h.messages.texts.join(QLatin1Char('|')).toStdString();
    press(w->Tauvirt(), expected_frame(*w, 2).center());
    tick(w->Timer1());
    EXPECT_EQ(h.keys.typed, QStringLiteral("a"));
}

TEST_F(MainWindowTest, SwitchDialogRefusesASecondSwitchLikeTheFirstAndEscapeCancels)
{
    ensure_application();
    UserProfile p;
    p.modus = 1;
    p.accio1 = 2;
    p.gruix = 5;
    {
        usr dialog(p, 2, QStringLiteral("Configuració pulsador 2"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Configuració pulsador 2"));
        EXPECT_EQ(dialog.Gruix()->text(), QStringLiteral("5"));
        dialog.option(1)->setChecked(true);  // Enter, as switch 1
        dialog.buto_Click(0);
        EXPECT_EQ(p.accio2, 0);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        dialog.option(2)->setChecked(true);  // space
        dialog.retard(0)->setText(QStringLiteral("15"));
        dialog.Gruix()->setText(QStringLiteral("0"));
        dialog.buto_Click(0);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(p.accio2, 3);
        EXPECT_EQ(p.temps, 15);
        EXPECT_EQ(p.gruix, 8);
    }
    {
        usr dialog(p, 1, QString());
        EXPECT_TRUE(dialog.option(1)->isChecked());  // switch 1's action shown
        key(&dialog, Qt::Key_Escape);
        EXPECT_EQ(p.modus, 0);
        EXPECT_EQ(p.accio1, 2);
    }
}

// A profile with the switch-access keys keeps them through the switch dialog and
// a save; the dialog shows each with its unit.
TEST_F(MainWindowTest, SwitchAccessSettingsSurviveTheSwitchDialogAndASave)
{
    ensure_application();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/TREMOR.USR");
    testing::write_file(path, "[Orvel]\r\nmodus=2\r\naccio1=3\r\nacceptacio=300\r\npost_acceptacio=250\r\n"
                              "retard_inicial=800\r\nvoltes=3\r\nfiles=1\r\npermanencia=0\r\nmarc_contrast=1\r\n");
    UserProfile p;
    read_user_profile(p, path, {});
    {
        usr dialog(p, 1, QString());
        EXPECT_EQ(dialog.acceptacio()->text(), QStringLiteral("300 ms"));
        EXPECT_EQ(dialog.post_acceptacio()->value(), 250);
        EXPECT_EQ(dialog.retard_inicial()->value(), 800);
        EXPECT_EQ(dialog.voltes()->text(), QStringLiteral("3 voltes"));
        EXPECT_TRUE(dialog.files()->isChecked());
        EXPECT_EQ(dialog.permanencia()->text(), QStringLiteral("no"));  // 0 is off
        EXPECT_TRUE(dialog.marc_contrast()->isChecked());
        EXPECT_FALSE(dialog.acceptacio()->accessibleName().isEmpty());
        dialog.permanencia()->setValue(900);
        dialog.buto_Click(0);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
    }
    ASSERT_TRUE(write_user_profile(p, path));
    UserProfile back;
    read_user_profile(back, path, {});
    EXPECT_EQ((std::vector<int>{back.acceptacio, back.post_acceptacio, back.retard_inicial, back.voltes, back.files,
                                back.permanencia, back.marc_contrast}),
              (std::vector<int>{300, 250, 800, 3, 1, 900, 1}));
    // Cancelling stores none of them.
    {
        usr dialog(p, 1, QString());
        dialog.voltes()->setValue(9);
        dialog.buto_Click(1);
    }
    EXPECT_EQ(p.voltes, 3);
}

}  // namespace
}  // namespace orvel
