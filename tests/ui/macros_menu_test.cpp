// The editor's "Macros" menu built from a catalogue on disk and driven through
// the menu bar with Qt's simulated mouse.
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/fake_board.h"
#include "support/test_files.h"
#include "support/window_driving.h"
#include "ui/macros_menu.h"

namespace orvel {
namespace {

using namespace Qt::StringLiterals;

// Windows-1252, as catalogues made on Windows are.
const QByteArray kMacros = "[Inici]\r\nversio=MAC1\r\nN_Prog=3\r\n"
                           "1PROG=Editor de textos\r\n1codi=EDIT\r\n1cami=C:\\PROGS\\editor.exe\r\n"
                           "2PROG=Bloc de notes\r\n2codi=EDIT\r\n2cami=C:\\WINDOWS\\NOTEPAD.EXE\r\n"
                           "3PROG=Full de c\xE0lcul\r\n3codi=CALC\r\n3cami=C:\\PROGS\\CALC.EXE\r\n"
                           "[EDIT]\r\nN_macro=2\r\n1titol=Negreta\r\n1tecles=^b\r\n1so=negreta.wav\r\n"
                           "1icona=negreta.bmp\r\n2titol=Desar\r\n2tecles=^g\r\n"
                           "[CALC]\r\nN_macro=1\r\n1titol=Suma\r\n1tecles=%=\r\n";

QStringList captions(const QMenu* menu)
{
    QStringList list;
    for (const QAction* a : menu->actions())
        list << a->text();
    return list;
}

TEST(MacrosMenu, ProgramsAndMacrosFromTheCatalogueFillTheAreaPanel)
{
    testing::ensure_application();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Folders folders;
    folders.program = dir.filePath(u"program"_s);
    folders.config = dir.filePath(u"config"_s);
    testing::write_file(folders.program + u"/MACROS.INI"_s, kMacros);
    Catalogue catalogue;
    load_program_catalogue(catalogue, folders, dir.path(), ProgidExe());

    QMainWindow window;
    int16_t current_area = 0;
    MacroPanelFields panel{u"Hola"_s, u"old.wav"_s, u"old.bmp"_s};
    MacrosMenu macros(&window, catalogue, folders.program,
                      MacroMenuHooks{[&] { return current_area; }, [&] { return panel; },
                                     [&](const MacroPanelFields& f) { panel = f; }});
    window.menuBar()->addMenu(macros.menu());
    window.resize(400, 200);
    window.show();
    const auto choose = [&](const QStringList& path) { return testing::click_menu_path(window.menuBar(), path); };

    EXPECT_EQ(captions(macros.carregar()),
              (QStringList{u"Editor de textos"_s, u"Bloc de notes"_s, u"Full de càlcul"_s}));
    EXPECT_EQ(macros.seleccionar()->title(), u"Seleccionar"_s);
    EXPECT_TRUE(macros.seleccionar()->actions().isEmpty());

    ASSERT_TRUE(choose({u"mn_macro"_s, u"mn_carregar_macros"_s, u"mn_programa_3"_s}));
    EXPECT_EQ(macros.seleccionar()->title(), u"Full de càlcul"_s);
    EXPECT_EQ(captions(macros.seleccionar()), QStringList{u"Suma"_s});
    // Two programs sharing one section show the same macros.
    ASSERT_TRUE(choose({u"mn_macro"_s, u"mn_carregar_macros"_s, u"mn_programa_2"_s}));
    EXPECT_EQ(macros.seleccionar()->title(), u"Bloc de notes"_s);
    EXPECT_EQ(captions(macros.seleccionar()), (QStringList{u"Negreta"_s, u"Desar"_s}));
    EXPECT_TRUE(macros.carregar()->actions()[1]->isChecked());
    EXPECT_FALSE(macros.carregar()->actions()[2]->isChecked());

    // With no area being edited a macro does nothing.
    const auto fields = [&] { return QStringList{panel.keys, panel.sound, panel.picture}; };
    ASSERT_TRUE(choose({u"mn_macro"_s, u"mn_seleccionar"_s, u"mn_macro_1"_s}));
    EXPECT_EQ(fields(), (QStringList{u"Hola"_s, u"old.wav"_s, u"old.bmp"_s}));
    // Then the key text grows and the symbols are replaced.
    current_area = 4;
    ASSERT_TRUE(choose({u"mn_macro"_s, u"mn_seleccionar"_s, u"mn_macro_1"_s}));
    EXPECT_EQ(fields(),
              (QStringList{u"Hola^b"_s, u"negreta.wav"_s, folders.program + u"/icones/negreta.bmp"_s}));
    ASSERT_TRUE(choose({u"mn_macro"_s, u"mn_seleccionar"_s, u"mn_macro_2"_s}));
    EXPECT_EQ(fields().first(2), (QStringList{u"Hola^b^g"_s, QString()}));

    // A loaded board's program has its macros loaded and its entry marked; an
    // unknown program leaves both as they were.
    macros.show_board_program(u"C:\\ALTRES\\calc.exe"_s);
    EXPECT_EQ(macros.seleccionar()->title(), u"Full de càlcul"_s);
    EXPECT_TRUE(macros.carregar()->actions()[2]->isChecked());
    EXPECT_FALSE(macros.carregar()->actions()[1]->isChecked());
    macros.show_board_program(u"xterm"_s);
    EXPECT_EQ(captions(macros.seleccionar()), QStringList{u"Suma"_s});
    EXPECT_TRUE(macros.carregar()->actions()[2]->isChecked());
}

TEST(MacrosMenu, WithoutACatalogueTheMenusAreEmpty)
{
    testing::ensure_application();
    Catalogue catalogue;
    QWidget parent;
    MacrosMenu macros(&parent, catalogue, QString(), MacroMenuHooks{});
    EXPECT_TRUE(macros.carregar()->actions().isEmpty());
    EXPECT_TRUE(macros.seleccionar()->actions().isEmpty());
    macros.program_Click(1);
    macros.macro_Click(1);
    macros.show_board_program(u"EDITOR.EXE"_s);
    EXPECT_EQ(macros.seleccionar()->title(), u"Seleccionar"_s);
}

}  // namespace
}  // namespace orvel
