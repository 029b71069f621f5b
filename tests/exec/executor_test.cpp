// The key-text executor over recording fakes: order of effects, the target
// window and its stack, start-up actions and program starts.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "exec/executor.h"
#include "exec/interpreter.h"
#include "support/exec_harness.h"

using namespace orvel;
using namespace orvel::testing;

namespace {

const QStringList kKeyEvents = {"activate", "keys", "wait", "SONA", "quit"};

QString run(ExecHarness& h, const QString& key_text)
{
    QString text = key_text;
    execute_key_text(h.ctx, text);
    return text;
}

}  // namespace

TEST(Executor, KeysAndCommandsTakeEffectInTheOrderOfTheText)
{
    ExecHarness h;
    h.target(0x41, "Editor");
    run(h, "ab{|ESPERA 1}cd{|SONA X.WAV}");
    EXPECT_EQ(h.events(kKeyEvents), QStringList({"activate:65", "keys:ab", "wait", "wait", "activate:65", "keys:cd",
                                                  "wait", "SONA:X.WAV"}));

    // A text that is only a command activates no window.
    h.log.entries.clear();
    run(h, "{|TANCAR}");
    EXPECT_EQ(h.events({"activate", "keys"}), QStringList());
    EXPECT_EQ(h.hooks.quits, 1);
}

TEST(Executor, CloseEndsTheKeyTextAndTheTextsRunningIt)
{
    ExecHarness h;
    h.target(0x41, "Editor");
    EXPECT_EQ(run(h, "ab{|CERRAR}cd{|SONA A.WAV}"), "cd{|SONA A.WAV}");
    EXPECT_EQ(h.keys.runs, QStringList({"ab"}));
    EXPECT_TRUE(h.outside.calls.isEmpty());

    // From inside the register: nothing after the close runs at any level.
    h.state.memory = "x{|TANCAR}y";
    run(h, "{|RM}z");
    EXPECT_EQ(h.keys.runs, QStringList({"ab", "x"}));
    EXPECT_EQ(h.hooks.quits, 2);

    // The next key text starts afresh.
    run(h, "q");
    EXPECT_EQ(h.keys.runs.last(), "q");
}

TEST(Executor, CommandsAreCutAtTheirOwnClosingBrace)
{
    ExecHarness h;
    h.target(0x41, "Editor");
    h.state.memory = "1";
    run(h, "{|SIM 1 {x} {y}}z");
    EXPECT_EQ(h.keys.runs, QStringList({"x", "z"}));

    // Nested groups inside a branch, and a conditional inside a conditional.
    h.keys.runs.clear();
    run(h, "{|SIM 1 {a{ENTER}{|SIM 2 {no} {b}}} {c}}d");
    EXPECT_EQ(h.keys.runs, QStringList({"a{ENTER}", "b", "d"}));

    // An unterminated command at the end loses the text's last character.
    run(h, "{|SONA A.WAV");
    EXPECT_EQ(h.outside.calls.last(), "SONA:A.WA");

    // Lower-case sim is no conditional: the interpreter ignores it.
    h.keys.runs.clear();
    run(h, "{|sim 1 {x}}k");
    EXPECT_EQ(h.keys.runs, QStringList({"k"}));
}

TEST(Executor, TheTextIsConsumedUpToItsLastCommand)
{
    ExecHarness h;
    h.target(0x41, "Editor");
    EXPECT_EQ(run(h, "ab{|ESPERA 1}cd"), "cd");
    EXPECT_EQ(run(h, "plain"), "plain");

    // RM runs the register itself: plain text stays, commands are consumed.
    h.state.memory = "hi";
    run(h, "{|RM}");
    EXPECT_EQ(h.state.memory, "hi");
    h.state.memory = "x{|ESPERA 1}yz";
    run(h, "{|RM}");
    EXPECT_EQ(h.state.memory, "yz");
    EXPECT_EQ(h.keys.runs.mid(h.keys.runs.size() - 2), QStringList({"x", "yz"}));
}

TEST(Executor, WithoutATargetCommandsBeforeTheFirstKeysStillRun)
{
    ExecHarness h;
    const QString left = run(h, "{|SONA A.WAV}ab{|SONA B.WAV}cd");
    EXPECT_EQ(h.outside.calls, QStringList({"SONA:A.WAV"}));
    EXPECT_TRUE(h.keys.runs.isEmpty());
    EXPECT_TRUE(h.messages.texts.isEmpty());
    EXPECT_EQ(left, "ab{|SONA B.WAV}cd");
    EXPECT_EQ(win_actiu_titol(h.ctx), "|");
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
    EXPECT_EQ(h.state.target_stack, "");
}

