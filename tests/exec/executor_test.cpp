// The key-text executor over recording fakes: order of effects, the target
// window and its stack, start-up actions and program starts.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "exec/executor.h"
#include "exec/interpreter.h"
#include "support/exec_harness.h"
#include "support/test_files.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

QString run(ExecHarness& h, const QString& key_text)
{
    QString text = key_text;
    execute_key_text(h.ctx, text);
    return text;
}

// A harness whose target is the window 0x41, "Editor".
struct EditorHarness : ExecHarness {
    EditorHarness() { target(0x41, "Editor"); }
};

QStringList runs_of(const QString& key_text, const QString& memory)
{
    EditorHarness h;
    h.state.memory = memory;
    run(h, key_text);
    return h.keys.runs;
}

}  // namespace

TEST(Executor, EffectsFollowTheTextWhichIsConsumedUpToItsLastCommand)
{
    EditorHarness h;
    EXPECT_EQ(run(h, "ab{|ESPERA 1}cd{|SONA X.WAV}"), "");
    EXPECT_EQ(h.events({"activate", "keys", "wait", "SONA", "quit"}),
              QStringList({"activate:65", "keys:ab", "wait", "wait", "activate:65", "keys:cd", "wait", "SONA:X.WAV"}));
    EXPECT_EQ(run(h, "ab{|ESPERA 1}cd"), "cd");
    EXPECT_EQ(run(h, "plain"), "plain");
    // A text that is only a command activates no window.
    h.log.entries.clear();
    run(h, "{|TANCAR}");
    EXPECT_EQ(h.events({"activate", "keys"}), QStringList());
    EXPECT_EQ(h.hooks.quits, 1);
    // RM runs the register itself: plain text stays, commands are consumed.
    h.state.memory = "hi";
    run(h, "{|RM}");
    EXPECT_EQ(h.state.memory, "hi");
    h.state.memory = "x{|ESPERA 1}yz";
    run(h, "{|RM}");
    EXPECT_EQ(h.state.memory, "yz");
    EXPECT_EQ(h.keys.runs.mid(h.keys.runs.size() - 2), QStringList({"x", "yz"}));
    // Without a target, commands before the first keys still run and the rest is kept.
    ExecHarness none;
    EXPECT_EQ(run(none, "{|SONA A.WAV}ab{|SONA B.WAV}cd"), "ab{|SONA B.WAV}cd");
    EXPECT_EQ(none.outside.calls, QStringList({"SONA:A.WAV"}));
    EXPECT_TRUE(none.keys.runs.isEmpty());
    EXPECT_TRUE(none.messages.texts.isEmpty());
    EXPECT_EQ(win_actiu_titol(none.ctx), "|");
}

TEST(Executor, CloseEndsTheKeyTextAndTheTextsRunningIt)
{
    EditorHarness h;
    EXPECT_EQ(run(h, "ab{|CERRAR}cd{|SONA A.WAV}"), "cd{|SONA A.WAV}");
    EXPECT_EQ(h.keys.runs, QStringList({"ab"}));
    EXPECT_TRUE(h.outside.calls.isEmpty());
    // From inside the register: nothing after the close runs at any level.
    h.state.memory = "x{|TANCAR}y";
    run(h, "{|RM}z");
    EXPECT_EQ(h.keys.runs, QStringList({"ab", "x"}));
    EXPECT_EQ(h.hooks.quits, 2);
    run(h, "q");  // the next key text starts afresh
    EXPECT_EQ(h.keys.runs.last(), "q");
}

TEST(Executor, CommandsAreCutAtTheirOwnClosingBrace)
{
    EXPECT_EQ(runs_of("{|SIM 1 {x} {y}}z", "1"), QStringList({"x", "z"}));
    // Nested groups inside a branch, and a conditional inside a conditional.
    EXPECT_EQ(runs_of("{|SIM 1 {a{ENTER}{|SIM 2 {no} {b}}} {c}}d", "1"), QStringList({"a{ENTER}", "b", "d"}));
    // Lower-case sim is no conditional: the interpreter ignores it.
    EXPECT_EQ(runs_of("{|sim 1 {x}}k", "1"), QStringList({"k"}));
    // An unterminated command at the end loses the text's last character.
    EditorHarness h;
    run(h, "{|SONA A.WAV");
    EXPECT_EQ(h.outside.calls, QStringList({"SONA:A.WA"}));
}

