#include "model/board_check.h"

#include <QStringView>
#include <QStringDecoder>
#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <vector>

#include "model/command_words.h"
#include "model/cp1252.h"
#include "model/file_names.h"

namespace orvel {

namespace {

// The editor's canvas, which run mode stretches over the whole screen.
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 445;
// Commands and key runs are quoted in problems up to this many characters.
constexpr qsizetype kShownLength = 80;

QString shown(QStringView text)
{
    QString line = text.left(kShownLength).toString();
    if (text.size() > kShownLength)
        line += QStringLiteral("...");
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

QString key_error_meaning(int code)
{
    switch (code) {
    case 1: return QStringLiteral("unknown key name");
    case 2: return QStringLiteral("\"{\" never closed, or a stray \"}\"");
    case 3: return QStringLiteral("unbalanced parenthesis, or groups nested too deep");
    case 4: return QStringLiteral("bad repeat count");
    case 5: return QStringLiteral("a modifier with nothing after it");
    case 6: return QStringLiteral("too many keys in one run");
    default: return QStringLiteral("cannot be typed");
    }
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

// True when the text, written back as Windows-1252, is valid UTF-8 with characters beyond
// ASCII: a file saved as UTF-8 and read as Windows-1252 ("CafÃ©" for "Café").
bool looks_like_utf8_read_as_cp1252(const QString& text)
{
    const QByteArray bytes = cp1252::encode(text);
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError() && decoded.size() < text.size();
}

void check_encoding(QStringList& problems, const QString& where, const QString& text)
{
    if (looks_like_utf8_read_as_cp1252(text))
        problems << where + QStringLiteral(": looks like UTF-8 text read as Windows-1252: ") + shown(text);
}

// Walks a key text once. Where the executor cuts a command at "the brace that closes it"
// it counts braces, so every brace's partner is found beforehand in one pass; the
// branches of a conditional are parts of the same text, walked as key texts of their own
// without being copied or scanned again.
class KeyTextWalker {
public:
    KeyTextWalker(const QString& text, const QString& folder, const BoardCheckTools& tools)
        : text_(text), folder_(folder), tools_(tools), partner_(static_cast<size_t>(text.size()), -1),
          blanks_before_(static_cast<size_t>(text.size()) + 1, 0)
    {
        std::vector<int32_t> open;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            blanks_before_[static_cast<size_t>(i) + 1] = blanks_before_[static_cast<size_t>(i)] + (c == u' ');
            if (c == u'{') {
                open.push_back(static_cast<int32_t>(i));
            } else if (c == u'}' && !open.empty()) {
                partner_[static_cast<size_t>(open.back())] = static_cast<int32_t>(i);
                open.pop_back();
            }
        }
    }

    QStringList problems()
    {
        QStringList found;
        // Ranges still to walk; a stack, so that deep nesting needs no deep recursion.
        std::vector<std::pair<qsizetype, qsizetype>> pending{{0, text_.size()}};
        while (!pending.empty()) {
            const auto [begin, end] = pending.back();
            pending.pop_back();
            walk(begin, end, found, pending);
        }
        return found;
    }

private:
    QStringView span(qsizetype from, qsizetype to) const { return QStringView(text_).mid(from, to - from); }

    // The closing partner of the brace at open when it lies before end, else -1.
    qsizetype partner_before(qsizetype open, qsizetype end) const
    {
        const qsizetype p = partner_[static_cast<size_t>(open)];
        return p >= 0 && p < end ? p : -1;
    }

    qsizetype find(QChar c, qsizetype from, qsizetype end) const
    {
        if (from >= end)
            return -1;
        const qsizetype at = span(from, end).indexOf(c);
        return at < 0 ? -1 : from + at;
    }

    // The key text text_[begin, end), cut as execute_key_text cuts it.
    void walk(qsizetype begin, qsizetype end, QStringList& found,
              std::vector<std::pair<qsizetype, qsizetype>>& pending)
    {
        const qsizetype last = end - 1;
        qsizetype start = begin;
        while (start < end) {
            const qsizetype at = span(start, end).indexOf(QLatin1String("{|"));
            if (at < 0)
                break;
            const qsizetype p = start + at;
            check_run(start, p, found);
            qsizetype c = partner_before(p, end);
            const bool closed = c >= 0;
            if (!closed)
                c = last;
            command(p, c, closed, found, pending);
            start = c + 1;
        }
        check_run(start, end, found);
    }

    void check_run(qsizetype from, qsizetype to, QStringList& found) const
    {
        if (from >= to || !tools_.key_run_error)
            return;
        const QStringView run = span(from, to);
        if (const int code = tools_.key_run_error(run.toString()); code != 0)
            found << shown(run) + QStringLiteral(": ") + key_error_meaning(code);
    }

    // The command text_[p, c) (its closing brace at c when closed).
    void command(qsizetype p, qsizetype c, bool closed, QStringList& found,
                 std::vector<std::pair<qsizetype, qsizetype>>& pending)
    {
        const QStringView text = span(p, c);
        const QString quoted = shown(text) + (closed ? QStringLiteral("}") : QString());
        if (!closed)
            found << QStringLiteral("command never closed: ") + quoted;
        if (text.startsWith(QLatin1String("{|SIM"))) {
            branches(p, c, pending);
            return;
        }
        QStringView body = text.mid(2);
        while (body.endsWith(u' '))
            body.chop(1);
        const qsizetype blank = body.indexOf(u' ');
        const QString keyword = (blank < 0 ? body : body.left(blank)).toString();
        const QString argument = blank < 0 ? QString() : body.mid(blank).trimmed().toString();
        const CommandWord word = command_word(keyword);
        if (word == CommandWord::Unknown || word == CommandWord::SIM) {
            found << QStringLiteral("unknown command: ") + quoted;
            return;
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
        case CommandWord::EXECUTA:
            if (tools_.program_found && !argument.contains(QLatin1String("{|")) &&
                (argument.isEmpty() || !tools_.program_found(argument)))
                found << quoted + QStringLiteral(": program not found: ") + argument;
            return;
        default:
            return;
        }
        if (file.contains(QLatin1String("{|")))
            return;  // the name is computed when the command runs
        QString full;
        if (file.isEmpty())
            found << quoted + QStringLiteral(": no file named");
        else if (!names_existing_file(file, folder_, &full))
            found << quoted + QStringLiteral(": file not found: ") + full;
    }

    // The branches of the conditional text_[p, c), as evaluate_conditional finds them.
    void branches(qsizetype p, qsizetype c, std::vector<std::pair<qsizetype, qsizetype>>& pending) const
    {
        const qsizetype value_start = p + 6;  // after "{|SIM "
        if (c <= value_start || blanks_before_[static_cast<size_t>(c)] == blanks_before_[static_cast<size_t>(value_start)])
            return;
        const qsizetype open_true = find(u'{', value_start, c);
        if (open_true < 0)
            return;
        qsizetype close_true = partner_before(open_true, c);
        if (close_true < 0)
            close_true = c;
        std::pair<qsizetype, qsizetype> false_branch{0, 0};
        if (close_true < c) {
            const qsizetype open_false = find(u'{', close_true + 1, c);
            if (open_false >= 0) {
                const qsizetype close_false = partner_before(open_false, c);
                false_branch = {open_false + 1, close_false < 0 ? c : close_false};
            }
        }
        if (false_branch.second > false_branch.first)
            pending.push_back(false_branch);
        pending.emplace_back(open_true + 1, close_true);
    }

    const QString& text_;
    const QString& folder_;
    const BoardCheckTools& tools_;
    std::vector<int32_t> partner_;        // for each "{", its closing "}" (-1: never closed)
    std::vector<int32_t> blanks_before_;  // blanks in text_[0, i)
};

// Areas whose chain of parents goes round in a loop: scanning enters a group only from
// its own parent, so it never reaches any of them. Each area's chain is walked once.
QStringList parent_loops(const Template& t, int count)
{
    QStringList problems;
    enum : uint8_t { kUnseen, kOnPath, kDone };
    std::vector<uint8_t> state(static_cast<size_t>(count) + 1, kUnseen);
    std::vector<QString> loop_of(static_cast<size_t>(count) + 1);  // the loop an area ends in
    for (int start = 2; start <= count; ++start) {
        std::vector<int> path;
        int i = start;
        while (i >= 2 && i <= count && state[static_cast<size_t>(i)] == kUnseen) {
            state[static_cast<size_t>(i)] = kOnPath;
            path.push_back(i);
            i = t.area(i).parent;
        }
        QString loop;
        if (i >= 2 && i <= count && state[static_cast<size_t>(i)] == kOnPath) {
            const auto first = std::find(path.begin(), path.end(), i);
            QStringList numbers;
            for (auto it = first; it != path.end(); ++it)
                numbers << QString::number(*it);
            loop = numbers.join(QStringLiteral(" -> ")) + QStringLiteral(" -> ") + QString::number(i);
        } else if (i >= 2 && i <= count) {
            loop = loop_of[static_cast<size_t>(i)];
        }
        for (int a : path) {
            state[static_cast<size_t>(a)] = kDone;
            loop_of[static_cast<size_t>(a)] = loop;
        }
    }
    // An area that is its own parent is reported as such.
    for (int i = 2; i <= count; ++i)
        if (!loop_of[static_cast<size_t>(i)].isEmpty() && t.area(i).parent != i)
            problems << QStringLiteral("area %1: its parents go round in a loop (%2), so scanning never reaches it")
                            .arg(i)
                            .arg(loop_of[static_cast<size_t>(i)]);
    return problems;
}

}  // namespace

QStringList key_text_problems(const QString& keys, const QString& folder, const BoardCheckTools& tools)
{
    if (!keys.contains(u'{') && !tools.key_run_error)
        return {};
    return KeyTextWalker(keys, folder, tools).problems();
}

QStringList check_board(const Template& t, const BoardCheckTools& tools)
{
    QStringList problems;
    const QString& folder = t.directory;
    check_file(problems, QStringLiteral("cover_file"), t.cover_file, folder);
    check_file(problems, QStringLiteral("doc_file"), t.doc_file, folder);
    check_file(problems, QStringLiteral("clip_file"), t.clip_file, folder);
    if (tools.program_found)
        for (const QString& program : t.program.split(QLatin1Char('|')))
            if (!program.trimmed().isEmpty() && !tools.program_found(program.trimmed()))
                problems << QStringLiteral("program: program not found: ") + program.trimmed();
    for (const QString& p : key_text_problems(t.initial_keys, folder, tools))
        problems << QStringLiteral("initial_keys: ") + p;
    const std::pair<const char*, const QString*> texts[] = {
        {"cover_file", &t.cover_file}, {"program", &t.program}, {"clip_file", &t.clip_file},
        {"initial_keys", &t.initial_keys}, {"doc_file", &t.doc_file}, {"app_title", &t.app_title},
        {"description", &t.description}};
    for (const auto& [name, text] : texts)
        check_encoding(problems, QLatin1String(name), *text);

    const int count = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    if (count >= 1) {
        const Area& root = t.area(1);
        const int width = std::abs(root.Xf - root.Xi), height = std::abs(root.Yf - root.Yi);
        if (width > kScreenWidth || height > kScreenHeight)
            problems << QStringLiteral("area 1: %1 x %2 is larger than the screen (%3 x %4)")
                            .arg(width)
                            .arg(height)
                            .arg(kScreenWidth)
                            .arg(kScreenHeight);
    }
    for (int i = 1; i <= count; ++i) {
        const Area& a = t.area(i);
        const QString where = QStringLiteral("area ") + QString::number(i);
        check_file(problems, where + QStringLiteral(" clip_file"), a.clip_file, folder);
        if (a.sound_file.contains(QLatin1String(".WAV"), Qt::CaseInsensitive) ||
            a.sound_file.contains(QLatin1String(".MID"), Qt::CaseInsensitive))
            check_file(problems, where + QStringLiteral(" sound_file"), a.sound_file, folder);
        check_file(problems, where + QStringLiteral(" icon_file"), a.icon_file, folder);
        for (const QString& p : key_text_problems(a.keys, folder, tools))
            problems << where + QStringLiteral(" keys: ") + p;
        for (const auto& [name, text] : {std::pair{" clip_file", &a.clip_file}, {" sound_file", &a.sound_file},
                                         {" keys", &a.keys}, {" icon_file", &a.icon_file}})
            check_encoding(problems, where + QLatin1String(name), *text);

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
    problems << parent_loops(t, count);
    return problems;
}

}  // namespace orvel
