// The command language: memory arithmetic, conditionals, random choice, value
// functions, waits, scan levels and the dispatch of every keyword and alias.
#include <QHash>
#include <gtest/gtest.h>

#include "exec/executor.h"
#include "exec/interpreter.h"
#include "support/exec_harness.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

QString typed_by(const QString& key_text, const QString& memory = QString())
{
    ExecHarness h;
    h.target(0x41, "Editor");
    h.state.memory = memory;
    QString text = key_text;
    execute_key_text(h.ctx, text);
    return h.keys.typed;
}

}  // namespace

TEST(Interpreter, MemoryArithmetic)
{
    // Key text, register before, what is typed. Numbers take leading digits only (none gives 0).
    const char* const rows[][3] = {
        {"{|CM }{|M+ 2 }{|M+ 3 }{|RM }", "", "5"}, {"{|CM }{|M+ ab }{|M+ 3 }{|RM }", "", "ab3"},
        {"{|CM }{|M- 1 }{|RM }", "", ""},           {"{|M+ 7}{|M- 10}{|RM}", "", "-3"},
        {"{|M+ 0.1}{|M+ 0.2}{|RM}", "", "0.3"},     {"{|M+ 1.5}{|M+ 2.5}{|RM}", "", "4"},
        {"{|M+ 10}{|M+ 3kg}{|M- x}{|RM}", "", "13"}, {"{|m+ 4}{|Rm}", "x", "x4"},  // keywords in any case
        {"{|CM}{|RM}", "full", ""}};
    for (const auto& [text, memory, typed] : rows)
        EXPECT_EQ(typed_by(text, memory), typed) << text;

    for (const auto& [text, value] : {std::pair{"  -3.5x", -3.5}, {"12.3.4", 12.3}, {"abc", 0.0}, {"-", 0.0}})
        EXPECT_DOUBLE_EQ(numeric_value(text), value) << text;
    for (const auto& [text, number] : {std::pair{" 5 ", true}, {"-.5", true}, {"", false}, {"inf", false}, {"1e3", false}})
        EXPECT_EQ(is_number(text), number) << text;
    EXPECT_EQ(number_text(5.0), "5");
    EXPECT_EQ(number_text(-0.0), "0");
    EXPECT_EQ(number_text(1e20), "100000000000000000000");
}

TEST(Interpreter, ConditionalComparesTheRegisterExactly)
{
    EXPECT_EQ(typed_by("{|CM }{|M+ abcd }{|SIM abcd {x} {y}}"), "x");
    EXPECT_EQ(typed_by("{|CM }{|M+ ABCD }{|SIM abcd {x} {y}}"), "y");
    EXPECT_EQ(typed_by("{|SIM abcd {x}}", "other"), "");
    EXPECT_EQ(typed_by("{|SIM abcd}", "abcd"), "");          // no blank after the value
    EXPECT_EQ(typed_by("{|SIM  {x} {y}}", ""), "x");          // an empty value matches an empty register
    EXPECT_EQ(typed_by("{|SIM 1 {{a}b} {c}}", "1"), "{a}b");  // branches are key texts
    // An unclosed false branch runs to the end of the command.
    ExecHarness h;
    h.target(0x41, "Editor");
    h.state.memory = "2";
    evaluate_conditional(h.ctx, "{|SIM 1 {x} {y");
    EXPECT_EQ(h.keys.typed, "y");
}

TEST(Interpreter, RandomChoiceOverItemsAndRanges)
{
    ExecHarness h;
    h.random.values = {0.0, 0.5, 0.999999};
    EXPECT_EQ(choose_random(h.ctx, "[ a#b#c]"), " a");
    EXPECT_EQ(choose_random(h.ctx, "[ a#b#c]"), "b");
    EXPECT_EQ(choose_random(h.ctx, "[ a#b#c]"), "c");

    h.random.values = {0.0, 0.999999};
    EXPECT_EQ(choose_random(h.ctx, "[1#6]"), "1");
    EXPECT_EQ(choose_random(h.ctx, "[1#6]"), "5");  // high is never reached
    h.random.values = {0.999999};
    EXPECT_EQ(choose_random(h.ctx, "[1#2]"), "1");
    h.random.values = {0.7};
    EXPECT_EQ(choose_random(h.ctx, "[1#2.9#30x]"), "30");  // numeric mode: whole numbers
    EXPECT_EQ(choose_random(h.ctx, "[abc]"), "");
    EXPECT_EQ(choose_random(h.ctx, ""), "");

    EXPECT_EQ(typed_by("{|Tria [1#2]}"), "1");
    EXPECT_EQ(typed_by("{|TRIA [x]}"), "");
    EXPECT_EQ(typed_by("{|escoge [ {ENTER}#{ENTER}]}"), " {ENTER}");
    // Uniform over the items with the program's own generator.
    ClockSeededRandom generator(12345);
    h.ctx.random = &generator;
    constexpr int kDraws = 30000;
    for (const auto& [list, items, tolerance] : {std::tuple{"[a#b#c]", QStringList({"a", "b", "c"}), kDraws / 30},
                                                 std::tuple{"[1#6]", QStringList({"1", "2", "3", "4", "5"}), kDraws / 25}}) {
        QHash<QString, int> counts;
        for (int i = 0; i < kDraws; ++i)
            ++counts[choose_random(h.ctx, list)];
        EXPECT_EQ(counts.size(), items.size()) << list;
        for (const QString& item : items)
            EXPECT_NEAR(counts.value(item), kDraws / items.size(), tolerance) << list << item.toStdString();
    }
}

