// The "Símbols" window with the keyboard alone, its pictures drawn only where they
// are seen, a library that cannot be read, and a symbol chosen from the area panel
// and from the picture browser landing in the board's folder and on its cover.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "editor/symbol_index.h"
#include "support/exec_harness.h"
#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/area_canvas.h"
#include "ui/editor_face.h"
#include "ui/main_window.h"
#include "ui/symbol_grid_model.h"
#include "ui/symbol_picker.h"

namespace orvel {
namespace {

using testing::ensure_application;

const QString kLibrary = QStringLiteral(ORVEL_SOURCE_DIR "/data/symbols");

std::shared_ptr<const SymbolIndex> library()
{
    static const auto index = SymbolIndex::load(kLibrary, nullptr);
    return index;
}

QString current_hexcode(const SymbolPicker& picker)
{
    const SymbolMatch* m = picker.model()->match(picker.grid()->currentIndex().row());
    return m ? library()->symbol(m->symbol).hexcode : QString();
}

TEST(SymbolPicker, KeyboardAloneSearchesMovesChoosesAndCancels)
{
    ensure_application();
    ASSERT_TRUE(library()) << "the symbol library is installed by scripts/install-deps";
    SymbolPicker picker(library(), QString(), QStringLiteral("Hola"));
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    // The area's text is searched at once and selected: typing replaces it.
    EXPECT_TRUE(picker.search_field()->hasFocus());
    EXPECT_EQ(picker.search_field()->selectedText(), QStringLiteral("Hola"));
    QTest::keyClicks(picker.search_field(), QStringLiteral("gat"));
    EXPECT_EQ(picker.search_field()->text(), QStringLiteral("gat"));
    EXPECT_EQ(current_hexcode(picker), QStringLiteral("1F408"));
    EXPECT_TRUE(picker.status()->text().contains(QString::number(picker.model()->rowCount())));

    // The arrows move in the grid while the caret stays in the field.
    QTest::keyClick(picker.search_field(), Qt::Key_Right);
    EXPECT_EQ(picker.grid()->currentIndex().row(), 1);
    EXPECT_TRUE(picker.search_field()->hasFocus());
    QTest::keyClick(picker.search_field(), Qt::Key_Left);
    EXPECT_EQ(picker.grid()->currentIndex().row(), 0);
    QTest::keyClick(picker.search_field(), Qt::Key_Right);
    const QString second = current_hexcode(picker);
    QTest::keyClick(picker.search_field(), Qt::Key_Return);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    ASSERT_TRUE(picker.chosen());
    EXPECT_EQ(library()->symbol(picker.chosen()->symbol).hexcode, second);

    // Escape cancels; in the grid itself Enter chooses too.
    SymbolPicker cancelled(library(), QString(), QStringLiteral("aigua"));
    cancelled.show();
    QTest::keyClick(cancelled.search_field(), Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_FALSE(cancelled.chosen());
    SymbolPicker in_grid(library(), QString(), QStringLiteral("aigua"));
    in_grid.show();
    in_grid.grid()->setFocus();
    QTest::keyClick(in_grid.grid(), Qt::Key_Down);
    const QString below = current_hexcode(in_grid);
    EXPECT_NE(below, QStringLiteral("1F6B0"));
    QTest::keyClick(in_grid.grid(), Qt::Key_Return);
    ASSERT_TRUE(in_grid.chosen());
    EXPECT_EQ(library()->symbol(in_grid.chosen()->symbol).hexcode, below);

    // Nothing found: the state says so and Enter chooses nothing.
    SymbolPicker none(library(), QString(), QStringLiteral("zzqxv"));
    none.show();
    EXPECT_TRUE(none.status()->text().contains(QStringLiteral("zzqxv")));
    QTest::keyClick(none.search_field(), Qt::Key_Return);
    EXPECT_FALSE(none.chosen());
    EXPECT_TRUE(none.isVisible());
}

TEST(SymbolPicker, DrawsOnlyTheVisiblePicturesAndNamesEveryControl)
{
    ensure_application();
    ASSERT_TRUE(library());
    SymbolPicker picker(library(), QString(), QString());
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    EXPECT_EQ(picker.model()->rowCount(), library()->size());
    ASSERT_TRUE(testing::wait_until([&] { return picker.model()->drawn() > 0; }));
    EXPECT_LT(picker.model()->drawn(), 200);
    const int drawn = picker.model()->drawn();
    picker.grid()->viewport()->repaint();
    EXPECT_EQ(picker.model()->drawn(), drawn);  // kept, not drawn again

    for (QWidget* w : picker.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QListView*>(w) ||
                             qobject_cast<QPushButton*>(w) || (qobject_cast<QLabel*>(w) && !w->objectName().isEmpty());
        if (control) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(picker.model()->data(picker.model()->index(0), Qt::AccessibleTextRole),
              picker.model()->match(0)->name);
}

TEST(SymbolPicker, WithoutALibraryItSaysWhyAndStaysUsable)
{
    ensure_application();
    QTemporaryDir dir;
    QString problem;
    auto missing = SymbolIndex::load(dir.path() + QStringLiteral("/none"), &problem);
    ASSERT_FALSE(missing);
    SymbolPicker picker(missing, problem, QStringLiteral("gat"));
    picker.show();
    EXPECT_EQ(picker.status()->text(), problem);
    EXPECT_EQ(picker.model()->rowCount(), 0);
    QTest::keyClicks(picker.search_field(), QStringLiteral("aigua"));
    QTest::keyClick(picker.search_field(), Qt::Key_Down);
    QTest::keyClick(picker.search_field(), Qt::Key_Return);
    EXPECT_FALSE(picker.chosen());
    EXPECT_EQ(picker.status()->text(), problem);
    QTest::keyClick(picker.search_field(), Qt::Key_Escape);
    EXPECT_EQ(picker.result(), QDialog::Rejected);
}

class SymbolChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensure_application();
        ASSERT_TRUE(dir.isValid());
        testing::use_private_user_folders(QDir(dir.path()));
        w = std::make_unique<MainWindow>(h.services);
        w->Form_Load({});
        w->show();
        // The library as an installed program has it: "symbols" in the program's folder.
        w->state().folders.program = QStringLiteral(ORVEL_SOURCE_DIR "/data");
        w->state().tmpl.directory = dir.path();
    }
    Template& board() { return w->state().tmpl; }

    QTemporaryDir dir;
    testing::ExecHarness h;
    std::unique_ptr<MainWindow> w;
};

TEST_F(SymbolChoiceTest, AreaPanelAndPictureBrowserWriteTheSymbolIntoTheBoardFolder)
{
    // A board drawing its own cover, one area beside the root.
    Template& t = board();
    t.auto_cover = -1;
    add_area(t, testing::root_area(0, 0, 400, 300));
    add_area(t, testing::with_keys(testing::rect_area(0, 0, 200, 150), QStringLiteral("gat")));
    w->editor()->show_board(QImage(), false);
    w->editor()->show_area(2);

    testing::answer_next_dialog<SymbolPicker>([](SymbolPicker& picker) {
        EXPECT_EQ(picker.search_field()->text(), QStringLiteral("gat"));  // the area's text
        EXPECT_TRUE(picker.caption_box()->isVisible());                    // offered under the symbol
        EXPECT_TRUE(picker.caption_box()->isChecked());
        QTest::keyClick(picker.search_field(), Qt::Key_Return);
    });
    w->findChild<QPushButton*>(QStringLiteral("Icona_simbols"))->click();
    EXPECT_EQ(t.area(2).icon_file, QStringLiteral("gat.bmp"));
    const QImage written(dir.filePath(QStringLiteral("gat.bmp")));
    EXPECT_EQ(written.size(), QSize(198, 148));  // the rectangle the cover stretches it over
    // The cover shows it at once: the cat's orange inside the area, none outside.
    const QImage cover = w->canvas()->cover();
    ASSERT_FALSE(cover.isNull());
    auto orange_in = [&cover](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += cover.pixelColor(x, y) == QColor(0xf4, 0xaa, 0x41);
        return n;
    };
    EXPECT_GT(orange_in(QRect(0, 0, 200, 150)), 500);
    EXPECT_EQ(orange_in(QRect(200, 150, 200, 150)), 0);

    // The picture browser's "Símbols..." gives the same file again, stored relative.
    t.area(2).icon_file.clear();
    w->editor()->show_area(2);
    testing::answer_next_dialog<QDialog>([](QDialog& browser) {
        EXPECT_EQ(browser.objectName(), QStringLiteral("rec_graf"));
        testing::answer_next_dialog<SymbolPicker>(
            [](SymbolPicker& picker) { QTest::keyClick(picker.search_field(), Qt::Key_Return); });
        browser.findChild<QPushButton*>(QStringLiteral("Command1_simbols"))->click();
    });
    w->findChild<QPushButton*>(QStringLiteral("Icona_buscar"))->click();
    EXPECT_EQ(t.area(2).icon_file, QStringLiteral("gat.bmp"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("gat-2.bmp"))));

    // The about box gives the library's credit and licence.
    w->findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
    ASSERT_FALSE(h.messages.texts.empty());
    EXPECT_TRUE(h.messages.texts.back().contains(QStringLiteral("OpenMoji")));
    EXPECT_TRUE(h.messages.texts.back().contains(QStringLiteral("CC BY-SA 4.0")));

    // A board never saved has no folder: the person is told, nothing is stored.
    t.directory.clear();
    t.area(2).icon_file.clear();
    w->editor()->show_area(2);
    testing::answer_next_dialog<SymbolPicker>(
        [](SymbolPicker& picker) { QTest::keyClick(picker.search_field(), Qt::Key_Return); });
    w->findChild<QPushButton*>(QStringLiteral("Icona_simbols"))->click();
    EXPECT_TRUE(t.area(2).icon_file.isEmpty());
    ASSERT_FALSE(h.messages.texts.empty());
    EXPECT_TRUE(h.messages.texts.back().contains(QStringLiteral("Deseu")));
}

}  // namespace
}  // namespace orvel