TEST(Executor, SendAndActivationFailuresShowTheirCodeAndExecutionGoesOn)
{
    ExecHarness h;
    h.target(0x41, "Editor");
    h.keys.failures.insert("{NOSUCHKEY}", 3);
    run(h, "{NOSUCHKEY}{|SONA A.WAV}ok");
    EXPECT_EQ(h.messages.texts, QStringList({"3"}));
    EXPECT_EQ(h.keys.runs, QStringList({"ok"}));
    EXPECT_EQ(h.outside.calls, QStringList({"SONA:A.WAV"}));

    h.windows.refuse_activation.insert(0x41);
    run(h, "lost{|SONA B.WAV}");
    EXPECT_EQ(h.messages.texts.last(), QString::number(kActivationFailedCode));
    EXPECT_EQ(h.keys.runs, QStringList({"ok"}));
    EXPECT_EQ(h.outside.calls.last(), "SONA:B.WAV");
}

TEST(Executor, BusyPointerAndFocusFollowTheAccessMethod)
{
    ExecHarness h;
    h.target(0x41, "Editor");
    h.state.profile.modus = 0;
    run(h, "a");
    EXPECT_EQ(h.events({"busy", "idle", "focus-board"}), QStringList({"busy", "idle"}));
    h.log.entries.clear();
    h.state.profile.modus = 2;
    run(h, "a");
    EXPECT_EQ(h.events({"busy", "idle", "focus-board"}), QStringList({"busy", "idle", "focus-board"}));
}

TEST(Executor, TextsThatRunThemselvesEnd)
{
    ExecHarness h;
    h.target(0x41, "Editor");

    h.state.memory = "{|RM}";
    run(h, "{|RM}");
    EXPECT_EQ(h.state.key_text_depth, 0);

    // Each level types once before going deeper: bounded by the depth.
    h.clipboard.content = "a{|RCW}";
    run(h, "{|RCW}");
    EXPECT_GT(h.keys.runs.size(), 1);
    EXPECT_LE(h.keys.runs.size(), kMaxKeyTextDepth);

    // Doubling at every level is bounded by the command count.
    h.state.memory = "{|RM}{|RM}";
    run(h, "{|RM}");
    EXPECT_LE(h.state.commands_run, kMaxCommandsPerKeyText + 1);

    // A register that doubles each time it is added to stays bounded.
    h.state.memory = "ab";
    QString doubling;
    for (int i = 0; i < 40; ++i)
        doubling += "{|M+ {|RM}{|RM}}";
    run(h, doubling);
    EXPECT_LE(h.state.memory.size(), kMaxCommandText);
    EXPECT_GT(h.state.memory.size(), 1000);

    // A value that expands to itself.
    h.state.memory = "{|RM}";
    run(h, "{|SONA {|RM}}");
    EXPECT_EQ(h.outside.calls.size(), 1);

    // A conditional whose branches run the register that holds it.
    h.state.memory = "{|SIM x {{|RM}} {{|RM}}}";
    run(h, "{|RM}");
    EXPECT_EQ(h.state.key_text_depth, 0);

    // A TRIA item that chooses TRIA again.
    h.keys.runs.clear();
    h.state.memory = "t{|TRIA [{|RM}#{|RM}]}";
    run(h, "{|RM}");
    EXPECT_GT(h.keys.runs.size(), 1);
    EXPECT_LE(h.keys.runs.size(), kMaxKeyTextDepth);
}