TEST(Interpreter, ValueFunctionsExpandInsideArguments)
{
    ExecHarness h;
    h.state.memory = "BEE.WAV";
    h.clipboard.content = "clip";
    interpret_command(h.ctx, "{|SONA {|RM}");
    interpret_command(h.ctx, "{|LLEGIR a {|RCW} b {|rm}");
    interpret_command(h.ctx, "{|LLEGIR {|abc def}{|rcw x}");
    h.random.values = {0.0};
    interpret_command(h.ctx, "{|LLEGIR {|TRIA [u#v]}");
    EXPECT_EQ(h.outside.calls, QStringList({"SONA:BEE.WAV", "LLEGIR:a clip b rm", "LLEGIR:ABCclip", "LLEGIR:u"}));

    EXPECT_EQ(valor_f(h.ctx, "x{|RM}y{|RM}z"), "x{|RM}yBEE.WAVz");
    EXPECT_EQ(valor_f(h.ctx, "x{|RM"), "xBEE.WAV");
    EXPECT_EQ(valor_f(h.ctx, "none"), "none");
}

TEST(Interpreter, WaitsAreCountedInSynchronisations)
{
    // Below one, or no number, is one; a huge count is capped.
    const std::pair<const char*, int> rows[] = {{"{|ESPERA 1", 1},  {"{|ESPERA 3", 3},  {"{|ESPERA 2.5", 2},
                                                {"{|ESPERA", 1},    {"{|ESPERA 0", 1},  {"{|ESPERA -4", 1},
                                                {"{|ESPERA 99999999999", kMaxWaitCount}};
    for (const auto& [command, waits] : rows) {
        ExecHarness h;
        interpret_command(h.ctx, command);
        EXPECT_EQ(h.keys.waits, waits) << command;
    }
}

TEST(Interpreter, ScanLevelMovesToTheTopOrOneLevelUp)
{
    ExecHarness h;
    Template& t = h.state.tmpl;
    add_area(t, Area());  // 1, the root
    Area group;
    group.parent = 1;
    group.is_group = -1;
    add_area(t, group);  // 2
    Area inner = group;
    inner.parent = 2;
    add_area(t, inner);  // 3
    // From a level, a command, the level after it: the root has nothing above it,
    // and a level the board does not have goes to the top.
    const std::tuple<int, const char*, int> rows[] = {{3, "{|Nivell -1", 2}, {2, "{|NIVEL 5", 1}, {1, "{|NIVELL -1", 1},
                                                      {3, "{|Nivell 0", 1},  {3, "{|nivell x", 1}, {99, "{|NIVELL 1", 1}};
    for (const auto& [from, command, to] : rows) {
        h.state.scan_level = from;
        interpret_command(h.ctx, command);
        EXPECT_EQ(h.state.scan_level, to) << command << " from " << from;
    }
}

TEST(Interpreter, KeywordsAndAliasesReachTheirCommands)
{
    ExecHarness h;
    for (const char* c : {"{|LLEGIR  hola ", "{|leer adéu", "{|LLEGEIX /F:a.txt", "{|Lee /F:b.txt",
                          "{|CARREGA  B.ORV", "{|carga C.ORV", "{|SONA A.WAV", "{|suena b.mid",
                          "{|ENGANXA F.JPG", "{|Engancha G.BMP", "{|REG [HKEY_CURRENT_USER\\X]N=v", "{|XYZ 1",
                          "{|sim 1 {x}", "{|", "{|SIM"})
        interpret_command(h.ctx, c);
    EXPECT_EQ(h.outside.calls,
              QStringList({"LLEGIR:hola", QString::fromUtf8("LLEGIR:adéu"), "LLEGEIX:/F:a.txt", "LLEGEIX:/F:b.txt",
                           "CARREGA:B.ORV", "CARREGA:C.ORV", "SONA:A.WAV", "SONA:b.mid", "ENGANXA:F.JPG",
                           "ENGANXA:G.BMP", "REG:[HKEY_CURRENT_USER\\X]N=v"}));
    EXPECT_TRUE(h.keys.runs.isEmpty());
    EXPECT_EQ(h.hooks.quits, 0);
    // Without the outside commands nothing happens, and nothing breaks.
    h.ctx.outside = nullptr;
    interpret_command(h.ctx, "{|SONA A.WAV");
    EXPECT_EQ(h.outside.calls.size(), 11);
    // RCW types the clipboard as keys; with no text, nothing.
    h.target(0x41, "Editor");
    h.clipboard.content = "+a~";
    interpret_command(h.ctx, "{|RCW");
    h.clipboard.content.clear();
    interpret_command(h.ctx, "{|RCW");
    EXPECT_EQ(h.keys.runs, QStringList({"+a~"}));
}