TEST(Executor, KeysFallBackToTheProgramStartedBefore)
{
    ExecHarness h;
    h.target(0x10, "First");
    h.target(0x2A, "Second");
    push_target(h.state, -1);  // a start that showed no window
    EXPECT_EQ(h.state.target_stack, "-1 2A 10 ");

    run(h, "a");
    EXPECT_EQ(h.windows.activations.back(), 0x2A);
    h.windows.close_by_test(0x2A);
    run(h, "b");
    EXPECT_EQ(h.windows.activations.back(), 0x10);
    EXPECT_EQ(h.state.target_window, 0x10);
    EXPECT_EQ(h.state.target_stack, "");
    // A long title is cut to 99 characters; once every target is gone: "|".
    h.windows.find(0x10)->title = QString(150, 'T');
    EXPECT_EQ(win_actiu_titol(h.ctx).size(), 99);
    h.windows.close_by_test(0x10);
    EXPECT_EQ(win_actiu_titol(h.ctx), "|");
}

TEST(Executor, SendAndActivationFailuresSayWhatFailedAndWhereAndExecutionGoesOn)
{
    EditorHarness h;
    h.keys.failures.insert("{NOSUCHKEY}", 1);
    h.keys.failures.insert("x{a 99999}", 4);
    h.keys.failures.insert("é", 8);
    run(h, "{NOSUCHKEY}{|SONA A.WAV}ok");
    EXPECT_EQ(h.state.key_runs_failed, 1);
    h.state.executing_area = 3;
    run(h, "x{a 99999}");
    run(h, "é");
    h.windows.refuse_activation.insert(0x41);
    run(h, "lost{|SONA B.WAV}");
    EXPECT_EQ(h.messages.texts,
              QStringList({"Error 1 en enviar les tecles «{NOSUCHKEY}» de les tecles inicials del plafó: "
                           "{NOSUCHKEY} no és el nom de cap tecla.",
                           "Error 4 en enviar les tecles «x{a 99999}» de l'àrea 3: el nombre de repeticions de "
                           "{a 99999} no és un nombre de 0 a 9999.",
                           "Error 8 en enviar les tecles «é» de l'àrea 3: un caràcter no és a cap tecla del "
                           "teclat i no queda cap tecla lliure per fer-lo servir.",
                           "Error 20 en enviar les tecles «lost» de l'àrea 3: no s'ha pogut activar la finestra "
                           "que rep les tecles."}));
    EXPECT_EQ(h.keys.runs, QStringList({"ok"}));
    EXPECT_EQ(h.outside.calls, QStringList({"SONA:A.WAV", "SONA:B.WAV"}));
    EXPECT_EQ(h.state.key_runs_failed, 4);
    // A target that did not read its keys in time: typed, but counted as not delivered.
    h.windows.refuse_activation.clear();
    h.keys.targets_stop_reading = true;
    run(h, "late");
    EXPECT_EQ(h.keys.runs, QStringList({"ok", "late"}));
    EXPECT_EQ(h.state.key_runs_failed, 5);
}

TEST(Executor, BusyPointerAndFocusFollowTheAccessMethod)
{
    // Outside the mouse method the board takes the focus back as soon as the last keys
    // are with the target, before waiting for it to read them (a press made meanwhile
    // reaches the board), and once more at the end.
    const QStringList waits = {"busy", "idle", "focus-board", "keys:ab", "keys:c", "wait"};
    for (const auto& [modus, expected] :
         {std::pair{0, QStringList({"busy", "keys:ab", "wait", "busy", "keys:c", "wait", "idle"})},
          std::pair{2, QStringList({"busy", "keys:ab", "wait", "busy", "keys:c", "focus-board", "wait", "idle",
                                    "focus-board"})}}) {
        EditorHarness h;
        h.state.profile.modus = modus;
        run(h, "ab{|SONA A.WAV}c");
        EXPECT_EQ(h.events(waits), expected) << "modus " << modus;
    }
}

TEST(Executor, TextsThatRunThemselvesEnd)
{
    EditorHarness h;
    // Runs `text` with the register holding `memory`, keys and calls recorded afresh.
    const auto with = [&h](const QString& memory, const QString& text) {
        h.keys.runs.clear();
        h.outside.calls.clear();
        h.state.memory = memory;
        run(h, text);
    };
    with("{|RM}", "{|RM}");
    EXPECT_EQ(h.state.key_text_depth, 0);
    // A conditional whose branches run the register that holds it.
    with("{|SIM x {{|RM}} {{|RM}}}", "{|RM}");
    EXPECT_EQ(h.state.key_text_depth, 0);
    // A value that expands to itself.
    with("{|RM}", "{|SONA {|RM}}");
    EXPECT_EQ(h.outside.calls.size(), 1);
    // Doubling at every level is bounded by the command count.
    with("{|RM}{|RM}", "{|RM}");
    EXPECT_LE(h.state.commands_run, kMaxCommandsPerKeyText + 1);
    // Each level types once before going deeper: bounded by the depth; a TRIA
    // item that chooses TRIA again likewise.
    h.clipboard.content = "a{|RCW}";
    with("", "{|RCW}");
    EXPECT_GT(h.keys.runs.size(), 1);
    EXPECT_LE(h.keys.runs.size(), kMaxKeyTextDepth);
    with("t{|TRIA [{|RM}#{|RM}]}", "{|RM}");
    EXPECT_GT(h.keys.runs.size(), 1);
    EXPECT_LE(h.keys.runs.size(), kMaxKeyTextDepth);
    // A register that doubles each time it is added to stays bounded.
    QString doubling;
    for (int i = 0; i < 40; ++i)
        doubling += "{|M+ {|RM}{|RM}}";
    with("ab", doubling);
    EXPECT_LE(h.state.memory.size(), kMaxCommandText);
    EXPECT_GT(h.state.memory.size(), 1000);
}

