// orvel --check: what would go wrong when a board runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "exec/board_check_tools.h"
#include "model/board_check.h"

// Designated initializers leave the fields they do not name at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

// One problem a line, so that a failure shows readable text.
std::string lines(const QStringList& problems) { return problems.join(u'\n').toStdString(); }

Area rect(int xi, int yi, int xf, int yf, int parent = 1, int16_t is_group = 0)
{
    return Area{.Xi = int16_t(xi), .Yi = int16_t(yi), .Xf = int16_t(xf), .Yf = int16_t(yf),
                .parent = int16_t(parent), .is_group = is_group};
}

class BoardCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile(dir.path() + u"/a.wav"_s).open(QIODevice::WriteOnly);
        // A program of the board's own folder, found like one on PATH.
        QFile tool(dir.path() + u"/eina"_s);
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    QTemporaryDir dir;
    const QString d = dir.path();
    Catalogue catalogue;
    const BoardCheckTools tools = board_check_tools(catalogue, dir.path());
};

}  // namespace

TEST_F(BoardCheck, KeyTextsAreCutAsTheExecutorCutsThem)
{
    const std::vector<std::pair<QString, QStringList>> rows = {
        {u"ab{ENTER}{|SONA A.WAV}{|LLEGIR hola}{|Tria [a#b]}{|cerrar}{|EXECUTA eina x.txt}"_s, {}},
        // Never closed: cut before the text's last character.
        {u"{|SONA A.WAV"_s, {u"command never closed: {|SONA A.WA"_s, u"{|SONA A.WA: file not found: "_s + d + u"/A.WA"_s}},
        {u"{|XYZ 1}"_s, {u"unknown command: {|XYZ 1}"_s}},
        // "sim" in small letters is no conditional, and the interpreter does not know it.
        {u"{|sim 1 {x}}"_s, {u"unknown command: {|sim 1 {x}}"_s}},
        // Commands and keys inside a conditional's branches are checked; a brace group
        // inside a command belongs to it.
        {u"{|SIM 1 {{|CARREGA no.orv}} {{|FOO}{BAR}}}"_s,
         {u"{|CARREGA no.orv}: file not found: "_s + d + u"/no.orv"_s, u"unknown command: {|FOO}"_s,
          u"{BAR}: unknown key name"_s}},
        {u"{|Llegeix /I:c /F:text.txt}"_s, {u"{|Llegeix /I:c /F:text.txt}: file not found: "_s + d + u"/text.txt"_s}},
        // A name computed when the command runs cannot be checked.
        {u"{|SONA {|RM}}{|EXECUTA {|RM}}"_s, {}},
        {u"x{FOO}y{|CM}+"_s, {u"x{FOO}y: unknown key name"_s, u"+: a modifier with nothing after it"_s}},
        {u"{|EXECUTA NOTEPAD.EXE carta.txt}"_s,
         {u"{|EXECUTA NOTEPAD.EXE carta.txt}: program not found: NOTEPAD.EXE carta.txt"_s}},
    };
    for (const auto& [keys, expected] : rows)
        EXPECT_EQ(lines(key_text_problems(keys, d, tools)), lines(expected)) << keys.toStdString();

    // Conditionals nested thousands deep: walked without deep recursion, every level seen.
    QString nested;
    for (int i = 0; i < 20000; ++i)
        nested += u"{|SIM "_s + QString::number(i) + u" {"_s;
    nested += u"{FOO}"_s + u"} {a}}"_s.repeated(20000);
    EXPECT_EQ(key_text_problems(nested, d, tools), QStringList{u"{FOO}: unknown key name"_s});
}

TEST_F(BoardCheck, BoardProblems)
{
    Template t{.directory = d, .cover_file = u"COVER.BMP"_s, .program = u"eina|NOTEPAD.EXE"_s,
               .description = u"CafÃ© amb llet"_s};
    add_area(t, rect(0, 0, 640, 445, 0, -1));
    add_area(t, rect(10, 10, 100, 100, 1, 0));
    t.area(2).sound_file = u"Bon dia"_s;  // a text, not a file
    add_area(t, rect(10, 10, 700, 100));
    t.area(3).sound_file = u"sons\\x.mid"_s;
    add_area(t, rect(10, 10, 20, 20, 9));
    add_area(t, rect(10, 10, 20, 20, 2));
    // Groups whose parents go round (6 -> 7 -> 6), and area 8 inside that loop.
    add_area(t, rect(10, 10, 20, 20, 7, -1));
    add_area(t, rect(10, 10, 20, 20, 6, -1));
    add_area(t, rect(10, 10, 20, 20, 7));
    EXPECT_EQ(lines(check_board(t, tools)),
              lines(QStringList{
                  u"cover_file: file not found: "_s + d + u"/COVER.BMP"_s,
                  u"program: program not found: NOTEPAD.EXE"_s,
                  u"description: looks like UTF-8 text read as Windows-1252: CafÃ© amb llet"_s,
                  u"area 3 sound_file: file not found: "_s + d + u"/sons/x.mid"_s,
                  u"area 3: outside the root area (area 1)"_s,
                  u"area 4: parent 9 names no area"_s,
                  u"area 5: parent 2 is not a group, so scanning never reaches this area"_s,
                  u"area 6: its parents go round in a loop (6 -> 7 -> 6), so scanning never reaches it"_s,
                  u"area 7: its parents go round in a loop (6 -> 7 -> 6), so scanning never reaches it"_s,
                  u"area 8: its parents go round in a loop (6 -> 7 -> 6), so scanning never reaches it"_s,
              }));

    // An area 1 larger than the screen; Catalan text written right has nothing to report.
    Template big{.directory = d, .description = u"Bon dia, què tal? Açò és l'àrea"_s};
    add_area(big, rect(0, 0, 800, 445, 0));
    EXPECT_EQ(check_board(big, tools), QStringList{u"area 1: 800 x 445 is larger than the screen (640 x 445)"_s});
    big.area(1).Xf = 640;
    EXPECT_TRUE(check_board(big, tools).isEmpty());
}