TEST(Executor, AreaExecutionPlacesTheClipFileBeforeTheKeys)
{
    ExecHarness h;
    QTemporaryDir dir;
    QFile file(dir.filePath("nota.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Bon dia \xE0\xE7");  // Windows-1252: à ç
    file.close();

    h.target(0x41, "Editor");
    h.state.tmpl.directory = dir.path();
    Area group;
    group.is_group = -1;
    group.clip_file = "NOTA.TXT";
    group.keys = "^v";
    add_area(h.state.tmpl, Area());
    add_area(h.state.tmpl, group);
    Area picture;
    picture.clip_type = 1;
    picture.clip_file = "FOTO.BMP";
    add_area(h.state.tmpl, picture);

    execute_area(h.ctx, 2);
    EXPECT_EQ(h.state.scan_level, 2);
    EXPECT_EQ(h.events({"keeper", "clipboard", "keys"}),
              QStringList({"keeper-off", "clipboard-clear", QString::fromUtf8("clipboard-text:Bon dia àç"),
                           "keys:^v", "keeper-on"}));
    EXPECT_EQ(h.state.tmpl.area(2).keys, "^v");  // the area itself is not consumed

    execute_area(h.ctx, 3);
    EXPECT_EQ(h.outside.calls, QStringList({"ENGANXA:FOTO.BMP"}));

    // Areas that do not exist, and a clip file that cannot be read.
    h.log.entries.clear();
    execute_area(h.ctx, 0);
    execute_area(h.ctx, 4);
    EXPECT_TRUE(h.log.entries.isEmpty());
    h.state.tmpl.area(2).clip_file = "NOEXISTE.TXT";
    execute_area(h.ctx, 2);
    EXPECT_TRUE(h.clipboard.content.isEmpty());
    EXPECT_EQ(h.keys.runs.last(), "^v");
}

TEST(Executor, TheApplicationCheckComparesTheTargetsExecutable)
{
    ExecHarness h;
    h.windows.add(0x41, "Editor", QCoreApplication::applicationPid());
    push_target(h.state, 0x41);
    add_area(h.state.tmpl, Area());
    Area a;
    a.keys = "k";
    add_area(h.state.tmpl, a);

    for (const char* title : {"TEST_EXEC", "test_exec.exe", "exec"}) {
        h.state.tmpl.app_title = title;
        h.keys.runs.clear();
        execute_area(h.ctx, 2);
        EXPECT_EQ(h.keys.runs, QStringList({"k"})) << title;
    }
    h.state.tmpl.app_title = "NOTEPAD.EXE";
    h.keys.runs.clear();
    execute_area(h.ctx, 2);
    EXPECT_TRUE(h.keys.runs.isEmpty());
}

TEST(Executor, ProgramsAreFoundThroughTheCatalogue)
{
    const QString lookup = "|NOTEPAD.EXE|/usr/bin/mousepad|WRITE.EXE|/opt/write/bin/write|";
    EXPECT_EQ(resolve_program("NOTEPAD.EXE C:\\A.TXT", lookup), "/usr/bin/mousepad C:\\A.TXT");
    EXPECT_EQ(resolve_program("c:\\windows\\notepad.exe", lookup), "/usr/bin/mousepad");
    EXPECT_EQ(resolve_program("WRITE.EXE", lookup), "/opt/write/bin/write");
    EXPECT_EQ(resolve_program("PAINT.EXE x", lookup), "PAINT.EXE x");
    EXPECT_EQ(resolve_program("xterm -e top", lookup), "xterm -e top");
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

TEST(Executor, ASlowProgramStillBecomesTheTarget)
{
    ExecHarness h;
    h.windows.add(0x1, "Board");
    h.launcher.on_start = [&h](const QString&, int64_t pid) {
        h.windows.add(0x50, "Unrelated", 7).appears_after_listings = 1;
        h.windows.add(0x60, "Slow", pid).appears_after_listings = 5;
        h.windows.add(0x70, "", pid);
    };
    EXPECT_EQ(launch_program(h.ctx, "slow"), 0x60);
    EXPECT_LT(h.clock.now, 5000);

    // Only another process's window: taken once the grace time has passed.
    ExecHarness other;
    other.launcher.on_start = [&other](const QString&, int64_t) { other.windows.add(0x80, "Wrapper's", 1); };
    EXPECT_EQ(launch_program(other.ctx, "wrapper"), 0x80);

    // No window at all: -1 after a bounded search.
    ExecHarness none;
    EXPECT_EQ(launch_program(none.ctx, "daemon"), -1);
    EXPECT_LE(none.clock.now, 6000);
    EXPECT_GT(none.windows.listings, 2);

    // A hidden new window is not a target.
    ExecHarness hidden;
    hidden.launcher.on_start = [&hidden](const QString&, int64_t pid) {
        hidden.windows.add(0x90, "Hidden", pid).visible = false;
    };
    EXPECT_EQ(launch_program(hidden.ctx, "hidden"), -1);
}

TEST(Executor, StartupActionsRunInOrderAndSurviveAProgramThatFails)
{
    ExecHarness h;
    h.state.tmpl.program = "missing|editor --new||";
    h.state.tmpl.initial_keys = "hola~";
    h.launcher.failures.insert("missing", "No such file or directory");
    h.launcher.on_start = [&h](const QString&, int64_t pid) { h.windows.add(0x99, "Editor", pid); };

    run_startup_actions(h.ctx);
    EXPECT_EQ(h.messages.texts, QStringList({"No such file or directory missing"}));
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
    EXPECT_EQ(printable_text(""), "");
    EXPECT_EQ(printable_text("ab{ENTER}"), "ab");
    EXPECT_EQ(printable_text("+a+^bc"), "c");
    EXPECT_EQ(printable_text("{|SONA A.WAV}hola"), "hola");
    EXPECT_EQ(printable_text("xy{never closed"), "xy");
    EXPECT_EQ(printable_text("àç·{+}"), QString::fromUtf8("àç·"));
    EXPECT_EQ(printable_text("a+"), "a");
    EXPECT_EQ(printable_text("a%"), "a");
    EXPECT_EQ(printable_text("~x"), "~x");
}
