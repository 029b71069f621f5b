// The global data dialog as a real window on the offscreen platform: what
// reaches the board on "D'Acord" and on "Anul·lació", the choosers, the
// program and macro lists and the speech settings passed to the engine.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/command_file_picker.h"
#include "ui/plant_form.h"
#include "ui/rec_graf.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;
using testing::answer_next_dialog;

const QByteArray kMacros = "[Inici]\r\nversio=MAC1\r\nN_Prog=2\r\n"
                           "1PROG=Editor de textos\r\n1codi=EDIT\r\n1cami=C:\\PROGS\\editor.exe\r\n"
                           "2PROG=Full de calcul\r\n2codi=CALC\r\n2cami=C:\\PROGS\\CALC.EXE\r\n"
                           "[EDIT]\r\nN_macro=2\r\n1titol=Negreta\r\n1tecles=^b\r\n2titol=Desar\r\n2tecles=^g\r\n";

class PlantFormTest : public ::testing::Test {
protected:
    // Widgets below need the application before they are built.
    struct Application {
        Application() { testing::ensure_application(); }
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Template& t = state.tmpl;
        t.directory = dir.path();
        t.cover_file = u"VELLA.BMP"_s;
        t.cover_time = u"01/01/2000 10:00:00"_s;
        t.doc_file = u"DOC.TXT"_s;
        t.description = u"Primera línia\nSegona"_s;
        t.program = u"EDITOR.EXE"_s;
        t.initial_keys = u"{|Sona BEE.WAV}"_s;
        t.clip_file = u"A.TXT"_s;
        t.app_title = u"EDITOR.EXE"_s;
        t.auto_cover = 1;
        t.tts_language = 1;
        t.tts_voice = 1;
        t.tts_speed = 120;
        t.cover_outdated = -1;
        picker.set_open_file_dialog([this](const FileDialogSettings& s, const QString& start, const QString& initial) {
            dialogs << s.title + u" | "_s + s.filter + u" | "_s + start + u" | "_s + initial;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }

    std::unique_ptr<PlantForm> open_form()
    {
        PlantFormHooks hooks;
        hooks.open_viewer = [this](const QString& path) {
            viewed << path;
            return true;
        };
        hooks.accepted = [this] { ++accepted; };
        hooks.macros_changed = [this] { ++macro_changes; };
        auto form = std::make_unique<PlantForm>(state, picker, hooks, &window);
        form->show();
        return form;
    }

    Application application;
    QTemporaryDir dir;
    OrvelState state;
    QMainWindow window;
    CommandFilePicker picker{&window, [this] { return state.tmpl.directory; }, QString()};
    QStringList answers, dialogs, viewed;
    int accepted = 0;
    int macro_changes = 0;
};

TEST_F(PlantFormTest, CancelKeepsEveryFieldButTheFolderAndTheClipboardType)
{
    const Template before = state.tmpl;
    auto form = open_form();
    // Every box shows the board; without the engine the speech boxes keep their own.
    EXPECT_EQ(form->boxes().descripcio, before.description);
    EXPECT_EQ(form->FitxGraf()->text(), u"VELLA.BMP"_s);
    EXPECT_TRUE(form->caratula_auto()->isChecked());
    EXPECT_EQ(form->sv_locutor()->currentIndex(), 0);
    EXPECT_EQ(form->SV_velocitat()->text(), QString());

    form->descripcio()->setPlainText(u"altra"_s);
    for (QLineEdit* box : {form->FitxGraf(), form->FitxDoc(), form->Ordres(), form->Tecles(), form->TxFinestra(),
                           form->SV_velocitat()})
        box->setText(u"canviat"_s);
    form->caratula_auto()->setChecked(false);
    form->sv_idioma()->setCurrentIndex(0);
    QTest::mouseClick(form->Option1(1), Qt::LeftButton);  // empties the clipboard file and takes effect
    EXPECT_EQ(form->FitxClip()->text(), QString());
    form->Pathdefault()->setText(u"/tmp/altra"_s);
    QTest::mouseClick(form->findChild<QPushButton*>(u"BotoCancel"_s), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());

    Template expected = before;
    expected.directory = u"/tmp/altra"_s;
    expected.clip_type = 1;
    EXPECT_TRUE(state.tmpl == expected);
    EXPECT_EQ(state.tmpl.modified, 0);
    EXPECT_EQ(accepted, 0);
}

TEST_F(PlantFormTest, AcceptStoresTheBoxesMarksModifiedAndTheCoverUpToDate)
{
    testing::write_file(dir.filePath(u"NOVA.BMP"_s), "BM");
    struct Case {
        QString cover, speed;
        bool cover_exists;
        int16_t stored_speed;
    };
    const Case cases[] = {
        {u""_s, u"150"_s, false, 150},             // no edits to the cover: still up to date
        {u"NOVA.BMP"_s, u" 99.5 veloç"_s, true, 100},  // the number at the start, rounded
        {u"FALTA.BMP"_s, u"ràpid"_s, false, 0},    // a missing cover keeps the old time
    };
    for (const Case& c : cases) {
        state.tmpl.modified = 0;
        state.tmpl.cover_outdated = -1;
        state.tmpl.cover_time = u"vell"_s;
        auto form = open_form();
        form->FitxGraf()->setText(c.cover);
        form->SV_velocitat()->setText(c.speed);
        form->sv_locutor()->setCurrentIndex(1);
        QTest::mouseClick(form->findChild<QPushButton*>(u"BotoOk"_s), Qt::LeftButton);
        const Template& t = state.tmpl;
        EXPECT_EQ(t.modified, -1);
        EXPECT_EQ(t.cover_outdated, 0);
        EXPECT_EQ(t.cover_file, c.cover);
        EXPECT_EQ(t.tts_speed, c.stored_speed) << c.speed.toStdString();
        EXPECT_EQ(t.tts_voice, 1);
        EXPECT_EQ(t.cover_time == u"vell"_s, !c.cover_exists) << c.cover.toStdString();
        EXPECT_EQ(t.initial_keys, u"{|Sona BEE.WAV}"_s);
    }
    EXPECT_EQ(accepted, 3);
}

TEST_F(PlantFormTest, SpeechBoxesComeFromTheBoardOnlyWhenTheEngineIsPresent)
{
    state.tts_available = true;
    auto form = open_form();
    EXPECT_EQ(form->sv_idioma()->currentIndex(), 1);
    EXPECT_EQ(form->sv_locutor()->currentIndex(), 1);
    EXPECT_EQ(form->SV_velocitat()->text(), u"120"_s);
    form->sv_idioma()->setCurrentIndex(0);
    form->BotoOk_Click();
    EXPECT_EQ(state.tmpl.tts_language, 0);
    EXPECT_EQ(state.tmpl.tts_voice, 1);
    EXPECT_EQ(state.tmpl.tts_speed, 120);
}

TEST_F(PlantFormTest, PickingACoverUnticksAutomaticAndTickingAgainIsStored)
{
    testing::write_file(dir.filePath(u"img/casa.bmp"_s), QByteArray());
    auto form = open_form();
    answer_next_dialog<rec_graf>([this](rec_graf& b) {
        b.set_folder(dir.filePath(u"img"_s));
        b.File1()->setCurrentRow(0);
        QTest::mouseClick(b.Command1(0), Qt::LeftButton);
    });
    QTest::mouseClick(form->findChild<QPushButton*>(u"SearchGraf"_s), Qt::LeftButton);
    EXPECT_EQ(form->FitxGraf()->text(), u"img/casa.bmp"_s);
    EXPECT_FALSE(form->caratula_auto()->isChecked());
    EXPECT_EQ(state.tmpl.auto_cover, 1);  // nothing stored yet

    // A cancelled browser changes nothing.
    form->caratula_auto()->setChecked(true);
    answer_next_dialog<rec_graf>([](rec_graf& b) { QTest::mouseClick(b.Command1(1), Qt::LeftButton); });
    form->SearchGraf_Click();
    EXPECT_TRUE(form->caratula_auto()->isChecked());
    form->BotoOk_Click();
    EXPECT_EQ(state.tmpl.auto_cover, 1);
    EXPECT_EQ(state.tmpl.cover_file, u"img/casa.bmp"_s);
}

TEST_F(PlantFormTest, DocumentAndClipboardChoosersStoreNamesInsideTheFolderRelative)
{
    auto form = open_form();
    // Cancelling the document dialog changes nothing; a choice marks the board modified at once.
    form->SearchDoc_Click();
    EXPECT_EQ(form->FitxDoc()->text(), u"DOC.TXT"_s);
    EXPECT_EQ(state.tmpl.modified, 0);
    answers << dir.filePath(u"docs/Guia.WRI"_s);
    form->SearchDoc_Click();
    EXPECT_EQ(form->FitxDoc()->text(), u"docs/Guia.WRI"_s);
    EXPECT_EQ(state.tmpl.modified, -1);
    ASSERT_EQ(dialogs.size(), 2);
    EXPECT_EQ(dialogs[1], u"Documentació de la plantilla | Fitxers del Write (*.wri)|*.wri|Fitxers de text "
                          "(*.txt)|*.txt | "_s + dir.path() + u" | DOC.TXT"_s);

    // The clipboard file: a text file through the dialog, outside the folder kept whole.
    answers << u"/altres/NOTA.TXT"_s;
    form->SearchClip_Click();
    EXPECT_EQ(form->FitxClip()->text(), u"/altres/NOTA.TXT"_s);
    EXPECT_EQ(state.tmpl.clip_type, 0);
    EXPECT_TRUE(dialogs.last().startsWith(u"Carregar Fitxers de text a la carpeta | "_s));
    form->reject();
    EXPECT_EQ(state.tmpl.doc_file, u"DOC.TXT"_s);
    EXPECT_EQ(state.tmpl.modified, -1);  // the document choice stays marked
}

TEST_F(PlantFormTest, ProgramListFillsProgramAndMacrosAndMacrosAppendToTheKeys)
{
    Folders folders;
    folders.program = dir.filePath(u"program"_s);
    folders.config = dir.filePath(u"config"_s);
    testing::write_file(folders.program + u"/MACROS.INI"_s, kMacros);
    load_program_catalogue(state.catalogue, folders, dir.path(), ProgidExe());
    auto form = open_form();
    QStringList items;
    for (int i = 0; i < form->programes()->count(); ++i)
        items << form->programes()->itemText(i);
    EXPECT_EQ(items, QStringList({u">>> tria un programa"_s, u"Editor de textos"_s, u"Full de calcul"_s,
                                  u">>> ALTRES"_s}));
    form->programes_Click(0);  // the heading does nothing
    EXPECT_EQ(form->Ordres()->text(), u"EDITOR.EXE"_s);
    form->programes_Click(2);
    EXPECT_EQ(form->Ordres()->text(), u"CALC.EXE"_s);
    form->programes_Click(1);
    EXPECT_EQ(state.catalogue.macros_title, u"Editor de textos"_s);
    EXPECT_EQ(macro_changes, 2);
    ASSERT_EQ(form->Macros()->count(), 3);
    form->Tecles()->setText(u"Hola"_s);
    form->Macros_Click(2);
    form->Macros_Click(1);
    form->Macros_Click(3);  // beyond the list: nothing
    EXPECT_EQ(form->Tecles()->text(), u"Hola^g^b"_s);

    answers << dir.filePath(u"bin/prog"_s);
    form->programes_Click(3);
    EXPECT_EQ(form->Ordres()->text(), u"bin/prog"_s);
    EXPECT_TRUE(dialogs.last().contains(u"Fitxers Executables (*.EXE)|*.EXE|Tots els fitxers (*.*)|*.*"_s));
}

TEST_F(PlantFormTest, ViewersOpenOnlyTheirKindsAndTheFolderChooserFillsTheFolder)
{
    testing::write_file(dir.filePath(u"DOC.TXT"_s));
    auto form = open_form();
    form->PlayDoc_Click();
    EXPECT_EQ(viewed, QStringList{dir.filePath(u"DOC.TXT"_s)});
    form->FitxDoc()->setText(u"NOTES.DOC"_s);
    testing::answer_next_dialog<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.text(), kDocumentViewFailed);
        box.accept();
    });
    form->PlayDoc_Click();
    EXPECT_EQ(viewed.size(), 1);

    QDir(dir.path()).mkpath(u"Sub/Dins"_s);
    form->SearchPath_Click();
    EXPECT_TRUE(form->Frame1()->isVisible());
    form->Dir1_Change(dir.filePath(u"Sub"_s));
    form->direcboto_Click(0);
    EXPECT_FALSE(form->Frame1()->isVisible());
    EXPECT_EQ(form->Pathdefault()->text(), dir.filePath(u"Sub"_s));
    EXPECT_EQ(state.tmpl.directory, dir.filePath(u"Sub"_s));
    form->SearchPath_Click();
    form->Dir1_Change(dir.filePath(u"Sub/Dins"_s));
    form->direcboto_Click(1);
    EXPECT_EQ(state.tmpl.directory, dir.filePath(u"Sub"_s));
}

}  // namespace
}  // namespace orvel
