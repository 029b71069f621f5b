// orvel --check: what would go wrong when a board runs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/board_check.h"

using namespace orvel;

namespace {

QStringList texts(const QList<CutCommand>& commands)
{
    QStringList out;
    for (const CutCommand& c : commands)
        out << c.text + (c.closed ? QString() : QStringLiteral(" (open)"));
    return out;
}

Area rect(int xi, int yi, int xf, int yf, int parent = 1)
{
    Area a;
    a.Xi = static_cast<int16_t>(xi);
    a.Yi = static_cast<int16_t>(yi);
    a.Xf = static_cast<int16_t>(xf);
    a.Yf = static_cast<int16_t>(yf);
    a.parent = static_cast<int16_t>(parent);
    return a;
}

}  // namespace

TEST(BoardCheck, CommandsAreCutAsTheExecutorCutsThem)
{
    EXPECT_EQ(texts(cut_commands(QStringLiteral("ab{|ESPERA 1}cd"))), QStringList{QStringLiteral("{|ESPERA 1")});
    EXPECT_EQ(texts(cut_commands(QStringLiteral("{|SIM 1 {x} {y}}z"))), QStringList{QStringLiteral("{|SIM 1 {x} {y}")});
    EXPECT_EQ(texts(cut_commands(QStringLiteral("{|SONA A.WAV"))), QStringList{QStringLiteral("{|SONA A.WA (open)")});
    EXPECT_EQ(texts(cut_commands(QStringLiteral("{|SONA {|RM}}{ENTER}{|CM}"))),
              (QStringList{QStringLiteral("{|SONA {|RM}"), QStringLiteral("{|CM")}));
    EXPECT_TRUE(cut_commands(QStringLiteral("plain {ENTER}")).isEmpty());
}

TEST(BoardCheck, ConditionalBranchesFollowEvaluateConditional)
{
    EXPECT_EQ(conditional_branches(QStringLiteral("{|SIM abcd {x} {y}")),
              (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
    EXPECT_EQ(conditional_branches(QStringLiteral("{|SIM abcd {x {|CM}}")),
              (QStringList{QStringLiteral("x {|CM}")}));
    EXPECT_TRUE(conditional_branches(QStringLiteral("{|SIM abcd")).isEmpty());
}

TEST(BoardCheck, KeyTextProblems)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile(dir.path() + QStringLiteral("/a.wav")).open(QIODevice::WriteOnly);
    const QString d = dir.path();
    EXPECT_TRUE(key_text_problems(QStringLiteral("{|SONA A.WAV}{|LLEGIR hola}{|Tria [a#b]}{|cerrar}"), d).isEmpty());
    EXPECT_EQ(key_text_problems(QStringLiteral("{|SONA A.WAV"), d),
              (QStringList{QStringLiteral("command never closed: {|SONA A.WA"),
                           QStringLiteral("{|SONA A.WA: file not found: ") + d + QStringLiteral("/A.WA")}));
    EXPECT_EQ(key_text_problems(QStringLiteral("{|XYZ 1}"), d), QStringList{QStringLiteral("unknown command: {|XYZ 1}")});
    // "sim" in small letters is no conditional, and the interpreter does not know it.
    EXPECT_EQ(key_text_problems(QStringLiteral("{|sim 1 {x}}"), d),
              QStringList{QStringLiteral("unknown command: {|sim 1 {x}}")});
    // Commands inside a conditional's branches are checked.
    EXPECT_EQ(key_text_problems(QStringLiteral("{|SIM 1 {{|CARREGA no.orv}} {{|FOO}}}"), d),
              (QStringList{QStringLiteral("unknown command: {|FOO}"),
                           QStringLiteral("{|CARREGA no.orv}: file not found: ") + d + QStringLiteral("/no.orv")}));
    EXPECT_EQ(key_text_problems(QStringLiteral("{|Llegeix /I:c /F:text.txt}"), d),
              QStringList{QStringLiteral("{|Llegeix /I:c /F:text.txt}: file not found: ") + d + QStringLiteral("/text.txt")});
    // A name computed when the command runs cannot be checked.
    EXPECT_TRUE(key_text_problems(QStringLiteral("{|SONA {|RM}}"), d).isEmpty());
}

TEST(BoardCheck, BoardProblems)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Template t;
    t.directory = dir.path();
    t.cover_file = QStringLiteral("COVER.BMP");
    Area root = rect(0, 0, 640, 445, 0);
    root.is_group = -1;
    add_area(t, root);
    Area speaks = rect(10, 10, 100, 100);
    speaks.sound_file = QStringLiteral("Bon dia");  // a text, not a file
    add_area(t, speaks);
    Area sound = rect(10, 10, 700, 100);
    sound.sound_file = QStringLiteral("sons\\x.mid");
    add_area(t, sound);
    add_area(t, rect(10, 10, 20, 20, 9));
    add_area(t, rect(10, 10, 20, 20, 2));
    EXPECT_EQ(check_board(t),
              (QStringList{
                  QStringLiteral("cover_file: file not found: ") + dir.path() + QStringLiteral("/COVER.BMP"),
                  QStringLiteral("area 3 sound_file: file not found: ") + dir.path() + QStringLiteral("/sons/x.mid"),
                  QStringLiteral("area 3: outside the root area (area 1)"),
                  QStringLiteral("area 4: parent 9 names no area"),
                  QStringLiteral("area 5: parent 2 is not a group, so scanning never reaches this area"),
              }));
}

TEST(BoardCheck, TheExampleBoardHasNothingToReport)
{
    // The shipped example is checked end to end by tests/e2e/board_cli.sh; here only the
    // rules that it relies on: groups with members and speaking keys.
    Template t;
    Area root = rect(0, 0, 640, 445, 0);
    root.is_group = -1;
    add_area(t, root);
    Area group = rect(10, 230, 630, 435);
    group.is_group = -1;
    add_area(t, group);
    Area member = rect(20, 240, 315, 425, 2);
    member.keys = QStringLiteral("{|LLEGIR Tinc gana}Tinc gana{ENTER}{|NIVELL 0}");
    add_area(t, member);
    EXPECT_TRUE(check_board(t).isEmpty());
}
