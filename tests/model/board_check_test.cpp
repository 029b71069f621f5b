// orvel --check: what would go wrong when a board runs.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "model/board_check.h"

using namespace orvel;
using namespace Qt::StringLiterals;

namespace {

QStringList texts(const QList<CutCommand>& commands)
{
    QStringList out;
    for (const CutCommand& c : commands)
        out << c.text + (c.closed ? QString() : u" (open)"_s);
    return out;
}

Area rect(int xi, int yi, int xf, int yf, int parent = 1, int16_t is_group = 0)
{
    Area a;
    a.Xi = static_cast<int16_t>(xi);
    a.Yi = static_cast<int16_t>(yi);
    a.Xf = static_cast<int16_t>(xf);
    a.Yf = static_cast<int16_t>(yf);
    a.parent = static_cast<int16_t>(parent);
    a.is_group = is_group;
    return a;
}

}  // namespace

TEST(BoardCheck, CommandsAreCutAsTheExecutorCutsThemAndConditionalsSplit)
{
    const std::vector<std::pair<QString, QStringList>> cuts = {
        {u"ab{|ESPERA 1}cd"_s, {u"{|ESPERA 1"_s}}, {u"{|SIM 1 {x} {y}}z"_s, {u"{|SIM 1 {x} {y}"_s}},
        {u"{|SONA A.WAV"_s, {u"{|SONA A.WA (open)"_s}},
        {u"{|SONA {|RM}}{ENTER}{|CM}"_s, {u"{|SONA {|RM}"_s, u"{|CM"_s}}, {u"plain {ENTER}"_s, {}},
    };
    for (const auto& [keys, expected] : cuts)
        EXPECT_EQ(texts(cut_commands(keys)), expected) << keys.toStdString();
    EXPECT_EQ(conditional_branches(u"{|SIM abcd {x} {y}"_s), (QStringList{u"x"_s, u"y"_s}));
    EXPECT_EQ(conditional_branches(u"{|SIM abcd {x {|CM}}"_s), QStringList{u"x {|CM}"_s});
    EXPECT_TRUE(conditional_branches(u"{|SIM abcd"_s).isEmpty());
}

TEST(BoardCheck, KeyTextProblems)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile(dir.path() + u"/a.wav"_s).open(QIODevice::WriteOnly);
    const QString d = dir.path();
    const std::vector<std::pair<QString, QStringList>> rows = {
        {u"{|SONA A.WAV}{|LLEGIR hola}{|Tria [a#b]}{|cerrar}"_s, {}},
        {u"{|SONA A.WAV"_s, {u"command never closed: {|SONA A.WA"_s, u"{|SONA A.WA: file not found: "_s + d + u"/A.WA"_s}},
        {u"{|XYZ 1}"_s, {u"unknown command: {|XYZ 1}"_s}},
        // "sim" in small letters is no conditional, and the interpreter does not know it.
        {u"{|sim 1 {x}}"_s, {u"unknown command: {|sim 1 {x}}"_s}},
        // Commands inside a conditional's branches are checked.
        {u"{|SIM 1 {{|CARREGA no.orv}} {{|FOO}}}"_s,
         {u"unknown command: {|FOO}"_s, u"{|CARREGA no.orv}: file not found: "_s + d + u"/no.orv"_s}},
        {u"{|Llegeix /I:c /F:text.txt}"_s, {u"{|Llegeix /I:c /F:text.txt}: file not found: "_s + d + u"/text.txt"_s}},
        // A name computed when the command runs cannot be checked.
        {u"{|SONA {|RM}}"_s, {}},
    };
    for (const auto& [keys, expected] : rows)
        EXPECT_EQ(key_text_problems(keys, d), expected) << keys.toStdString();
}

TEST(BoardCheck, BoardProblems)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Template t;
    t.directory = dir.path();
    t.cover_file = u"COVER.BMP"_s;
    add_area(t, rect(0, 0, 640, 445, 0, -1));
    Area speaks = rect(10, 10, 100, 100);
    speaks.sound_file = u"Bon dia"_s;  // a text, not a file
    add_area(t, speaks);
    Area sound = rect(10, 10, 700, 100);
    sound.sound_file = u"sons\\x.mid"_s;
    add_area(t, sound);
    add_area(t, rect(10, 10, 20, 20, 9));
    add_area(t, rect(10, 10, 20, 20, 2));
    EXPECT_EQ(check_board(t), (QStringList{
                                  u"cover_file: file not found: "_s + dir.path() + u"/COVER.BMP"_s,
                                  u"area 3 sound_file: file not found: "_s + dir.path() + u"/sons/x.mid"_s,
                                  u"area 3: outside the root area (area 1)"_s,
                                  u"area 4: parent 9 names no area"_s,
                                  u"area 5: parent 2 is not a group, so scanning never reaches this area"_s,
                              }));

    // Groups with members and speaking keys, as in the shipped example (checked end to end by
    // tests/e2e/board_cli.sh), have nothing to report.
    Template example;
    add_area(example, rect(0, 0, 640, 445, 0, -1));
    add_area(example, rect(10, 230, 630, 435, 1, -1));
    Area member = rect(20, 240, 315, 425, 2);
    member.keys = u"{|LLEGIR Tinc gana}Tinc gana{ENTER}{|NIVELL 0}"_s;
    add_area(example, member);
    EXPECT_TRUE(check_board(example).isEmpty());
}
