#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/catalogue.h"

using namespace orvel;

namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.program = dir.path() + QStringLiteral("/program");
        folders.config = dir.path() + QStringLiteral("/config");
        current = dir.path() + QStringLiteral("/current");
        ASSERT_TRUE(QDir().mkpath(folders.program));
        ASSERT_TRUE(QDir().mkpath(current));
    }

    QString put(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = dir.path() + QLatin1Char('/') + relative;
        QDir().mkpath(full.section(QLatin1Char('/'), 0, -2));
        QFile f(full);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return full;
    }

    QTemporaryDir dir;
    Folders folders;
    QString current;
    Catalogue catalogue;
};

const QByteArray kMacros = "[Inici]\r\n"
                           "versio=MAC1\r\n"
                           "N_Prog=5\r\n"
                           "1PROG=Editor de textos\r\n"
                           "1codi=EDIT\r\n"
                           "1cami=C:\\PROGS\\editor.exe\r\n"
                           "2PROG=Absent\r\n"
                           "2codi=EDIT\r\n"
                           "2cami=C:\\PROGS\\ABSENT.EXE\r\n"
                           "3PROG=Word\r\n"
                           "3codi=WORD\r\n"
                           "3cami=C:\\OFFICE\\EDITOR.EXE\r\n"
                           "3REG=HKCR\\Word.Application\r\n"
                           "4PROG=Unregistered\r\n"
                           "4codi=NONE\r\n"
                           "4REG=Other.App\r\n"
                           "\r\n"
                           "[EDIT]\r\n"
                           "N_macro=2\r\n"
                           "1titol=Negreta\r\n"
                           "1tecles=^b\r\n"
                           "1so=negreta.wav\r\n"
                           "1icona=negreta.bmp\r\n"
                           "2titol=Desar\r\n"
                           "2tecles=^g\r\n"
                           "[WORD]\r\n"
                           "N_macro=1\r\n"
                           "1titol=Cursiva\r\n";

}  // namespace

TEST_F(CatalogueTest, ProgramsAreRegisteredOnlyWhenTheirExecutableExists)
{
    put(QStringLiteral("program/MACROS.INI"), kMacros);
    put(QStringLiteral("current/EDITOR.EXE"), "x");
    const QString word = put(QStringLiteral("office/winword.exe"), "x");
    QStringList asked;
    const ProgidExe registry = [&](const QString& identifier) {
        asked << identifier;
        return identifier == QLatin1String("WORD.APPLICATION") ? QStringLiteral("  ") + word + QStringLiteral(" ")
                                                                : QString();
    };
    load_program_catalogue(catalogue, folders, current, registry);

    ASSERT_EQ(catalogue.programs.size(), 5u);  // every program gets its menu item
    EXPECT_EQ(catalogue.programs[0].title, QStringLiteral("Editor de textos"));
    EXPECT_EQ(catalogue.programs[0].file, QStringLiteral("EDITOR.EXE"));
    EXPECT_EQ(catalogue.programs[2].identifier, QStringLiteral("WORD.APPLICATION"));
    EXPECT_EQ(catalogue.programs[4].title, QString());  // counted but absent: empty texts
    EXPECT_EQ(asked, (QStringList{QStringLiteral("WORD.APPLICATION"), QStringLiteral("OTHER.APP")}));
    // Program 1 by its file in the current folder; program 3 by its registered path, not
    // by its "cami" (EDITOR.EXE, which does exist here).
    EXPECT_EQ(catalogue.program_lookup, QStringLiteral("|EDITOR.EXE|") + current + QStringLiteral("/EDITOR.EXE") +
                                            QStringLiteral("|WINWORD.EXE|") + word + QStringLiteral("|"));

    // Without a registry, identifiers find nothing.
    load_program_catalogue(catalogue, folders, current, ProgidExe());
    EXPECT_EQ(catalogue.program_lookup, QStringLiteral("|EDITOR.EXE|") + current + QStringLiteral("/EDITOR.EXE|"));

    QFile::remove(current + QStringLiteral("/EDITOR.EXE"));
    load_program_catalogue(catalogue, folders, current, ProgidExe());
    EXPECT_EQ(catalogue.programs.size(), 5u);
    EXPECT_TRUE(catalogue.program_lookup.isEmpty());

    EXPECT_EQ(find_program_entry(catalogue, QStringLiteral("C:\\WINDOWS\\Editor.exe")), 1);
    EXPECT_EQ(find_program_entry(catalogue, QStringLiteral("absent.exe")), 2);
    EXPECT_EQ(find_program_entry(catalogue, QStringLiteral("xterm")), 0);
    EXPECT_EQ(find_program_entry(catalogue, QString()), 0);
}

