#include "model/board_check.h"

#include <QFileInfo>
#include <algorithm>

#include "model/command_words.h"
#include "model/file_names.h"

namespace orvel {

namespace {

QString one_line(const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

bool names_existing_file(const QString& stored, const QString& folder, QString* full)
{
    *full = resolve_stored_name(stored, folder);
    return existing_file(*full);
}

void check_file(QStringList& problems, const QString& where, const QString& stored, const QString& folder)
{
    if (stored.isEmpty())
        return;
    QString full;
    if (!names_existing_file(stored, folder, &full))
        problems << where + QStringLiteral(": file not found: ") + full;
}

// Index of the brace closing the group that opens at open (depth counted), or -1.
qsizetype closing_brace(const QString& text, qsizetype open)
{
    int depth = 1;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('{'))
            ++depth;
        else if (text[i] == QLatin1Char('}') && --depth == 0)
            return i;
    }
    return -1;
}

QString trim_right(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.left(end);
}

}  // namespace

QList<CutCommand> cut_commands(const QString& keys)
{
    QList<CutCommand> commands;
    qsizetype start = 0;
    const qsizetype last = keys.size() - 1;
    for (;;) {
        const qsizetype p = keys.indexOf(QLatin1String("{|"), start);
        if (p < 0)
            break;
        bool closed = true;
        qsizetype c = keys.indexOf(QLatin1Char('}'), p);
        if (c < 0) {
            c = last;
            closed = false;
        }
        qsizetype q = p;
        while (closed) {
            const qsizetype inner = keys.indexOf(QLatin1Char('{'), q + 1);
            if (inner < 0 || inner >= c)
                break;
            q = inner;
            const qsizetype next = keys.indexOf(QLatin1Char('}'), c + 1);
            if (next < 0) {
                c = last;
                closed = false;
                break;
            }
            c = next;
        }
        commands.append(CutCommand{keys.mid(p, c - p), closed});
        start = c + 1;
    }
    return commands;
}

QStringList conditional_branches(const QString& command)
{
    QStringList branches;
    constexpr qsizetype kValueStart = 6;  // the character after "{|SIM "
    if (command.size() <= kValueStart)
        return branches;
    if (command.indexOf(QLatin1Char(' '), kValueStart) < 0)
        return branches;
    const qsizetype open_true = command.indexOf(QLatin1Char('{'), kValueStart);
    if (open_true < 0)
        return branches;
    qsizetype close_true = closing_brace(command, open_true);
    if (close_true < 0)
        close_true = command.size();
    branches << command.mid(open_true + 1, close_true - open_true - 1);
    if (close_true >= command.size())
        return branches;
    const qsizetype open_false = command.indexOf(QLatin1Char('{'), close_true + 1);
    if (open_false < 0)
        return branches;
    qsizetype close_false = closing_brace(command, open_false);
    if (close_false < 0)
        close_false = command.size();
    branches << command.mid(open_false + 1, close_false - open_false - 1);
    return branches;
}

QStringList key_text_problems(const QString& keys, const QString& folder)
{
    QStringList problems;
    QStringList pending{keys};
    while (!pending.isEmpty()) {
        const QString text = pending.takeLast();
        for (const CutCommand& command : cut_commands(text)) {
            const QString shown = one_line(command.text) + (command.closed ? QStringLiteral("}") : QString());
            if (!command.closed)
                problems << QStringLiteral("command never closed: ") + shown;
            if (command.text.startsWith(QLatin1String("{|SIM"))) {
                for (const QString& branch : conditional_branches(command.text))
                    pending << branch;
                continue;
            }
            const QString body = trim_right(command.text.mid(2));
            const qsizetype blank = body.indexOf(QLatin1Char(' '));
            const QString keyword = blank < 0 ? body : body.left(blank);
            const QString argument = blank < 0 ? QString() : body.mid(blank).trimmed();
            const CommandWord word = command_word(keyword);
            if (word == CommandWord::Unknown || word == CommandWord::SIM) {
                problems << QStringLiteral("unknown command: ") + shown;
                continue;
            }
            QString file;
            switch (word) {
            case CommandWord::CARREGA:
            case CommandWord::SONA:
            case CommandWord::ENGANXA:
                file = argument;
                break;
            case CommandWord::LLEGEIX: {
                const qsizetype f = argument.indexOf(QLatin1String("/F:"), 0, Qt::CaseInsensitive);
                file = f < 0 ? argument : argument.mid(f + 3).trimmed();
                break;
            }
            default:
                continue;
            }
            if (file.contains(QLatin1String("{|")))
                continue;  // the name is computed when the command runs
            QString full;
            if (file.isEmpty())
                problems << shown + QStringLiteral(": no file named");
            else if (!names_existing_file(file, folder, &full))
                problems << shown + QStringLiteral(": file not found: ") + full;
        }
    }
    return problems;
}

QStringList check_board(const Template& t)
{
    QStringList problems;
    const QString& folder = t.directory;
    check_file(problems, QStringLiteral("cover_file"), t.cover_file, folder);
    check_file(problems, QStringLiteral("doc_file"), t.doc_file, folder);
    check_file(problems, QStringLiteral("clip_file"), t.clip_file, folder);
    for (const QString& p : key_text_problems(t.initial_keys, folder))
        problems << QStringLiteral("initial_keys: ") + p;

    const int count = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const Area& a = t.area(i);
        const QString where = QStringLiteral("area ") + QString::number(i);
        check_file(problems, where + QStringLiteral(" clip_file"), a.clip_file, folder);
        if (a.sound_file.contains(QLatin1String(".WAV"), Qt::CaseInsensitive) ||
            a.sound_file.contains(QLatin1String(".MID"), Qt::CaseInsensitive))
            check_file(problems, where + QStringLiteral(" sound_file"), a.sound_file, folder);
        check_file(problems, where + QStringLiteral(" icon_file"), a.icon_file, folder);
        for (const QString& p : key_text_problems(a.keys, folder))
            problems << where + QStringLiteral(" keys: ") + p;

        if (i >= 2) {
            const Area& root = t.area(1);
            const int left = std::min(root.Xi, root.Xf), right = std::max(root.Xi, root.Xf);
            const int top = std::min(root.Yi, root.Yf), bottom = std::max(root.Yi, root.Yf);
            if (std::min(a.Xi, a.Xf) < left || std::max(a.Xi, a.Xf) > right ||
                std::min(a.Yi, a.Yf) < top || std::max(a.Yi, a.Yf) > bottom)
                problems << where + QStringLiteral(": outside the root area (area 1)");
        }
        if (a.parent != 0) {
            if (a.parent < 1 || a.parent > count)
                problems << where + QStringLiteral(": parent ") + QString::number(a.parent) +
                                QStringLiteral(" names no area");
            else if (a.parent == i)
                problems << where + QStringLiteral(": is its own parent");
            else if (a.parent != 1 && t.area(a.parent).is_group == 0)
                problems << where + QStringLiteral(": parent ") + QString::number(a.parent) +
                                QStringLiteral(" is not a group, so scanning never reaches this area");
        }
    }
    return problems;
}

}  // namespace orvel
