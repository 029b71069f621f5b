#include <gtest/gtest.h>

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "model/catalogue.h"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders.program = dir.path() + u"/program"_s;
        folders.config = dir.path() + u"/config"_s;
        current = dir.path() + u"/current"_s;
        ASSERT_TRUE(QDir().mkpath(folders.program));
        ASSERT_TRUE(QDir().mkpath(current));
    }
    QString put(const QString& relative, const QByteArray& bytes) const
    {
        const QString full = dir.path() + u'/' + relative;
        orvel::testing::write_file(full, bytes);
        return full;
    }
    void load(const ProgidExe& registry = ProgidExe()) { load_program_catalogue(catalogue, folders, current, registry); }

    QTemporaryDir dir;
    Folders folders;
    QString current;
    Catalogue catalogue;
};

const QByteArray kMacros = "[Inici]\r\nversio=MAC1\r\nN_Prog=5\r\n"
                           "1PROG=Editor de textos\r\n1codi=EDIT\r\n1cami=C:\\PROGS\\editor.exe\r\n"
                           "2PROG=Absent\r\n2codi=EDIT\r\n2cami=C:\\PROGS\\ABSENT.EXE\r\n"
                           "3PROG=Word\r\n3codi=WORD\r\n3cami=C:\\OFFICE\\EDITOR.EXE\r\n3REG=HKCR\\Word.Application\r\n"
                           "4PROG=Unregistered\r\n4codi=NONE\r\n4REG=Other.App\r\n\r\n"
                           "[EDIT]\r\nN_macro=2\r\n1titol=Negreta\r\n1tecles=^b\r\n1so=negreta.wav\r\n1icona=negreta.bmp\r\n"
                           "2titol=Desar\r\n2tecles=^g\r\n"
                           "[WORD]\r\nN_macro=1\r\n1titol=Cursiva\r\n";

}  // namespace

TEST_F(CatalogueTest, ProgramsAreRegisteredOnlyWhenTheirExecutableExists)
{
    put(u"program/MACROS.INI"_s, kMacros);
    put(u"current/EDITOR.EXE"_s, "x");
    const QString word = put(u"office/winword.exe"_s, "x");
    QStringList asked;
    load([&](const QString& identifier) {
        asked << identifier;
        return identifier == QLatin1String("WORD.APPLICATION") ? u"  "_s + word + u" "_s : QString();
    });
    ASSERT_EQ(catalogue.programs.size(), 5u);  // every program gets its menu item
    // Program 5 is counted but absent: empty texts.
    EXPECT_EQ((QStringList{catalogue.programs[0].title, catalogue.programs[0].file, catalogue.programs[2].identifier,
                           catalogue.programs[4].title}),
              (QStringList{u"Editor de textos"_s, u"EDITOR.EXE"_s, u"WORD.APPLICATION"_s, QString()}));
    EXPECT_EQ(asked, (QStringList{u"WORD.APPLICATION"_s, u"OTHER.APP"_s}));
    // Program 1 by its file in the current folder; program 3 by its registered path, not
    // by its "cami" (EDITOR.EXE, which does exist here).
    EXPECT_EQ(catalogue.program_lookup, u"|EDITOR.EXE|"_s + current + u"/EDITOR.EXE|WINWORD.EXE|"_s + word + u"|"_s);
    // Without a registry, identifiers find nothing.
    load();
    EXPECT_EQ(catalogue.program_lookup, u"|EDITOR.EXE|"_s + current + u"/EDITOR.EXE|"_s);
    QFile::remove(current + u"/EDITOR.EXE"_s);
    load();
    EXPECT_EQ(catalogue.programs.size(), 5u);
    EXPECT_TRUE(catalogue.program_lookup.isEmpty());
    for (const auto& [program, entry] : std::vector<std::pair<QString, int>>{
             {u"C:\\WINDOWS\\Editor.exe"_s, 1}, {u"absent.exe"_s, 2}, {u"xterm"_s, 0}, {QString(), 0}})
        EXPECT_EQ(find_program_entry(catalogue, program), entry) << program.toStdString();
}

TEST_F(CatalogueTest, UnusableCataloguesGiveNothing)
{
    QByteArray other_version = kMacros;
    other_version.replace("versio=MAC1", "versio=mac1");
    // No file at all, then a file of another version.
    for (bool present : {false, true}) {
        if (present) {
            put(u"program/MACROS.INI"_s, other_version);
            put(u"current/EDITOR.EXE"_s, "x");
        }
        load();
        EXPECT_TRUE(catalogue.programs.empty()) << present;
        EXPECT_TRUE(catalogue.program_lookup.isEmpty()) << present;
        load_macros(catalogue, u"EDIT"_s);
        EXPECT_TRUE(catalogue.macros.empty()) << present;
    }
    // Counts are held to the 16-bit range; missing entries are empty, negative counts none.
    put(u"program/MACROS.INI"_s,
        "[Inici]\r\nversio=MAC1\r\nN_Prog=4000000000\r\n[A]\r\nN_macro=-3\r\n[B]\r\nN_macro=abc\r\n");
    load();
    EXPECT_EQ(catalogue.programs.size(), static_cast<size_t>(kMaxCatalogueCount));
    EXPECT_TRUE(catalogue.programs.back().title.isEmpty());
    for (const QString& section : {u"A"_s, u"B"_s}) {
        load_macros(catalogue, section);
        EXPECT_TRUE(catalogue.macros.empty()) << section.toStdString();
    }
}

// The menus built from these (and filling the area panel) are checked in tests/ui.
TEST_F(CatalogueTest, TheUsersCopyInAnyLetterCaseAndProgramsSharingASection)
{
    put(u"program/MACROS.INI"_s, "[Inici]\r\nversio=MAC1\r\nN_Prog=0\r\n");
    put(u"config/macros.ini"_s, kMacros);  // the user's copy wins, in any letter case
    load();
    ASSERT_EQ(catalogue.programs.size(), 5u);
    ASSERT_TRUE(choose_program(catalogue, 2));
    const auto second = catalogue.macros;
    ASSERT_TRUE(choose_program(catalogue, 1));
    ASSERT_EQ(catalogue.macros.size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(catalogue.macros[i].keys, second[i].keys);
    EXPECT_FALSE(choose_program(catalogue, 0));
    EXPECT_FALSE(choose_program(catalogue, 6));
    EXPECT_EQ(catalogue.macros_title, u"Editor de textos"_s);
    ASSERT_TRUE(choose_program(catalogue, 4));  // its section does not exist
    EXPECT_TRUE(catalogue.macros.empty());
}