TEST(Executor, AreaExecutionPlacesTheClipFileBeforeTheKeys)
{
    EditorHarness h;
    QTemporaryDir dir;
    orvel::testing::write_file(dir.filePath("nota.txt"), "Bon dia \xE0\xE7");  // Windows-1252: à ç

    h.state.tmpl.directory = dir.path();
    Area group, picture;
    group.is_group = -1;
    group.clip_file = "NOTA.TXT";
    group.keys = "^v";
    picture.clip_type = 1;
    picture.clip_file = "FOTO.BMP";
    for (const Area& a : {Area(), group, picture})
        add_area(h.state.tmpl, a);

    execute_area(h.ctx, 2);
    EXPECT_EQ(h.state.scan_level, 2);
    EXPECT_EQ(h.events({"keeper", "clipboard", "keys"}),
              QStringList({"keeper-off", "clipboard-clear", QString::fromUtf8("clipboard-text:Bon dia àç"), "keys:^v",
                           "keeper-on"}));
    EXPECT_EQ(h.state.tmpl.area(2).keys, "^v");  // the area itself is not consumed

    execute_area(h.ctx, 3);
    EXPECT_EQ(h.outside.calls, QStringList({"ENGANXA:FOTO.BMP"}));
    // Areas that do not exist, and a clip file that cannot be read.
    h.log.entries.clear();
    execute_area(h.ctx, 0);
    execute_area(h.ctx, 4);
    EXPECT_TRUE(h.log.entries.isEmpty());
    // A missing file and a device that never ends: nothing is read, the keys still go.
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("ZERO.TXT")));
    for (const char* unreadable : {"NOEXISTE.TXT", "ZERO.TXT"}) {
        h.state.tmpl.area(2).clip_file = unreadable;
        execute_area(h.ctx, 2);
        EXPECT_TRUE(h.clipboard.content.isEmpty()) << unreadable;
    }
    EXPECT_EQ(h.keys.runs, QStringList({"^v", "^v", "^v"}));
}

TEST(Executor, TheApplicationCheckComparesTheTargetsExecutable)
{
    ExecHarness h;
    h.windows.add(0x41, "Editor", QCoreApplication::applicationPid());
    push_target(h.state, 0x41);
    Area a;
    a.keys = "k";
    add_area(h.state.tmpl, Area());
    add_area(h.state.tmpl, a);
    // The executable's name in any case, with or without ".exe", or a part of it; not another program.
    for (const char* title : {"TEST_EXEC", "test_exec.exe", "exec", "NOTEPAD.EXE"}) {
        h.state.tmpl.app_title = title;
        h.keys.runs.clear();
        execute_area(h.ctx, 2);
        EXPECT_EQ(h.keys.runs, QString(title) == "NOTEPAD.EXE" ? QStringList() : QStringList({"k"})) << title;
    }
}

TEST(Executor, ProgramsAreFoundThroughTheCatalogue)
{
    const QString lookup = "|NOTEPAD.EXE|/usr/bin/mousepad|WRITE.EXE|/opt/write/bin/write|";
    EXPECT_EQ(resolve_program("NOTEPAD.EXE C:\\A.TXT", lookup), "/usr/bin/mousepad C:\\A.TXT");
    EXPECT_EQ(resolve_program("c:\\windows\\notepad.exe", lookup), "/usr/bin/mousepad");
    EXPECT_EQ(resolve_program("WRITE.EXE", lookup), "/opt/write/bin/write");
    for (const char* unknown : {"PAINT.EXE x", "xterm -e top"})
        EXPECT_EQ(resolve_program(unknown, lookup), unknown);
    EXPECT_EQ(resolve_program("NOTEPAD.EXE", ""), "NOTEPAD.EXE");
    // Starting goes through the catalogue, in the board's folder.
    ExecHarness h;
    h.state.catalogue.program_lookup = lookup;
    h.state.tmpl.directory = "/boards";
    launch_program(h.ctx, "C:\\WINDOWS\\CALC.EXE -x");
    launch_program(h.ctx, "NOTEPAD.EXE b.txt");
    EXPECT_EQ(h.launcher.started, QStringList({"C:\\WINDOWS\\CALC.EXE -x", "/usr/bin/mousepad b.txt"}));
    EXPECT_EQ(h.launcher.folders, QStringList({"/boards", "/boards"}));
}

