#include "exec/executor.h"

#include <QCoreApplication>
#include <QStringList>
#include <vector>

#include "exec/application_check.h"
#include "exec/interpreter.h"
#include "exec/send_failure_message.h"
#include "model/board_files.h"
#include "model/file_names.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/key_sender.h"
#include "platform/message_boxes.h"
#include "platform/process_launcher.h"

namespace orvel {

namespace {

constexpr int kLaunchSettleMs = 500;     // the half second after starting a program
constexpr int kLaunchDeadlineMs = 5000;  // how long a slow program may take to show a window
constexpr int kLaunchPollMs = 100;
// A new window of another process is taken only if none of the started
// process's own appears within this time (a launcher script may fork).
constexpr int kForeignWindowGraceMs = 1000;
constexpr int kMaxTitleLength = 99;

// Counts one level of key text inside another for as long as it lives.
class DepthGuard {
public:
    explicit DepthGuard(OrvelState& state) : state_(state) { ++state_.key_text_depth; }
    ~DepthGuard() { --state_.key_text_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    OrvelState& state_;
};

// The position of the brace that closes the command starting at p: a command
// may hold brace groups of its own ({|SIM x {a} {b}}).
qsizetype closing_brace(const QString& text, qsizetype p)
{
    const qsizetype last = text.size() - 1;
    qsizetype c = text.indexOf(QLatin1Char('}'), p);
    if (c < 0)
        return last;
    qsizetype q = p;
    for (;;) {
        const qsizetype inner = text.indexOf(QLatin1Char('{'), q + 1);
        if (inner < 0 || inner >= c)
            return c;
        q = inner;
        const qsizetype next = text.indexOf(QLatin1Char('}'), c + 1);
        if (next < 0)
            return last;
        c = next;
    }
}

void show_failure(ExecContext& ctx, int code, const QString& run)
{
    if (ctx.services.messages)
        ctx.services.messages->show(send_failure_message(code, run, ctx.state.executing_area),
                                    QStringLiteral("Orvel"), MessageIcon::Exclamation);
}

// Types one run of keys into the target. False when no target is left, which
// ends the whole key text.
// With `last_of_text`, the run ends the outermost key text: the board takes the
// focus back as soon as the keys are with the target, before waiting for it to
// read them (what is in its queue stays its own), so a switch pressed meanwhile
// reaches the board and not the person's document.
bool send_run(ExecContext& ctx, const QString& run, bool last_of_text = false)
{
    if (win_actiu_titol(ctx) == QLatin1String("|"))
        return false;
    ctx.hooks.set_busy_pointer(true);
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (ctx.services.windows && !ctx.services.windows->activate(ctx.state.target_window)) {
        show_failure(ctx, kActivationFailedCode, run);
        ++ctx.state.key_runs_failed;
        return true;
    }
    if (!ctx.services.keys)
        return true;
    const int code = ctx.services.keys->send_keys(run);
    if (last_of_text && ctx.state.key_text_depth == 1 && ctx.state.profile.modus != 0)
        ctx.hooks.give_focus_to_board();
    if (code != 0)
        show_failure(ctx, code, run);
    // Waited for even after a failure: part of the run may have been typed.
    const bool read = ctx.services.keys->wait_until_processed();
    if (code != 0 || !read)
        ++ctx.state.key_runs_failed;
    return true;
}

// Puts a board's clipboard file on the clipboard: a picture through ENGANXA, a
// text file read whole. A file that cannot be read leaves the clipboard empty.
void place_clip_file(ExecContext& ctx, const QString& clip_file, int clip_type)
{
    if (ctx.services.clipboard)
        ctx.services.clipboard->clear();
    if (clip_type == 1) {
        interpret_command(ctx, QStringLiteral("{|ENGANXA ") + clip_file);
        return;
    }
    if (clip_type != 0)
        return;
    const std::optional<QByteArray> bytes = read_board_file(resolve_stored_name(clip_file, ctx.state.tmpl.directory));
    if (bytes && ctx.services.clipboard)
        ctx.services.clipboard->set_text(decode_board_text(*bytes));
}

std::vector<WindowId> titled_windows(WindowSystem& windows)
{
    std::vector<WindowId> result;
    for (WindowId w : windows.top_level_windows())
        if (!windows.title(w).isEmpty())
            result.push_back(w);
    return result;
}

bool contains(const std::vector<WindowId>& list, WindowId w)
{
    for (WindowId x : list)
        if (x == w)
            return true;
    return false;
}

}  // namespace

void push_target(OrvelState& state, WindowId window)
{
    state.target_window = window;
    state.target_stack.prepend(QString::number(window, 16).toUpper() + QLatin1Char(' '));
}

QString win_actiu_titol(ExecContext& ctx)
{
    OrvelState& s = ctx.state;
    for (;;) {
        if (ctx.services.windows && s.target_window != 0) {
            const QString title = ctx.services.windows->title(s.target_window);
            if (!title.isEmpty())
                return title.left(kMaxTitleLength);
        }
        if (s.target_stack.isEmpty())
            return QStringLiteral("|");
        qsizetype blank = s.target_stack.indexOf(QLatin1Char(' '));
        if (blank < 0)
            blank = s.target_stack.size() - 1;
        bool ok = false;
        const WindowId next = s.target_stack.left(blank + 1).trimmed().toLongLong(&ok, 16);
        s.target_stack.remove(0, blank + 1);
        s.target_window = ok ? next : 0;
    }
}

void execute_key_text(ExecContext& ctx, QString& text)
{
    OrvelState& s = ctx.state;
    if (text.isEmpty())
        return;
    if (s.key_text_depth == 0) {
        s.commands_run = 0;
        s.execution_stopped = false;
    }
    if (s.key_text_depth >= kMaxKeyTextDepth || s.execution_stopped)
        return;
    DepthGuard depth(s);

    const QString command_start = QStringLiteral("{|");
    bool target_lost = false;
    for (qsizetype p = text.indexOf(command_start); p >= 0; p = text.indexOf(command_start)) {
        const qsizetype c = closing_brace(text, p);
        if (p > 0 && !send_run(ctx, text.left(p))) {
            target_lost = true;
            break;
        }
        if (c - p != 0) {
            if (++s.commands_run > kMaxCommandsPerKeyText)
                return;
            const QString command = text.mid(p, c - p);
            if (command.startsWith(QLatin1String("{|SIM")))
                evaluate_conditional(ctx, command);
            else
                interpret_command(ctx, command);
        }
        // A command may have changed the text itself (RM on the register).
        text.remove(0, c + 1);
        if (s.execution_stopped)
            return;
    }
    // The keys after the last command stay in the text once typed: plain text in
    // the register is typed and the register keeps it.
    if (!target_lost && !text.isEmpty())
        send_run(ctx, text, true);

    ctx.hooks.set_busy_pointer(false);
    if (s.profile.modus != 0)
        ctx.hooks.give_focus_to_board();
}

void execute_area(ExecContext& ctx, int area)
{
    OrvelState& s = ctx.state;
    if (area < 1 || area > s.tmpl.area_count || area >= static_cast<int>(s.tmpl.areas.size()))
        return;
    ctx.hooks.pause_focus_keeper(true);
    Area copy = s.tmpl.area(area);
    s.tmpl.current_area = static_cast<int16_t>(area);
    if (copy.is_group)
        s.scan_level = static_cast<int16_t>(area);
    if (application_matches(ctx, s.tmpl.app_title)) {
        s.executing_area = static_cast<int16_t>(area);
        if (!copy.clip_file.isEmpty())
            place_clip_file(ctx, copy.clip_file, copy.clip_type);
        if (!copy.keys.isEmpty())
            execute_key_text(ctx, copy.keys);
        s.executing_area = 0;
    }
    ctx.hooks.pause_focus_keeper(false);
}

WindowId launch_program(ExecContext& ctx, const QString& program_text, QString* error)
{
    WindowSystem* windows = ctx.services.windows;
    Clock* clock = ctx.services.clock;
    ProcessLauncher* launcher = ctx.services.processes;
    if (!launcher) {
        if (error)
            *error = QStringLiteral("no program launcher");
        return -1;
    }
    const std::vector<WindowId> before = windows ? titled_windows(*windows) : std::vector<WindowId>();

    const QString folder = ctx.state.tmpl.directory;
    // A Windows name that is not catalogued ("CALC.EXE") is the launcher's to find.
    const QString command_line = resolve_program(program_text, ctx.state.catalogue.program_lookup);
    QString failure;
    const int64_t pid = launcher->start(command_line, folder, &failure);
    if (pid == 0) {
        if (error)
            *error = failure;
        return -1;
    }
    if (!windows || !clock)
        return -1;

    // A program may be slow to show its window: keep looking for a few seconds,
    // preferring a window of the started process.
    const int64_t started = clock->now_ms();
    clock->sleep_ms(kLaunchSettleMs);
    WindowId foreign = 0;
    int64_t foreign_seen = 0;
    for (;;) {
        for (WindowId w : windows->top_level_windows()) {
            if (contains(before, w) || windows->title(w).isEmpty() || !windows->is_visible(w))
                continue;
            const int64_t owner = windows->process_id(w);
            if (owner == pid)
                return w;
            if (foreign == 0) {
                foreign = w;
                foreign_seen = clock->now_ms();
            }
        }
        const int64_t now = clock->now_ms();
        if (foreign != 0 && now - foreign_seen >= kForeignWindowGraceMs)
            return foreign;
        if (now - started >= kLaunchDeadlineMs)
            return foreign != 0 ? foreign : -1;
        clock->sleep_ms(kLaunchPollMs);
    }
}

QString resolve_program(const QString& program_text, const QString& program_lookup)
{
    const QString upper = program_text.toUpper();
    const qsizetype exe = upper.indexOf(QLatin1String(".EXE"));
    if (exe < 0)
        return program_text;
    const QString program = program_text.left(exe + 4);
    const QString rest = program_text.mid(exe + 4);
    const QString name = QLatin1Char('|') + file_name_part(program).toUpper() + QLatin1Char('|');
    const qsizetype found = program_lookup.indexOf(name, 0, Qt::CaseInsensitive);
    if (found < 0)
        return program_text;
    const qsizetype path_start = found + name.size();
    qsizetype path_end = program_lookup.indexOf(QLatin1Char('|'), path_start);
    if (path_end < 0)
        path_end = program_lookup.size();
    return program_lookup.mid(path_start, path_end - path_start) + rest;
}

QString printable_text(const QString& key_text)
{
    QString result;
    result.reserve(key_text.size());
    const auto is_modifier = [](QChar ch) {
        return ch == QLatin1Char('+') || ch == QLatin1Char('^') || ch == QLatin1Char('%');
    };
    qsizetype i = 0;
    const qsizetype n = key_text.size();
    while (i < n) {
        const QChar ch = key_text.at(i);
        if (ch == QLatin1Char('{')) {
            const qsizetype close = key_text.indexOf(QLatin1Char('}'), i + 1);
            i = close < 0 ? n : close + 1;
        } else if (is_modifier(ch)) {
            i += (i + 1 >= n || is_modifier(key_text.at(i + 1))) ? 3 : 2;
        } else {
            result += ch;
            ++i;
        }
    }
    return result;
}

void run_startup_actions(ExecContext& ctx)
{
    OrvelState& s = ctx.state;
    if (!s.tmpl.clip_file.isEmpty())
        place_clip_file(ctx, s.tmpl.clip_file, s.tmpl.clip_type);

    // A program that cannot be started is reported once; the others still start.
    for (const QString& name : s.tmpl.program.split(QLatin1Char('|'))) {
        if (name.trimmed().isEmpty())
            continue;
        QString error;
        const WindowId window = launch_program(ctx, name, &error);
        if (window == -1 && !error.isEmpty()) {
            // The launcher's text usually names the program already: name it once.
            QString text = QCoreApplication::translate("Orvel", "En engegar els programes del plafó: ") + error;
            if (!error.contains(name.trimmed(), Qt::CaseInsensitive))
                text += QStringLiteral(" (%1)").arg(name.trimmed());
            if (ctx.services.messages)
                ctx.services.messages->show(text, QStringLiteral("Orvel"), MessageIcon::Critical);
            continue;
        }
        push_target(s, window);
    }
    ctx.hooks.place_target_window(s.target_window);
    if (ctx.services.clock)
        ctx.services.clock->sleep_ms(kLaunchSettleMs);
    if (!s.tmpl.initial_keys.isEmpty()) {
        QString keys = s.tmpl.initial_keys;
        execute_key_text(ctx, keys);
    }
}

void run_command(ExecContext& ctx, const QString& argument)
{
    const WindowId window = launch_program(ctx, argument.trimmed());
    ctx.state.target_window = window;
    ctx.hooks.place_target_window(window);
    push_target(ctx.state, window);
}

}  // namespace orvel
