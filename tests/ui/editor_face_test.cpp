// The editor face of the real main window, offscreen, driven by mouse and key
// events: a board drawn, subdivided, filled, undone, saved and read back; the
// edge scrollbars, the join and asking before an unsaved board is lost.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "model/messages.h"
#include "model/template_file.h"
#include "support/exec_harness.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "support/fake_board.h"
#include "ui/area_canvas.h"
#include "ui/area_panel.h"
#include "ui/builder_fill.h"
#include "ui/editor_face.h"
#include "ui/main_window.h"
#include "ui/plant_form.h"

namespace orvel {
namespace {

using testing::ensure_application;
using testing::ExecHarness;

class EditorFaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensure_application();
        ASSERT_TRUE(dir.isValid());
        testing::use_private_user_folders(QDir(dir.path()));
        w = std::make_unique<MainWindow>(h.services);
        w->Form_Load({});
        w->show();
    }

    template <class T>
    T* child(const char* name)
    {
        T* found = w->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void mouse(QEvent::Type type, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton)
    {
        AreaCanvas* canvas = w->canvas();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QApplication::sendEvent(canvas, &e);
    }
    void drag(QPoint from, QPoint to)
    {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, (from + to) / 2);
        mouse(QEvent::MouseMove, to);
        mouse(QEvent::MouseButtonRelease, to);
    }
    void click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        mouse(QEvent::MouseButtonPress, at, modifiers);
        mouse(QEvent::MouseButtonRelease, at, modifiers);
    }
    static void type(QWidget* target, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    // Runs `answer` on the modal dialog the next action opens.
    static void when_dialog_opens(std::function<void(QWidget*)> answer)
    {
        QTimer::singleShot(0, [answer = std::move(answer)] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            answer(modal);
        });
    }
    void trigger(const char* action) { child<QAction>(action)->trigger(); }
    // Draws the root band over the canvas and subdivides it: 11 - v rows, 11 - h columns.
    void draw_and_subdivide(int v, int h)
    {
        drag(QPoint(12, 9), QPoint(600, 440));
        when_dialog_opens([v, h](QWidget* dialog) {
            dialog->findChild<QScrollBar*>(QStringLiteral("ScrollV"))->setValue(v);
            dialog->findChild<QScrollBar*>(QStringLiteral("ScrollH"))->setValue(h);
            dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        });
        trigger("MnuQuad");
    }
    const Template& board() { return w->state().tmpl; }
    static QRect rect_of(const Area& a) { return QRect(QPoint(a.Xi, a.Yi), QPoint(a.Xf, a.Yf)); }

    QTemporaryDir dir;
    ExecHarness h;
    std::unique_ptr<MainWindow> w;
};

