// orvel --execute BOARD.ORV [N ...]: runs a board's start-up actions and then
// the given areas against the real desktop, as run mode would, and exits.
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "cli.h"
#include "exec/board_commands.h"
#include "exec/exec_context.h"
#include "exec/executor.h"
#include "exec/random_source.h"
#include "exec/registry.h"
#include "exec/run_mode_hooks.h"
#include "exec/speech.h"
#include "model/catalogue.h"
#include "model/orvel_state.h"
#include "model/template_file.h"
#include "platform/key_sender.h"
#include "platform/message_boxes.h"
#include "real_services.h"
#include "termination_signals.h"
#include "runtime/started_programs.h"

namespace orvel::cli {

namespace {

void print_error(const QString& text)
{
    std::fprintf(stderr, "orvel: %s\n", text.toLocal8Bit().constData());
}

// Run mode without a board window: nothing to place or give the focus to. The
// close command ends execution after closing the programs the board started.
class HeadlessHooks : public RunModeHooks {
public:
    void leave_run_mode_and_quit() override { quit_requested = true; }
    bool quit_requested = false;
};

// A target pastes what ENGANXA put on the clipboard by asking its owner, Orvel,
// which answers only from its event loop. Keys were typed while that loop was not
// running, so serve the pastes they asked for before the clipboard leaves with us.
void serve_pending_pastes()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !clipboard->ownsClipboard())
        return;
    constexpr int kGraceMs = 500;
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < kGraceMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool parse_areas(const QStringList& texts, QList<int>& areas)
{
    for (const QString& text : texts) {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok || n < 1) {
            print_error(QStringLiteral("\"%1\" is not an area number").arg(text));
            return false;
        }
        areas << n;
    }
    return true;
}

}  // namespace

int execute(const QStringList& args)
{
    if (args.isEmpty()) {
        std::fputs("Usage: orvel --execute BOARD.ORV [N ...]\n", stderr);
        return kUsage;
    }
    QList<int> areas;
    if (!parse_areas(args.mid(1), areas))
        return kUsage;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        print_error(QStringLiteral("--execute types into other programs and needs an X display; DISPLAY is not set"));
        return kRefused;
    }
    // The clipboard must be the desktop's, whatever platform the environment asks for.
    TerminationSignals signals;
    const auto app = gui_application("xcb");

    StderrMessageBoxes messages;
    RealServices real(messages);
    if (!real.has_display()) {
        print_error(QStringLiteral("--execute needs an X display: %1").arg(real.error()));
        return kRefused;
    }
    if (!real.error().isEmpty())
        print_error(real.error());

    OrvelState state;
    state.folders = Folders::from_environment();
    {
        // Speech starts as at program start-up, before the board brings its settings.
        RunModeHooks no_window;
        ExecContext start_up{state, real.services(), no_window};
        tts_init(start_up);
    }
    // The catalogue's programs, which boards name as Windows ".EXE" files.
    RegistryStore* registry = real.services().registry;
    load_program_catalogue(state.catalogue, state.folders, QDir::currentPath(),
                           [registry](const QString& id) { return progid_exe(registry, id); });
    const QString board = QFileInfo(args.first()).absoluteFilePath();
    if (!board_was_read(load_template(state.tmpl, board, messages))) {
        print_error(QStringLiteral("cannot read the board %1").arg(args.first()));
        return kRefused;
    }
    for (int n : areas)
        if (n > state.tmpl.area_count) {
            print_error(QStringLiteral("the board has no area %1 (it has %2)").arg(n).arg(state.tmpl.area_count));
            return kUsage;
        }

    HeadlessHooks hooks;
    Services& services = real.services();
    ClockSeededRandom random(static_cast<uint64_t>(services.clock->now_ms()));
    ExecContext ctx{state, services, hooks, nullptr, &random};
    BoardCommands outside(ctx);
    ctx.outside = &outside;

    state.memory.clear();  // as the board window's first activation does
    apply_template_speech(ctx);  // as entering run mode does
    run_startup_actions(ctx);
    for (int n : areas) {
        if (hooks.quit_requested || TerminationSignals::requested())
            break;
        execute_area(ctx, n);
    }
    if (hooks.quit_requested)
        close_started_programs(ctx);
    // The target reads every key before the keycodes lent for them are given back.
    if (services.keys && !services.keys->finish())
        ++state.key_runs_failed;
    // Speech and sounds are heard to their end; music stops.
    real.finish_sounds();
    serve_pending_pastes();
    // Started programs are left running (detached), unless the board closed them.
    if (state.key_runs_failed > 0) {
        print_error(QStringLiteral("%1 run(s) of keys were not typed as written").arg(state.key_runs_failed));
        return kNotTyped;
    }
    return kOk;
}

}  // namespace orvel::cli