TEST_F(CatalogueTest, UnusableCataloguesGiveNothing)
{
    load_program_catalogue(catalogue, folders, current, ProgidExe());
    EXPECT_TRUE(catalogue.programs.empty());
    load_macros(catalogue, QStringLiteral("EDIT"));
    EXPECT_TRUE(catalogue.macros.empty());

    QByteArray other_version = kMacros;
    other_version.replace("versio=MAC1", "versio=mac1");
    put(QStringLiteral("program/MACROS.INI"), other_version);
    put(QStringLiteral("current/EDITOR.EXE"), "x");
    load_program_catalogue(catalogue, folders, current, ProgidExe());
    EXPECT_TRUE(catalogue.programs.empty());
    EXPECT_TRUE(catalogue.program_lookup.isEmpty());
    load_macros(catalogue, QStringLiteral("EDIT"));
    EXPECT_TRUE(catalogue.macros.empty());

    // Counts are held to the 16-bit range; missing entries are empty, negative counts none.
    put(QStringLiteral("program/MACROS.INI"), "[Inici]\r\nversio=MAC1\r\nN_Prog=4000000000\r\n"
                                              "[A]\r\nN_macro=-3\r\n[B]\r\nN_macro=abc\r\n");
    load_program_catalogue(catalogue, folders, current, ProgidExe());
    EXPECT_EQ(catalogue.programs.size(), static_cast<size_t>(kMaxCatalogueCount));
    EXPECT_TRUE(catalogue.programs.back().title.isEmpty());
    load_macros(catalogue, QStringLiteral("A"));
    EXPECT_TRUE(catalogue.macros.empty());
    load_macros(catalogue, QStringLiteral("B"));
    EXPECT_TRUE(catalogue.macros.empty());
}

TEST_F(CatalogueTest, ChoosingProgramsAndMacros)
{
    put(QStringLiteral("program/MACROS.INI"), "[Inici]\r\nversio=MAC1\r\nN_Prog=0\r\n");
    put(QStringLiteral("config/MACROS.INI"), kMacros);  // the user's copy wins
    load_program_catalogue(catalogue, folders, current, ProgidExe());
    ASSERT_EQ(catalogue.programs.size(), 5u);

    // Two programs sharing one section show the same macros.
    ASSERT_TRUE(choose_program(catalogue, 2));
    EXPECT_EQ(catalogue.macros_title, QStringLiteral("Absent"));
    ASSERT_EQ(catalogue.macros.size(), 2u);
    const auto second = catalogue.macros;
    ASSERT_TRUE(choose_program(catalogue, 1));
    EXPECT_EQ(catalogue.macros_title, QStringLiteral("Editor de textos"));
    ASSERT_EQ(catalogue.macros.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(catalogue.macros[i].title, second[i].title);
        EXPECT_EQ(catalogue.macros[i].keys, second[i].keys);
    }
    EXPECT_EQ(catalogue.macros[0].sound, QStringLiteral("negreta.wav"));
    EXPECT_TRUE(catalogue.macros[1].icon.isEmpty());
    EXPECT_FALSE(choose_program(catalogue, 0));
    EXPECT_FALSE(choose_program(catalogue, 6));
    EXPECT_EQ(catalogue.macros_title, QStringLiteral("Editor de textos"));

    MacroPanelFields fields{QStringLiteral("Hola"), QStringLiteral("old.wav"), QStringLiteral("old.bmp")};
    const MacroPanelFields before = fields;
    EXPECT_FALSE(choose_macro(catalogue, 1, 0, folders.program, fields));  // no area being edited
    EXPECT_EQ(fields.keys, before.keys);
    EXPECT_EQ(fields.sound, before.sound);
    EXPECT_EQ(fields.picture, before.picture);
    EXPECT_FALSE(choose_macro(catalogue, 3, 4, folders.program, fields));
    EXPECT_EQ(fields.keys, before.keys);

    ASSERT_TRUE(choose_macro(catalogue, 1, 4, folders.program, fields));
    EXPECT_EQ(fields.keys, QStringLiteral("Hola^b"));
    EXPECT_EQ(fields.sound, QStringLiteral("negreta.wav"));
    EXPECT_EQ(fields.picture, folders.program + QStringLiteral("/icones/negreta.bmp"));
    ASSERT_TRUE(choose_macro(catalogue, 2, 4, folders.program, fields));
    EXPECT_EQ(fields.keys, QStringLiteral("Hola^b^g"));
    EXPECT_TRUE(fields.sound.isEmpty());

    ASSERT_TRUE(choose_program(catalogue, 3));
    ASSERT_EQ(catalogue.macros.size(), 1u);
    EXPECT_EQ(catalogue.macros[0].title, QStringLiteral("Cursiva"));
    ASSERT_TRUE(choose_program(catalogue, 4));  // its section does not exist
    EXPECT_TRUE(catalogue.macros.empty());
    EXPECT_EQ(catalogue.macros_title, QStringLiteral("Unregistered"));
}
