#include "runtime/reaction_record.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "model/command_words.h"

namespace orvel {

namespace {

constexpr int kFieldCount = 8;
constexpr int kLongestLine = 4096;
// A record larger than this was not written by Orvel: only its beginning is read.
constexpr qint64 kLongestFileRead = 4 * kReactionRecordMaxBytes;
constexpr int64_t kLongestReactionMs = 3600 * 1000;
constexpr int64_t kLongestStepMs = 3600 * 1000;

QByteArray board_field(const QString& board)
{
    QByteArray bytes = board.toUtf8();
    for (char& c : bytes)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return bytes;
}

bool number_in(const QByteArray& field, int64_t low, int64_t high, int64_t& out)
{
    bool ok = false;
    const qlonglong v = field.toLongLong(&ok);
    if (!ok || v < low || v > high)
        return false;
    out = v;
    return true;
}

bool parse_line(const QByteArray& line, ReactionEntry& e)
{
    const QList<QByteArray> f = line.split('\t');
    if (f.size() != kFieldCount || f[2].isEmpty())
        return false;
    int64_t when = 0, session = 0, area = 0, modus = 0, step = 0, reaction = 0, undo = 0;
    if (!number_in(f[0], 0, INT64_MAX, when) || !number_in(f[1], 0, INT64_MAX, session) ||
        !number_in(f[3], 1, INT16_MAX, area) || !number_in(f[4], 0, INT16_MAX, modus) ||
        !number_in(f[5], 0, kLongestStepMs, step) || !number_in(f[6], -1, kLongestReactionMs, reaction) ||
        !number_in(f[7], 0, 1, undo))
        return false;
    e.when_ms = when;
    e.session = session;
    e.board = QString::fromUtf8(f[2]);
    e.area = static_cast<int16_t>(area);
    e.modus = static_cast<int16_t>(modus);
    e.step_ms = static_cast<int32_t>(step);
    e.reaction_ms = static_cast<int32_t>(reaction);
    e.undo = undo == 1;
    return true;
}

QByteArray read_bounded(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kLongestFileRead);
}

QString comparable(const QString& file)
{
    return QFileInfo(file).absoluteFilePath().toCaseFolded();
}

}  // namespace

QByteArray reaction_line(const ReactionEntry& e)
{
    QByteArray line;
    line.reserve(96 + e.board.size());
    line.append(QByteArray::number(static_cast<qlonglong>(e.when_ms))).append('\t');
    line.append(QByteArray::number(static_cast<qlonglong>(e.session))).append('\t');
    line.append(board_field(e.board)).append('\t');
    line.append(QByteArray::number(e.area)).append('\t');
    line.append(QByteArray::number(e.modus)).append('\t');
    line.append(QByteArray::number(e.step_ms)).append('\t');
    line.append(QByteArray::number(e.reaction_ms)).append('\t');
    line.append(e.undo ? '1' : '0').append('\n');
    return line;
}

std::vector<ReactionEntry> parse_reaction_record(const QByteArray& bytes)
{
    std::vector<ReactionEntry> entries;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            break;  // a last line without its end was cut short while written
        const qsizetype length = end - start;
        if (length > 0 && length <= kLongestLine && bytes[start] != '#') {
            ReactionEntry e;
            if (parse_line(bytes.mid(start, length), e))
                entries.push_back(std::move(e));
        }
        start = end + 1;
    }
    for (size_t i = 0; i + 1 < entries.size(); ++i)
        entries[i].corrected = entries[i + 1].undo && entries[i + 1].session == entries[i].session;
    return entries;
}

std::vector<ReactionEntry> read_reaction_record(const QString& state_folder)
{
    QByteArray bytes = read_bounded(state_folder + QLatin1Char('/') + QLatin1String(kOlderReactionRecordName));
    // A cut-short last line of the older file must not swallow the newer file's first.
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    bytes.append(read_bounded(state_folder + QLatin1Char('/') + QLatin1String(kReactionRecordName)));
    return parse_reaction_record(bytes);
}

std::vector<int> selection_counts(const std::vector<ReactionEntry>& entries, const QString& board_file,
                                  int area_count)
{
    std::vector<int> counts(static_cast<size_t>(std::max(0, area_count)) + 1, 0);
    const QString board = comparable(board_file);
    for (const ReactionEntry& e : entries)
        if (e.area <= area_count && comparable(e.board) == board)
            ++counts[static_cast<size_t>(e.area)];
    return counts;
}

bool is_undo_like(const QString& keys)
{
    static const QRegularExpression command(QStringLiteral("\\{\\|\\s*([^\\s}|]+)"));
    for (auto it = command.globalMatch(keys); it.hasNext();)
        if (command_word(it.next().captured(1)) == CommandWord::NIVELL)
            return true;
    static const QRegularExpression erase(QStringLiteral("^(\\{(BACKSPACE|BKSP|BS|BK)( +\\d+)?\\})+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    return erase.match(keys).hasMatch();
}

}  // namespace orvel
