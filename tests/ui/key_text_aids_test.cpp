// The editor's aids for writing key texts, as real windows on the offscreen
// platform driven with Qt's simulated mouse: the command menus filling a key
// text at its caret, the picture browser, and the auxiliary keyboard.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/aux_keyboard.h"
#include "ui/command_file_picker.h"
#include "ui/command_menus.h"
#include "ui/rec_graf.h"
#include "ui/text_field_insertion.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;
using testing::answer_next_dialog;
using testing::click_menu_path;
using testing::ensure_application;
using testing::wait_until;

struct DialogCall {
    FileDialogSettings settings;
    QString start_folder, initial_name;
    bool keyboard_open = false;
};

// An editor stand-in: a main window with the key text box `TxText`, the
// visual symbol field, the command menus and the auxiliary keyboard, over a
// board folder on disk. Dialogs answer with `answers`, in order. The global
// data dialog's and the command builder's fields are there when set.
class KeyTextAids : public ::testing::Test {
protected:
    // Widgets below need the application before they are built.
    struct Application {
        Application() { ensure_application(); }
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        board_folder = dir.path();
        auto* central = new QWidget;
        TxText = new QPlainTextEdit(central);
        TxText->resize(300, 30);
        TxText->setObjectName(u"TxText"_s);
        Icona_text = new QLineEdit(central);
        Icona_text->move(0, 40);
        window.setCentralWidget(central);

        picker.set_open_file_dialog([this](const FileDialogSettings& settings, const QString& start, const QString& initial) {
            calls.push_back({settings, start, initial, aux.window() && aux.window()->isVisible()});
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        menus.add_to(window.menuBar());
        window.menuBar()->addMenu(u"Veure"_s)->addAction(aux.tecAux());
        window.resize(500, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(wait_until([this] { return window.isVisible(); }));
    }

    void type_into_key_text(const QString& text, int caret)
    {
        TxText->setPlainText(text);
        QTextCursor c = TxText->textCursor();
        c.setPosition(caret);
        TxText->setTextCursor(c);
    }
    QString key_text() const { return TxText->toPlainText(); }
    int caret() const { return TxText->textCursor().position(); }

    bool choose(const QStringList& path) { return click_menu_path(window.menuBar(), path); }

    Application application;
    QTemporaryDir dir;
    QString board_folder;
    QMainWindow window;
    QPlainTextEdit* TxText = nullptr;
    QLineEdit* Icona_text = nullptr;
    QLineEdit* initial_keys = nullptr;
    QLineEdit* builder_parameter = nullptr;
    QStringList answers;
    std::vector<DialogCall> calls;
    CommandFilePicker picker{&window, [this] { return board_folder; }, u"/opt/orvel"_s};
    AuxKeyboard aux{&window,
                    NotationTargets{[this] { return TxText; }, [this] { return initial_keys; },
                                    [this] { return builder_parameter; }},
                    picker};
    CommandMenus menus{&window, picker, &aux,
                       CommandMenuHooks{[this](const QString& t) { insert_into_field(TxText, t); },
                                        [this](const QString& name) { Icona_text->setText(name); }}};
};

TEST_F(KeyTextAids, FixedCommandsGoInAtTheCaretFromEachMenu)
{
    struct Row {
        QStringList path;
        QString before;
        int caret;
        QString after;
    };
    for (const Row& r : std::vector<Row>{
             {{u"mn_or"_s, u"mn_or_6"_s}, QString(), 0, u"{|Espera 1}"_s},
             {{u"mn_or"_s, u"mn_or_9"_s}, u"abcd"_s, 2, u"ab{|Tancar}cd"_s},
             {{u"mn_rata"_s, u"mn_rata_2"_s}, u"x"_s, 1, u"x{|Mouse D n}"_s},
             {{u"mn_rata"_s, u"mn_boto_dret"_s, u"mn_boto_dret_1"_s}, u"ab"_s, 0, u"{|Mouse 2CD}ab"_s},
             {{u"mn_rata"_s, u"mn_boto_esquerra"_s, u"mn_boto_esquerra_2"_s}, QString(), 0, u"{|Mouse PE x y }"_s},
             {{u"mn_mem"_s, u"mn_mem_5"_s}, u"àb"_s, 1, u"à{|RCW }b"_s}}) {
        type_into_key_text(r.before, r.caret);
        ASSERT_TRUE(choose(r.path)) << r.path.join(u'/').toStdString();
        ASSERT_TRUE(wait_until([&] { return key_text() == r.after; })) << key_text().toStdString();
        // The caret stands right after what went in, and the field has the focus.
        EXPECT_EQ(caret(), r.caret + r.after.size() - r.before.size());
        EXPECT_EQ(window.focusWidget(), TxText);
        Icona_text->setFocus();
    }
    EXPECT_TRUE(calls.empty());  // no item above asks for a file
}

TEST_F(KeyTextAids, FileCommandsAskWithTheirDialogAndStoreTheChoiceRelativeToTheBoard)
{
    answers = {board_folder + u"/sons/Abella.wav"_s, QString(), u"/a.w"_s, u"*.WAV"_s,
               u"/elsewhere/plafo.orv"_s, u"/docs/carta.txt"_s, u"/docs/altra.txt"_s};
    type_into_key_text(u"ab"_s, 1);
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_1"_s}));  // "Escoltar sons"
    EXPECT_EQ(key_text(), u"a{|Sona SONS/ABELLA.WAV}b"_s);
    // Cancelled, too short or the pattern left in place: nothing goes in.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_1"_s}));
    EXPECT_EQ(key_text(), u"a{|Sona SONS/ABELLA.WAV}b"_s);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].settings.title, u"Fitxers de so"_s);
    EXPECT_EQ(calls[0].initial_name, u"*.WAV"_s);
    EXPECT_EQ(calls[0].start_folder, QDir::currentPath());