TEST(Executor, AStartedProgramsOwnVisibleWindowBecomesTheTarget)
{
    using AddWindows = void (*)(FakeWindowSystem&, int64_t pid);
    const struct {
        const char* name;
        AddWindows add;
        WindowId target;
        int64_t max_ms;
    } rows[] = {
        {"slow", [](FakeWindowSystem& w, int64_t pid) {
             w.add(0x50, "Unrelated", 7).appears_after_listings = 1;
             w.add(0x60, "Slow", pid).appears_after_listings = 5;
             w.add(0x70, "", pid);
         }, 0x60, 4999},
        // Only another process's window: taken once the grace time has passed.
        {"wrapper", [](FakeWindowSystem& w, int64_t) { w.add(0x80, "Wrapper's", 1); }, 0x80, 6000},
        {"daemon", [](FakeWindowSystem&, int64_t) {}, -1, 6000},  // no window: -1 after a bounded search
        {"hidden", [](FakeWindowSystem& w, int64_t pid) { w.add(0x90, "Hidden", pid).visible = false; }, -1, 6000},
    };
    for (const auto& row : rows) {
        ExecHarness h;
        h.windows.add(0x1, "Board");  // there before the start: never the program's
        h.launcher.on_start = [&h, &row](const QString&, int64_t pid) { row.add(h.windows, pid); };
        EXPECT_EQ(launch_program(h.ctx, row.name), row.target) << row.name;
        EXPECT_LE(h.clock.now, row.max_ms) << row.name;
        EXPECT_GT(h.windows.listings, 2) << row.name;
    }
}

TEST(Executor, StartupActionsRunInOrderAndSurviveAProgramThatFails)
{
    ExecHarness h;
    h.state.tmpl.program = "missing|editor --new||";
    h.state.tmpl.initial_keys = "hola~";
    h.launcher.failures.insert("missing", "No such file or directory");
    h.launcher.on_start = [&h](const QString&, int64_t pid) { h.windows.add(0x99, "Editor", pid); };

    run_startup_actions(h.ctx);
    EXPECT_EQ(h.messages.texts,
              QStringList({"En engegar els programes del plafó: No such file or directory (missing)"}));
    EXPECT_EQ(h.launcher.started, QStringList({"missing", "editor --new"}));
    EXPECT_EQ(h.state.target_window, 0x99);
    EXPECT_EQ(h.state.target_stack, "99 ");
    EXPECT_EQ(h.events({"start", "place", "keys"}),
              QStringList({"start-failed:missing", "start:editor --new", "place:153", "keys:hola~"}));
    EXPECT_EQ(h.clock.sleeps.back(), 500);  // the half second before the initial keys
    EXPECT_EQ(h.state.tmpl.initial_keys, "hola~");
}

TEST(Executor, ExecutaMakesTheStartedProgramTheTarget)
{
    ExecHarness h;
    h.target(0x10, "First");
    h.launcher.on_start = [&h](const QString&, int64_t pid) { h.windows.add(0xAB, "Second", pid); };
    run(h, "{|Executa  second --x }typed");
    EXPECT_EQ(h.launcher.started, QStringList({"second --x"}));
    EXPECT_EQ(h.state.target_stack, "AB 10 ");
    EXPECT_EQ(h.windows.activations.back(), 0xAB);
    EXPECT_EQ(h.events({"place"}), QStringList({"place:171"}));
    // A program that does not start leaves -1 on top; keys fall back.
    h.launcher.failures.insert("nothing", "failed");
    run(h, "{|EJECUTA nothing}again");
    EXPECT_TRUE(h.messages.texts.isEmpty());
    EXPECT_EQ(h.windows.activations.back(), 0xAB);
}

TEST(Executor, PrintableTextKeepsOnlyWhatWouldBeTyped)
{
    const char* const rows[][2] = {
        {"", ""},   {"ab{ENTER}", "ab"}, {"+a+^bc", "c"}, {"{|SONA A.WAV}hola", "hola"}, {"xy{never closed", "xy"},
        {"a+", "a"}, {"a%", "a"},        {"~x", "~x"},    {"àç·{+}", "àç·"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(printable_text(QString::fromUtf8(row[0])), QString::fromUtf8(row[1])) << row[0];
}