TEST_F(EditorFaceTest, ABoardIsDrawnSubdividedFilledUndoneSavedAndReadBackFieldForField)
{
    // A new board draws its root band at once: from near the top-left corner, mostly down.
    drag(QPoint(12, 9), QPoint(600, 440));
    ASSERT_EQ(board().area_count, 1);
    EXPECT_EQ(rect_of(board().area(1)), QRect(QPoint(0, 0), QPoint(600, 445)));
    EXPECT_EQ(child<QLabel>("MsgArea")->text(), QStringLiteral("1/1 àrees"));

    // "&Subdividir àrea" with 3 rows and 2 columns.
    when_dialog_opens([](QWidget* dialog) {
        dialog->findChild<QScrollBar*>(QStringLiteral("ScrollV"))->setValue(8);  // 10 - 8 + 1 = 3
        dialog->findChild<QScrollBar*>(QStringLiteral("ScrollH"))->setValue(9);  // 2
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("TxV"))->text(), QStringLiteral("3"));
        dialog->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    });
    trigger("MnuQuad");
    ASSERT_EQ(board().area_count, 7);
    EXPECT_EQ(rect_of(board().area(7)), QRect(QPoint(300, 296), QPoint(600, 444)));
    EXPECT_EQ(child<QLabel>("MsgArea")->text(), QStringLiteral("7/7 àrees"));

    // Cell 5 (second row, right): keys typed, then a key name pasted at the caret from "&Edició".
    click(QPoint(450, 200));
    ASSERT_EQ(board().current_area, 5);
    auto* keys = child<QPlainTextEdit>("TxText");
    type(keys, QStringLiteral("ab"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(keys, &enter);  // no line break: the board file holds one line per key text
    QTextCursor caret = keys->textCursor();
    caret.setPosition(1);
    keys->setTextCursor(caret);
    QApplication::clipboard()->setText(QStringLiteral("{ENTER}\n"));
    trigger("mn_copiar_1");
    EXPECT_EQ(board().area(5).keys, QStringLiteral("a{ENTER}b"));
    child<QLineEdit>("So_Text")->setText(QStringLiteral("Hola"));
    child<QLineEdit>("Icona_text")->setText(QStringLiteral("img/hola.png"));
    child<QRadioButton>("Option1_1")->click();
    child<QLineEdit>("TxApp")->setText(QStringLiteral("dibuix.bmp"));

    // Cell 6: a change, undone: the snapshot of the click brings the empty cell back.
    click(QPoint(100, 350));
    ASSERT_EQ(board().current_area, 6);
    type(keys, QStringLiteral("zz"));
    EXPECT_EQ(board().area(6).keys, QStringLiteral("zz"));
    trigger("mn_copiar_2");
    EXPECT_EQ(board().area(6).keys, QString());
    EXPECT_EQ(keys->toPlainText(), QString());
    EXPECT_EQ(board().area(5).keys, QStringLiteral("a{ENTER}b"));

    // Stepping takes the snapshot too: a change after ">" is undone alone.
    type(keys, QStringLiteral("x"));
    child<QPushButton>("NextArea")->click();
    ASSERT_EQ(board().current_area, 7);
    type(keys, QStringLiteral("q"));
    trigger("mn_copiar_2");
    EXPECT_EQ(board().area(7).keys, QString());
    EXPECT_EQ(board().area(6).keys, QStringLiteral("x"));

    // "&Desar ..." through its dialog.
    const QString path = dir.filePath(QStringLiteral("TRES.ORV"));
    when_dialog_opens([path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(path);
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
    });
    trigger("desar");
    EXPECT_EQ(board().modified, 0);
    Template read;
    ASSERT_EQ(load_template(read, path, h.messages), LoadOutcome::Read);
    ASSERT_EQ(read.area_count, board().area_count);
    for (int i = 1; i <= read.area_count; ++i)
        EXPECT_EQ(read.area(i), board().area(i)) << "area " << i;
    const Area& cell = read.area(5);
    EXPECT_EQ(rect_of(cell), QRect(QPoint(300, 148), QPoint(600, 296)));
    EXPECT_EQ(cell.parent, 1);
    EXPECT_EQ(cell.sound_file, QStringLiteral("Hola"));
    EXPECT_EQ(cell.icon_file, QStringLiteral("img/hola.png"));
    EXPECT_EQ(cell.clip_type, 1);
    EXPECT_EQ(cell.clip_file, QStringLiteral("dibuix.bmp"));
    EXPECT_EQ(read.area(1).is_group, -1);
    // A new board draws its cover: the save wrote the cover it names, the size of area 1.
    ASSERT_EQ(read.auto_cover, 1);
    ASSERT_FALSE(read.cover_file.isEmpty());
    const QImage cover(dir.filePath(read.cover_file));
    EXPECT_EQ(cover.size(), rect_of(read.area(1)).size() - QSize(1, 1));
    EXPECT_TRUE(h.messages.texts.isEmpty()) << h.messages.texts.join('|').toStdString();
}

// Dark pixels of the canvas strictly inside a rectangle, 4 pixels in from its outline.
static int ink_inside(const QImage& canvas, const QRect& r)
{
    int dark = 0;
    for (int y = r.top() + 4; y < r.bottom() - 4; ++y)
        for (int x = r.left() + 4; x < r.right() - 4; ++x)
            dark += qGray(canvas.pixel(x, y)) < 128;
    return dark;
}

TEST_F(EditorFaceTest, LeavingAnAreaShowsItsCaptionOnTheCover)
{
    draw_and_subdivide(8, 9);  // 3 rows, 2 columns
    ASSERT_EQ(board().area_count, 7);
    click(QPoint(450, 200));
    ASSERT_EQ(board().current_area, 5);
    type(child<QPlainTextEdit>("TxText"), QStringLiteral("Hola"));
    const QRect cell5 = rect_of(board().area(5)), cell4 = rect_of(board().area(4));
    EXPECT_EQ(ink_inside(w->canvas()->grab().toImage(), cell5), 0);

    click(QPoint(450, 350));  // to cell 7: cell 5's piece of the cover is drawn
    ASSERT_EQ(board().current_area, 7);
    const QImage shown = w->canvas()->grab().toImage();
    EXPECT_GT(ink_inside(shown, cell5), 20);
    EXPECT_EQ(ink_inside(shown, cell4), 0);
}

TEST_F(EditorFaceTest, ScrollbarsKeepTheRootsFixedEdgesAndCarryTheSubAreasWhenTheyLoseTheFocus)
{
    drag(QPoint(12, 9), QPoint(400, 440));  // left band 0..400 x 0..445: only Xf moves
    auto* xi = child<QScrollBar>("ScrollX0");
    auto* xf = child<QScrollBar>("scrollx1");
    xi->setValue(50);
    EXPECT_EQ(xi->value(), 0);
    EXPECT_EQ(board().area(1).Xi, 0);

    trigger("AfegirArea");  // a child of the root
    drag(QPoint(100, 100), QPoint(200, 200));
    ASSERT_EQ(board().area_count, 2);
    click(QPoint(300, 300));  // the root again
    ASSERT_EQ(board().current_area, 1);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(xf, &in);
    xf->setValue(200);  // the band halves
    EXPECT_EQ(board().area(1).Xf, 200);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(xf, &out);
    EXPECT_EQ(rect_of(board().area(2)), QRect(QPoint(50, 100), QPoint(100, 200)));
    // The snapshot taken as the scrollbar got the focus undoes the whole move.
    trigger("mn_copiar_2");
    EXPECT_EQ(board().area(1).Xf, 400);
    EXPECT_EQ(rect_of(board().area(2)), QRect(QPoint(100, 100), QPoint(200, 200)));
}

TEST_F(EditorFaceTest, ResizeDialogResetsPercentagesOutOfRangeAndAdjustGrowsIntoFreeSpace)
{
    drag(QPoint(12, 9), QPoint(600, 440));  // root 0..600 x 0..445
    trigger("AfegirArea");
    drag(QPoint(100, 100), QPoint(300, 300));
    ASSERT_EQ(board().current_area, 2);
    trigger("AfegirArea");
    drag(QPoint(150, 150), QPoint(250, 250));
    ASSERT_EQ(board().area_count, 3);
    w->editor()->show_area(2);

    when_dialog_opens([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Hor"))->setText(QStringLiteral("50"));
        dialog->findChild<QLineEdit*>(QStringLiteral("ver"))->setText(QStringLiteral("250"));  // read as 100
        dialog->findChild<QPushButton*>(QStringLiteral("buto_0"))->click();
    });
    trigger("RedimArea");
    EXPECT_EQ(rect_of(board().area(2)), QRect(QPoint(100, 100), QPoint(200, 300)));
    EXPECT_EQ(rect_of(board().area(3)), QRect(QPoint(125, 150), QPoint(175, 250)));

    // "Cancelar" changes nothing; "Ajustar àrees" then fills the root around area 2.
    when_dialog_opens([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Hor"))->setText(QStringLiteral("10"));
        dialog->findChild<QPushButton*>(QStringLiteral("buto_1"))->click();
    });
    trigger("RedimArea");
    EXPECT_EQ(rect_of(board().area(2)), QRect(QPoint(100, 100), QPoint(200, 300)));
    trigger("AjustArea");
    EXPECT_EQ(rect_of(board().area(2)), QRect(QPoint(0, 0), QPoint(600, 445)));
    // One step of undo brings the adjusted area back.
    trigger("mn_copiar_2");
    EXPECT_EQ(rect_of(board().area(2)), QRect(QPoint(100, 100), QPoint(200, 300)));
}

TEST_F(EditorFaceTest, CtrlClickJoinsNeighboursAPlainClickDropsTheJoinAndDeleteKeepsTheRoot)
{
    draw_and_subdivide(10, 8);  // 1 row, 3 columns
    ASSERT_EQ(board().area_count, 4);
    click(QPoint(100, 100));  // cell 2
    click(QPoint(300, 100), Qt::ControlModifier);
    EXPECT_EQ(board().current_area, 5);  // the join area
    EXPECT_EQ(rect_of(board().area(5)), QRect(QPoint(0, 0), QPoint(400, 445)));
    // A plain click inside the join lands on its records; once they go, the cell there is selected.
    click(QPoint(300, 100));
    EXPECT_EQ(board().area_count, 4);
    EXPECT_EQ(board().current_area, 3);
    click(QPoint(500, 100));
    EXPECT_EQ(board().current_area, 4);
    // A join is never run as areas: entering run mode ends it.
    click(QPoint(100, 100), Qt::ControlModifier);
    ASSERT_GT(board().area_count, 4);
    w->actApl_Click();
    EXPECT_EQ(board().area_count, 4);
    w->finapc_Click();
    w->editor()->show_area(4);

    // Delete: the root and a group are kept (a beep), a cell goes.
    const int before = board().area_count;
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(w->canvas(), &del);
    EXPECT_EQ(board().area_count, before - 1);
    w->editor()->show_area(1);
    QApplication::sendEvent(w->canvas(), &del);
    EXPECT_EQ(board().area_count, before - 1);
}

TEST_F(EditorFaceTest, UnsavedChangesAreAskedAboutBeforeANewBoardOrClosing)
{
    drag(QPoint(12, 9), QPoint(600, 440));
    ASSERT_EQ(board().modified, -1);
    // "Assistent tecles" edits the area's key text as rows and gives it back to the panel.
    QPlainTextEdit* keys = w->editor()->panel()->key_text();
    keys->setPlainText(QStringLiteral("Hola"));
    testing::answer_next_dialog<Fill>([](Fill& f) {
        f.codi_Click(0);
        f.Ordres_Click(2, int(f.Ordres(2)->findText(QStringLiteral("Tancar tot"))));
        f.BUTO_SORTIR_Click(0);
    });
    QTest::mouseClick(child<QPushButton>("CODI_MODUS_BOTO_1"), Qt::LeftButton);
    EXPECT_EQ(keys->toPlainText(), QStringLiteral("Hola{|Tancar}"));
    const QString question = missatge(5);
    // The new board opens the global data dialog; "&Dades globals" opens it again.
    int global_data_opened = 0;
    testing::answer_next_dialog<PlantForm>([&](PlantForm& f) {
        ++global_data_opened;
        f.reject();
    });
    trigger("nou");  // answered No: the board is replaced
    EXPECT_EQ(h.messages.texts.count(question), 1);
    EXPECT_EQ(board().area_count, 0);
    EXPECT_EQ(global_data_opened, 1);
    EXPECT_EQ(board().modified, 0);
    testing::answer_next_dialog<PlantForm>([&](PlantForm& f) {
        ++global_data_opened;
        EXPECT_FALSE(child<QAction>("dades_globals")->isEnabled());
        f.Tecles()->setText(QStringLiteral("Hola"));
        f.BotoOk_Click();
    });
    trigger("dades_globals");
    EXPECT_EQ(global_data_opened, 2);
    EXPECT_EQ(board().initial_keys, QStringLiteral("Hola"));
    EXPECT_EQ(board().modified, -1);
    EXPECT_TRUE(child<QAction>("dades_globals")->isEnabled());
    w->state().tmpl.modified = 0;
    drag(QPoint(12, 9), QPoint(600, 440));
    w->close();
    EXPECT_EQ(h.messages.texts.count(question), 2);
}

TEST_F(EditorFaceTest, SymbolFilesAreStoredRelativeToTheBoardAndTheViewersRefuseWhatTheyCannotShow)
{
    QTemporaryDir data;
    QDir(data.path()).mkpath(QStringLiteral("img"));
    QDir(data.path()).mkpath(QStringLiteral("help"));
    for (const char* name : {"img/gat.bmp", "img/gos.jpg", "help/index.html"}) {
        QFile f(data.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    w->state().tmpl.directory = data.path();
    w->state().folders.program = data.path();
    QStringList opened, played;
    EditorHooks hooks;
    hooks.open_file = [&](const QString& path) { opened << path; return true; };
    hooks.play_sound = [&](const QString& sound) { played << sound; };
    hooks.choose_picture = [&](const QString&) { return std::optional<QString>(data.filePath("img/gat.bmp")); };
    hooks.choose_sound = [&](const QString&) { return std::optional<QString>(QStringLiteral("/elsewhere/miau.wav")); };
    w->editor()->set_hooks(hooks);

    drag(QPoint(12, 9), QPoint(600, 440));
    w->state().tmpl.cover_outdated = 0;
    child<QPushButton>("Icona_buscar")->click();
    EXPECT_EQ(board().area(1).icon_file, QStringLiteral("img/gat.bmp"));
    EXPECT_EQ(board().cover_outdated, -1);
    child<QPushButton>("So_buscar")->click();
    EXPECT_EQ(board().area(1).sound_file, QStringLiteral("/elsewhere/miau.wav"));
    child<QPushButton>("So_escoltar")->click();
    EXPECT_EQ(played, QStringList{QStringLiteral("/elsewhere/miau.wav")});

    child<QPushButton>("Icona_veure")->click();
    EXPECT_EQ(opened, QStringList{data.filePath("img/gat.bmp")});
    h.messages.texts.clear();
    child<QLineEdit>("Icona_text")->setText(QStringLiteral("img/gos.jpg"));
    child<QPushButton>("Icona_veure")->click();
    EXPECT_EQ(h.messages.texts, QStringList{missatge(1)});
    EXPECT_EQ(opened.size(), 1);
    // An empty clipboard file shows nothing and says nothing.
    child<QPushButton>("VeureClip")->click();
    EXPECT_EQ(h.messages.texts.size(), 1);

    trigger("hlpIndex");
    EXPECT_EQ(opened.last(), data.filePath("help/index.html"));

    // A board of format minor 0 has no clipboard-file controls; others show them.
    w->state().tmpl.format_minor = 0;
    w->editor()->show_board(QImage());
    EXPECT_FALSE(child<QLineEdit>("TxApp")->isVisibleTo(w.get()));
    w->state().tmpl.format_minor = 2;
    w->editor()->show_board(QImage());
    EXPECT_TRUE(child<QLineEdit>("TxApp")->isVisibleTo(w.get()));
}

TEST_F(EditorFaceTest, ALoadedBoardMarksItsProgramInTheCatalogueAndOffersItsMacros)
{
    const QString config = dir.filePath(QStringLiteral("XDG_CONFIG_HOME/orvel"));
    QDir().mkpath(config);
    QFile ini(config + QStringLiteral("/MACROS.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Inici]\r\nversio=MAC1\r\nN_Prog=2\r\n1PROG=Full\r\n1codi=FULL\r\n1cami=C:\\P\\FULL.EXE\r\n"
              "2PROG=Editor\r\n2codi=ED\r\n2cami=C:\\P\\EDITOR.EXE\r\n"
              "[ED]\r\nN_macro=1\r\n1titol=Negreta\r\n1tecles=^b\r\n");
    ini.close();
    Template t;
    t.program = QStringLiteral("c:\\progs\\editor.exe");
    add_area(t, testing::root_area());
    const QString board = dir.filePath(QStringLiteral("ED.ORV"));
    ASSERT_TRUE(write_template(t, board));

    MainWindow loaded(h.services);
    loaded.Form_Load({board});
    const Catalogue& catalogue = loaded.state().catalogue;
    EXPECT_EQ(catalogue.macros_title, QStringLiteral("Editor"));
    ASSERT_EQ(catalogue.macros.size(), 1u);
    EXPECT_EQ(catalogue.macros[0].keys, QStringLiteral("^b"));
}

TEST_F(EditorFaceTest, ThePictureBrowserAndTheCommandMenusFillTheAreaBeingEdited)
{
    QTemporaryDir data;
    QImage(8, 8, QImage::Format_RGB32).save(data.filePath(QStringLiteral("gat.bmp")));
    w->state().tmpl.directory = data.path();
    drag(QPoint(12, 9), QPoint(600, 440));

    // "Fitxer..." of the visual symbol opens the picture browser on the board's folder.
    when_dialog_opens([](QWidget* dialog) {
        auto* browser = qobject_cast<QDialog*>(dialog);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->objectName(), QStringLiteral("rec_graf"));
        auto* files = browser->findChild<QListWidget*>(QStringLiteral("File1"));
        ASSERT_NE(files, nullptr);
        ASSERT_EQ(files->count(), 1);
        files->setCurrentRow(0);
        browser->findChild<QPushButton*>(QStringLiteral("Command1_0"))->click();
    });
    child<QPushButton>("Icona_buscar")->click();
    EXPECT_EQ(board().area(1).icon_file, QStringLiteral("gat.bmp"));

    // Every item of the command menus inserts its text at the key text's caret.
    auto* keys = child<QPlainTextEdit>("TxText");
    keys->setPlainText(QStringLiteral("ab"));
    QTextCursor caret = keys->textCursor();
    caret.setPosition(1);
    keys->setTextCursor(caret);
    QMenu* memoria = child<QMenu>("mn_mem");
    QAction* first = nullptr;
    for (QAction* a : memoria->actions())
        if (!a->isSeparator() && !a->menu()) {
            first = a;
            break;
        }
    ASSERT_NE(first, nullptr);
    first->trigger();
    EXPECT_EQ(board().area(1).keys, QStringLiteral("a{|CM }{|M+ abcd }b"));

    // "Tec. Aux." and "&Teclat auxiliar" open the auxiliary keyboard together; a chooser closes it.
    child<QCheckBox>("Check_tecAux")->click();
    EXPECT_TRUE(child<QAction>("tecAux")->isChecked());
    EXPECT_NE(w->findChild<QWidget*>(QStringLiteral("TecVirt")), nullptr);
    when_dialog_opens([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::DirectConnection); });
    child<QPushButton>("Icona_buscar")->click();
    EXPECT_FALSE(child<QAction>("tecAux")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check_tecAux")->isChecked());
    EXPECT_EQ(board().area(1).icon_file, QStringLiteral("gat.bmp"));  // a cancelled browser changes nothing
}

}  // namespace
}  // namespace orvel