    type_into_key_text(QString(), 0);
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_2"_s}));  // "Canvi de plafó" starts in the board's folder
    EXPECT_EQ(calls.back().start_folder, board_folder);
    EXPECT_EQ(key_text(), u"{|Carrega /ELSEWHERE/PLAFO.ORV}"_s);

    // "Enganxar un text" keeps the name chosen last in its dialog.
    type_into_key_text(QString(), 0);
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_3"_s}));
    EXPECT_TRUE(calls.back().initial_name.isEmpty());
    EXPECT_EQ(key_text(), u"{|Enganxa /DOCS/CARTA.TXT}^v"_s);
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_3"_s}));
    EXPECT_EQ(calls.back().initial_name, u"/docs/carta.txt"_s);
    // The command builder's picker starts that dialog with the pattern instead.
    answers = {board_folder + u"/textos/Conte.txt"_s};
    EXPECT_EQ(picker.pick_command_file(3), u"TEXTOS/CONTE.TXT"_s);
    EXPECT_EQ(calls.back().initial_name, u"*.TXT"_s);
}

TEST_F(KeyTextAids, OrdresClosesTheAuxiliaryKeyboardAroundItsDialogAndReopensIt)
{
    aux.tecAux()->trigger();
    ASSERT_TRUE(aux.checked());
    ASSERT_TRUE(wait_until([this] { return aux.window() && aux.window()->isVisible(); }));
    answers = {u"/usr/bin/xterm"_s};
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_0"_s}));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].keyboard_open);
    EXPECT_EQ(key_text(), u"{|Executa /USR/BIN/XTERM}"_s);
    EXPECT_TRUE(aux.checked());
    EXPECT_TRUE(aux.window() && aux.window()->isVisible());

    // "Ratolí" leaves it open throughout.
    TecVirt* before = aux.window();
    ASSERT_TRUE(choose({u"mn_rata"_s, u"mn_rata_0"_s}));
    EXPECT_EQ(aux.window(), before);

    // Without the mark it stays closed after an "Ordres" item.
    aux.tecAux()->trigger();
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_6"_s}));
    EXPECT_EQ(aux.window(), nullptr);

    // While the key text is built with the assistant the menus are off.
    menus.set_enabled(false);
    for (QMenu* m : menus.menus())
        EXPECT_FALSE(m->menuAction()->isEnabled());
}

// A picture folder: three pictures (one named in capitals, one large), a picture
// that cannot be read, a text file and a sub-folder.
void lay_out_pictures(const QString& folder)
{
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QDir().mkpath(folder + u"/sub"_s);
    ASSERT_TRUE(red.save(folder + u"/casa.bmp"_s, "BMP"));
    ASSERT_TRUE(red.save(folder + u"/FOTO.JPG"_s, "JPG"));
    ASSERT_TRUE(red.scaled(3000, 1500).save(folder + u"/gran.jpg"_s, "JPG"));
    testing::write_file(folder + u"/trencat.gif"_s, "not a picture");
    testing::write_file(folder + u"/nota.txt"_s, "text");
}

QStringList items_of(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void click_item(QListWidget* list, const QString& text, bool twice = false)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QPoint at = list->visualItemRect(found[0]).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(KeyTextAids, PictureBrowserPicksAFileWithAPreview)
{
    const QString img = board_folder + u"/img"_s;
    lay_out_pictures(img);
    QString result = u"earlier choice"_s;
    {
        rec_graf browser(result);
        browser.set_folder(board_folder);
        browser.show();
        click_item(browser.Dir1(), u"img"_s, true);
        ASSERT_EQ(browser.folder(), img);
        // The drive list shows the place the folder lies in.
        const QString home = QDir::homePath() + u'/';
        EXPECT_EQ(browser.Drive1()->currentData().toString(), img.startsWith(home) ? QDir::homePath() : u"/"_s);
        // Only pictures are listed, whatever the case of their names.
        EXPECT_EQ(items_of(browser.File1()),
                  (QStringList{u"casa.bmp"_s, u"FOTO.JPG"_s, u"gran.jpg"_s, u"trencat.gif"_s}));
        EXPECT_TRUE(items_of(browser.Dir1()).contains(u"sub"_s));
        EXPECT_TRUE(items_of(browser.Dir1()).contains(u".."_s));

        // Small and large pictures fill the preview, proportions kept.
        const QSize filled(browser.Image1()->width(), browser.Image1()->width() / 2);
        click_item(browser.File1(), u"gran.jpg"_s);
        EXPECT_EQ(browser.Image1()->pixmap().size(), filled);
        click_item(browser.File1(), u"casa.bmp"_s);
        const QImage shown = browser.Image1()->pixmap().toImage();
        EXPECT_EQ(shown.size(), filled);
        // A file that cannot be read leaves the preview as it was.
        click_item(browser.File1(), u"trencat.gif"_s);
        EXPECT_EQ(browser.Image1()->pixmap().toImage(), shown);

        QTest::mouseClick(browser.Command1(1), Qt::LeftButton);  // "Cancelar"
        EXPECT_EQ(result, u"earlier choice"_s);
        EXPECT_EQ(browser.result(), QDialog::Rejected);
    }
    {
        rec_graf browser(result);
        browser.set_folder(img);
        browser.set_folder(img + u"/missing"_s);  // a folder that cannot be read changes nothing
        EXPECT_EQ(browser.folder(), img);
        browser.show();
        click_item(browser.File1(), u"FOTO.JPG"_s);
        QTest::mouseClick(browser.Command1(0), Qt::LeftButton);  // "D'Acord"
        EXPECT_EQ(result, img + u"/FOTO.JPG"_s);
    }
    {
        // "D'Acord" with nothing selected gives the folder alone.
        rec_graf browser(result);
        browser.set_folder(img + u"/sub"_s);
        browser.show();
        QTest::mouseClick(browser.Command1(0), Qt::LeftButton);
        EXPECT_EQ(result, img + u"/sub/"_s);
    }
}

TEST_F(KeyTextAids, PastingAPictureFromTheMenuAlsoMakesItTheAreasIcon)
{
    lay_out_pictures(board_folder + u"/img"_s);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(board_folder + u"/img"_s);  // the browser opens on the current folder
    answer_next_dialog<rec_graf>([](rec_graf& b) {
        click_item(b.File1(), u"casa.bmp"_s);
        QTest::mouseClick(b.Command1(0), Qt::LeftButton);
    });
    type_into_key_text(u"ab"_s, 2);
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_5"_s}));
    EXPECT_EQ(key_text(), u"ab{|Enganxa img/casa.bmp}^v{RIGHT}"_s);
    EXPECT_EQ(Icona_text->text(), u"img/casa.bmp"_s);

    // Cancelling the browser inserts nothing and leaves the icon alone.
    answer_next_dialog<rec_graf>([](rec_graf& b) { QTest::mouseClick(b.Command1(1), Qt::LeftButton); });
    ASSERT_TRUE(choose({u"mn_or"_s, u"mn_or_5"_s}));
    EXPECT_EQ(key_text(), u"ab{|Enganxa img/casa.bmp}^v{RIGHT}"_s);
    EXPECT_EQ(Icona_text->text(), u"img/casa.bmp"_s);

    // The command builder's kind 5 gives the choice in capitals.
    answer_next_dialog<rec_graf>([](rec_graf& b) {
        click_item(b.File1(), u"FOTO.JPG"_s);
        QTest::mouseClick(b.Command1(0), Qt::LeftButton);
    });
    EXPECT_EQ(picker.pick_command_file(5), u"IMG/FOTO.JPG"_s);
    EXPECT_TRUE(picker.pick_command_file(4).isEmpty());
    QDir::setCurrent(previous);
}

TEST_F(KeyTextAids, AuxiliaryKeyboardTypesKeyNamesIntoTheKeyText)
{
    auto* tec_aux_box = new QCheckBox(u"Tec. Aux."_s, window.centralWidget());
    tec_aux_box->move(0, 80);
    tec_aux_box->show();
    QCheckBox& tec_aux = *tec_aux_box;
    aux.bind_check_box(&tec_aux);
    QTest::mouseClick(&tec_aux, Qt::LeftButton);
    ASSERT_TRUE(aux.checked());
    ASSERT_TRUE(wait_until([this] { return aux.window() && aux.window()->isVisible(); }));
    TecVirt* keyboard = aux.window();
    EXPECT_EQ(TecVirt::open_window_count(), 2);

    type_into_key_text(u"ab"_s, 1);
    Icona_text->setFocus();
    QTest::mouseClick(keyboard->key_button(9), Qt::LeftButton);  // "Tab"
    EXPECT_EQ(key_text(), u"a{TAB}b"_s);
    EXPECT_EQ(caret(), 6);
    EXPECT_EQ(window.focusWidget(), TxText);
    // A modifier picture, then a key: Shift+Insert.
    QTest::mouseClick(keyboard->picture(0), Qt::LeftButton);
    QTest::mouseClick(keyboard->key_button(1), Qt::LeftButton);
    EXPECT_EQ(key_text(), u"a{TAB}+{INSERT}b"_s);
    QTest::mouseClick(keyboard->picture(6), Qt::LeftButton);
    EXPECT_EQ(key_text(), u"a{TAB}+{INSERT}{|Nivell 0}b"_s);

    // Picture 4 asks for a board in the program's folder; cancelling changes nothing.
    const QString before = key_text();
    QTest::mouseClick(keyboard->picture(kAuxLoadPicture), Qt::LeftButton);
    EXPECT_EQ(key_text(), before);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].start_folder, u"/opt/orvel"_s);
    EXPECT_EQ(calls[0].settings.title, u"Fitxer de plantilla"_s);
    answers = {board_folder + u"/plafons/b.orv"_s};
    type_into_key_text(QString(), 0);
    QTest::mouseClick(keyboard->picture(kAuxLoadPicture), Qt::LeftButton);
    EXPECT_EQ(key_text(), u"{|Carrega PLAFONS/B.ORV}"_s);

