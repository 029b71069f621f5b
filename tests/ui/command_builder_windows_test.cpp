// The command builder's windows on the offscreen platform: a key text opened
// and accepted unchanged, values edited in nested windows three deep with the
// stacks coming back, the parameter window's kinds and the caption list.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/builder_dades.h"
#include "ui/builder_fill.h"
#include "ui/builder_sim.h"
#include "ui/command_file_picker.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;
using testing::answer_next_dialog;

class BuilderWindows : public ::testing::Test {
protected:
    struct Application {
        Application() { testing::ensure_application(); }
    };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.tmpl.directory = dir.path();
        session.scratch_path = dir.filePath(u"state/orvmis.txt"_s);
        picker.set_open_file_dialog([this](const FileDialogSettings&, const QString&, const QString&) {
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }

    int entry(const QString& caption) const { return int(session.entries.captions().indexOf(caption)); }

    // The top-level builder on a key text; what "Acceptar" delivers goes to `result`.
    std::unique_ptr<Fill> open_builder(const QString& keys)
    {
        auto fill = std::make_unique<Fill>(session, keys, session.program_name, &window);
        fill->delivered = [this](const JoinedCode& joined) { result = joined.keys; };
        fill->show();
        return fill;
    }

    Application application;
    QTemporaryDir dir;
    OrvelState state;
    QMainWindow window;
    CommandFilePicker picker{&window, [this] { return state.tmpl.directory; }, QString()};
    BuilderSession session{state, picker};
    QStringList answers;
    QString result = u"(res)"_s;
};

TEST_F(BuilderWindows, OpenAndAcceptGivesTheKeyTextBackUnchanged)
{
    const QString texts[] = {u"Hola{|Sona BEE.WAV}"_s, u"}{|Enganxa x {|"_s, QString()};
    for (const QString& text : texts) {
        auto fill = open_builder(text);
        QTest::mouseClick(fill->findChild<QPushButton*>(u"BUTO_SORTIR_0"_s), Qt::LeftButton);
        EXPECT_EQ(result, text);
    }
    auto fill = open_builder(u"Hola{|Sona BEE.WAV}"_s);
    EXPECT_EQ(fill->Ordres(2)->currentText(), u"Escoltar sons"_s);
    EXPECT_EQ(fill->param2(2)->text(), u"BEE.WAV"_s);
    EXPECT_EQ(fill->n_items()->text(), u"2"_s);
    // Cancelling delivers nothing.
    result.clear();
    fill->codi_Click(1);
    QTest::mouseClick(fill->findChild<QPushButton*>(u"BUTO_SORTIR_1"_s), Qt::LeftButton);
    EXPECT_TRUE(result.isEmpty());
    // Each opening appended its captions: three windows, five buttons and the kinds.
    const QList<QByteArray> lines = testing::read_file(session.scratch_path).split('\n');
    EXPECT_TRUE(lines.contains("Assistent tecles, 2,\"^ Codi\""));
    EXPECT_TRUE(lines.contains("Assistent tecles, 2,\"Fitxer so\""));
}

TEST_F(BuilderWindows, BranchesEditedThreeBuildersDeepComeBackIntoTheKeyText)
{
    auto fill = open_builder(u"{|SIM 1{a}{b}}"_s);
    QStringList seen;
    answer_next_dialog<sim>([&](sim& s) {
        seen << s.Text2()->text() << s.param2(0)->text();
        answer_next_dialog<Fill>([&](Fill& cert) {
            seen << session.stacks.mode() << QString::number(session.stacks.open_windows());
            answer_next_dialog<Fill>([&](Fill& deepest) {
                seen << session.stacks.earlier_modes() << QString::number(session.stacks.depth(BuilderWindow::Fill));
                deepest.codi_Click(0);
                deepest.Ordres_Click(2, entry(u"Tancar tot"_s));
                deepest.BUTO_SORTIR_Click(0);
            });
            cert.param2_Click(1);
            seen << session.stacks.mode();
            cert.BUTO_SORTIR_Click(0);
        });
        s.buto_codi_Click(0);
        s.Text2()->setText(u"2"_s);
        s.BUTO_SORTIR_Click(0);
    });
    fill->Ordres_Click(1, entry(u"Si memoria es ..."_s));
    EXPECT_EQ(seen, (QStringList{u"1"_s, u"a"_s, u"Si memoria es cert"_s, u"2"_s, u"Orvel|sim|Si memoria es cert"_s,
                                 u"2"_s, u"Si memoria es cert"_s}));
    EXPECT_EQ(session.stacks.mode(), u"Orvel"_s);
    EXPECT_EQ(session.stacks.open_windows(), 0);
    fill->BUTO_SORTIR_Click(0);
    EXPECT_EQ(result, u"{|SIM 2{a{|Tancar}}{b}}"_s);
}

TEST_F(BuilderWindows, ParameterWindowReadsAndWritesEachKind)
{
    auto fill = open_builder(u"{|Tria [a##b]}{|Mouse M 10 20}{|Espera 3}"_s);
    answer_next_dialog<Dades>([&](Dades& d) {
        ASSERT_NE(d.List1(), nullptr);
        EXPECT_EQ(d.List1()->count(), 3);
        d.List1_Click(0);  // back into the entry box for editing; the empty item is left out
        EXPECT_EQ(d.Text2(0)->text(), u"a"_s);
        d.Text2(0)->setText(u"z"_s);
        QTest::keyClick(d.Text2(0), Qt::Key_Return);
        EXPECT_TRUE(d.Text2(0)->text().isEmpty());
        d.BUTO_SORTIR_Click(0);
    });
    fill->Ordres_Click(1, entry(u"Tria "_s));
    answer_next_dialog<Dades>([&](Dades& d) {
        EXPECT_EQ(d.Text2(1)->text(), u"20"_s);
        d.Text2(0)->setText(u"5"_s);
        d.BUTO_SORTIR_Click(0);
    });
    fill->Ordres_Click(2, entry(u"Mouse Mou-te"_s));
    answer_next_dialog<Dades>([&](Dades& d) {
        d.Text2(0)->setText(u"9"_s);
        d.BUTO_SORTIR_Click(1);  // cancelled: the value stays
    });
    fill->Ordres_Click(3, entry(u"Retard"_s));
    // A file kind asks for its file at once.
    fill->codi_Click(0);
    answers << dir.filePath(u"so/bee.wav"_s);
    fill->Ordres_Click(4, entry(u"Escoltar sons"_s));
    fill->BUTO_SORTIR_Click(0);
    EXPECT_EQ(result, u"{|Tria [b#z]}{|Mouse M 5 20}{|Espera 3}{|Sona SO/BEE.WAV}"_s);
    EXPECT_EQ(session.stacks.open_windows(), 0);
}

}  // namespace
}  // namespace orvel
