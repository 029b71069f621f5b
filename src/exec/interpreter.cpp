#include "exec/interpreter.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "exec/executor.h"
#include "exec/mouse_command.h"
#include "model/command_words.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/key_sender.h"

namespace orvel {

namespace {

QString trim_trailing_blanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

double random_fraction(ExecContext& ctx)
{
    if (ctx.random)
        return ctx.random->next();
    ClockSeededRandom once(ctx.services.clock ? static_cast<uint64_t>(ctx.services.clock->now_ms()) : 0);
    return once.next();
}

// The text as a key text of its own, run to its end (TRIA, RCW).
void execute_copy(ExecContext& ctx, QString text)
{
    execute_key_text(ctx, text);
}

void add_to_memory(QString& memory, const QString& argument)
{
    if (is_number(memory))
        memory = number_text(numeric_value(memory) + numeric_value(argument));
    else if (memory.size() + argument.size() <= kMaxCommandText)
        memory += argument;
}

void subtract_from_memory(QString& memory, const QString& argument)
{
    if (is_number(memory))
        memory = number_text(numeric_value(memory) - numeric_value(argument));
}

void wait_for_keys(ExecContext& ctx, const QString& argument)
{
    if (!ctx.services.keys)
        return;
    double count = numeric_value(argument);
    if (count > kMaxWaitCount)
        count = kMaxWaitCount;
    do {
        ctx.services.keys->wait_until_processed();
        count -= 1;
    } while (count >= 1);
}

// NIVELL 0 scans the whole board again; any other value one level up. The root
// has no level above it: scanning stays there.
void change_scan_level(ExecContext& ctx, const QString& argument)
{
    OrvelState& s = ctx.state;
    if (numeric_value(argument) == 0) {
        s.scan_level = 1;
        return;
    }
    const int level = s.scan_level;
    if (level < 1 || level > s.tmpl.area_count || level >= static_cast<int>(s.tmpl.areas.size())) {
        s.scan_level = 1;
        return;
    }
    const int16_t parent = s.tmpl.area(level).parent;
    s.scan_level = parent >= 1 ? parent : 1;
}

}  // namespace

double numeric_value(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    QString number;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        number += text.at(i++);
    bool point = false;
    bool digits = false;
    for (; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) {
            number += ch;
            digits = true;
        } else if (ch == QLatin1Char('.') && !point) {
            number += ch;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    return number.toDouble();
}

bool is_number(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    qsizetype i = 0;
    if (t.at(0) == QLatin1Char('+') || t.at(0) == QLatin1Char('-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar ch = t.at(i);
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
            digits = true;
        else if (ch == QLatin1Char('.') && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

QString number_text(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Fifteen significant digits, as the register's arithmetic is decimal to the user:
    // 0.1 + 0.2 is "0.3".
    const double rounded = QString::number(value, 'g', 15).toDouble();
    if (rounded == 0)
        return QStringLiteral("0");
    return QString::number(rounded, 'f', QLocale::FloatingPointShortest);
}

QString choose_random(ExecContext& ctx, const QString& list)
{
    const QString items_text = list.mid(1);
    if (!items_text.contains(QLatin1Char('#')))
        return QString();
    QStringList items = items_text.split(QLatin1Char('#'));
    items.last().chop(1);
    const QString first = items.first().trimmed();
    const auto pick = [&ctx, &items]() {
        const double r = random_fraction(ctx);
        qsizetype index = static_cast<qsizetype>(std::floor(r * static_cast<double>(items.size())));
        if (index >= items.size())
            index = items.size() - 1;
        return items.at(index < 0 ? 0 : index);
    };
    if (!is_number(first))
        return pick();
    if (items.size() >= 3)
        return number_text(std::floor(numeric_value(pick())));
    const double low = numeric_value(items.at(0));
    const double high = numeric_value(items.at(1));
    return number_text(std::floor((high - low) * random_fraction(ctx)) + low);
}

QString valor_f(ExecContext& ctx, const QString& s)
{
    const qsizetype start = s.lastIndexOf(QLatin1String("{|"));
    if (start < 0)
        return s;
    qsizetype close = s.indexOf(QLatin1Char('}'), start);
    if (close < 0)
        close = s.size();
    const QString inner = s.mid(start + 2, close - start - 2);
    QString keyword = inner;
    QString argument;
    const qsizetype blank = inner.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        keyword = inner.left(blank).toUpper();
        argument = inner.mid(blank).trimmed();
    }
    QString value;
    if (keyword == QLatin1String("RCW"))
        value = ctx.services.clipboard ? ctx.services.clipboard->text() : QString();
    else if (keyword == QLatin1String("RM"))
        value = ctx.state.memory;
    else if (keyword == QLatin1String("TRIA"))
        value = choose_random(ctx, argument);
    else
        value = keyword;
    return s.left(start) + value + s.mid(close + 1);
}

void interpret_command(ExecContext& ctx, const QString& command)
{
    const QString body = trim_trailing_blanks(command.mid(2));
    QString keyword = body;
    QString arguments;
    const qsizetype blank = body.indexOf(QLatin1Char(' '));
    if (blank >= 0) {
        keyword = body.left(blank);
        arguments = body.mid(blank).trimmed();
    }
    // A register holding {|RM} would expand for ever: what is left after the
    // bounds stays as it is.
    OrvelState& s = ctx.state;
    if (s.key_text_depth == 0)
        s.commands_run = 0;  // a command run on its own, outside any key text
    for (int expansions = 0; expansions < kMaxValueExpansions && arguments.size() <= kMaxCommandText
                             && s.commands_run < kMaxCommandsPerKeyText && arguments.contains(QLatin1String("{|"));
         ++expansions, ++s.commands_run)
        arguments = valor_f(ctx, arguments);
    if (arguments.size() > kMaxCommandText)
        arguments.truncate(kMaxCommandText);

    OutsideCommands* outside = ctx.outside;
    switch (command_word(keyword)) {
    case CommandWord::CM:
        s.memory.clear();
        break;
    case CommandWord::MPlus:
        add_to_memory(s.memory, arguments);
        break;
    case CommandWord::MMinus:
        subtract_from_memory(s.memory, arguments);
        break;
    case CommandWord::RM:
        execute_key_text(ctx, s.memory);
        break;
    case CommandWord::RCW:
        if (ctx.services.clipboard)
            execute_copy(ctx, ctx.services.clipboard->text());
        break;
    case CommandWord::TRIA:
        execute_copy(ctx, choose_random(ctx, arguments));
        break;
    case CommandWord::ESPERA:
        wait_for_keys(ctx, arguments);
        break;
    case CommandWord::NIVELL:
        change_scan_level(ctx, arguments);
        break;
    case CommandWord::TANCAR:
        s.execution_stopped = true;
        ctx.hooks.leave_run_mode_and_quit();
        break;
    case CommandWord::MOUSE:
        mouse_command(ctx, arguments);
        break;
    case CommandWord::EXECUTA:
        run_command(ctx, arguments);
        break;
    case CommandWord::LLEGIR:
        if (outside)
            outside->read_text(arguments);
        break;
    case CommandWord::LLEGEIX:
        if (outside)
            outside->read_file(arguments);
        break;
    case CommandWord::CARREGA:
        if (outside)
            outside->load_command(arguments);
        break;
    case CommandWord::SONA:
        if (outside)
            outside->sound_command(arguments);
        break;
    case CommandWord::ENGANXA:
        if (outside)
            outside->paste_command(arguments);
        break;
    case CommandWord::REG:
        if (outside)
            outside->registry_command(arguments);
        break;
    case CommandWord::SIM:  // a conditional only as the executor sees it, "{|SIM"
    case CommandWord::Unknown:
        break;
    }
}

namespace {

// The end of the brace group that opens at `open`: the position of its closing
// brace, or -1 when it is never closed.
qsizetype group_end(const QString& text, qsizetype open)
{
    int depth = 1;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('{'))
            ++depth;
        else if (text.at(i) == QLatin1Char('}') && --depth == 0)
            return i;
    }
    return -1;
}

}  // namespace

void evaluate_conditional(ExecContext& ctx, const QString& command)
{
    constexpr qsizetype kValueStart = 6;  // after "{|SIM "
    const qsizetype blank = command.indexOf(QLatin1Char(' '), kValueStart);
    if (command.size() <= kValueStart || blank < 0)
        return;
    const QString value = command.mid(kValueStart, blank - kValueStart);

    QString true_branch;
    QString false_branch;
    bool has_true = false;
    bool has_false = false;
    const qsizetype true_open = command.indexOf(QLatin1Char('{'), kValueStart);
    if (true_open >= 0) {
        const qsizetype true_close = group_end(command, true_open);
        has_true = true;
        if (true_close < 0) {
            true_branch = command.mid(true_open + 1);
        } else {
            true_branch = command.mid(true_open + 1, true_close - true_open - 1);
            const qsizetype false_open = command.indexOf(QLatin1Char('{'), true_close + 1);
            if (false_open >= 0) {
                has_false = true;
                const qsizetype false_close = group_end(command, false_open);
                false_branch = false_close < 0 ? command.mid(false_open + 1)
                                               : command.mid(false_open + 1, false_close - false_open - 1);
            }
        }
    }
    if (value == ctx.state.memory) {
        if (has_true)
            execute_key_text(ctx, true_branch);
    } else if (has_false) {
        execute_key_text(ctx, false_branch);
    }
}

}  // namespace orvel