    // Closing it with its close box clears both marks.
    keyboard->close();
    EXPECT_FALSE(aux.checked());
    EXPECT_FALSE(tec_aux.isChecked());
    EXPECT_TRUE(wait_until([this] { return aux.window() == nullptr; }));
    // The menu item opens it again and checks the box too.
    aux.tecAux()->trigger();
    EXPECT_TRUE(tec_aux.isChecked());
    aux.close_aux_keyboard();
    EXPECT_FALSE(tec_aux.isChecked());
    EXPECT_FALSE(aux.tecAux()->isChecked());
}

TEST_F(KeyTextAids, WithAThirdWindowOpenTheKeyboardWritesThere)
{
    // The global data dialog is modal; its "Tec Aux" button opens the keyboard
    // above it, where it can still be clicked.
    auto* global_data = new QDialog(&window);
    initial_keys = new QLineEdit(global_data);
    global_data->setWindowModality(Qt::ApplicationModal);
    global_data->show();
    ASSERT_TRUE(wait_until([&] { return QApplication::activeModalWidget() == global_data; }));
    aux.open();
    ASSERT_TRUE(wait_until([this] { return aux.window() && aux.window()->isVisible(); }));
    EXPECT_EQ(aux.window()->parentWidget(), global_data);
    ASSERT_EQ(TecVirt::open_window_count(), 3);
    QTest::mouseClick(aux.window()->key_button(23), Qt::LeftButton);
    EXPECT_EQ(initial_keys->text(), u"{ENTER}"_s);
    EXPECT_TRUE(key_text().isEmpty());

    // A fourth window means the command builder; with none active nothing happens.
    QWidget other;
    other.show();
    QTest::mouseClick(aux.window()->key_button(13), Qt::LeftButton);
    EXPECT_EQ(initial_keys->text(), u"{ENTER}"_s);
    QLineEdit parameter;
    builder_parameter = &parameter;
    QTest::mouseClick(aux.window()->key_button(13), Qt::LeftButton);
    EXPECT_EQ(parameter.text(), u"{ESC}"_s);
    other.hide();

    // When the dialog goes, the keyboard stays, back over the main window and its key text.
    delete global_data;
    initial_keys = nullptr;
    ASSERT_TRUE(wait_until([this] { return aux.window() && aux.window()->isVisible(); }));
    EXPECT_EQ(aux.window()->parentWidget(), &window);
    EXPECT_TRUE(aux.checked());
    QTest::mouseClick(aux.window()->key_button(0), Qt::LeftButton);
    EXPECT_EQ(key_text(), u"{F12}"_s);
}

TEST(TextFieldInsertion, AOneLineFieldKeepsItsSelection)
{
    ensure_application();
    QLineEdit line(u"abcd"_s);
    line.setSelection(1, 2);  // "bc" selected, caret after it
    ASSERT_TRUE(insert_into_field(&line, u"{F5}"_s));
    EXPECT_EQ(line.text(), u"abc{F5}d"_s);
    EXPECT_EQ(line.cursorPosition(), 7);
    QPushButton not_a_field;
    EXPECT_FALSE(insert_into_field(&not_a_field, u"x"_s));
    EXPECT_FALSE(insert_into_field(nullptr, u"x"_s));
}

TEST_F(KeyTextAids, EveryControlHasAnAccessibleName)
{
    aux.toggle();
    ASSERT_TRUE(wait_until([this] { return aux.window() != nullptr; }));
    QString result;
    rec_graf browser(result);
    for (QWidget* root : std::initializer_list<QWidget*>{aux.window(), &browser})
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (qobject_cast<QPushButton*>(w) || qobject_cast<QListWidget*>(w) || qobject_cast<QComboBox*>(w) ||
                (qobject_cast<QLabel*>(w) && !w->objectName().isEmpty())) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            }
        }
}

}  // namespace
}  // namespace orvel
