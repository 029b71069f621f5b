// The board file reader, and loading a board into the open one.
#include "model/template_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>

#include "model/cp1252.h"
#include "model/file_names.h"
#include "model/messages.h"
#include "platform/message_boxes.h"

namespace orvel {

namespace file_error {

QString description(int number)
{
    switch (number) {
    case kOverflow: return QStringLiteral("Overflow");
    case kTypeMismatch: return QStringLiteral("Type mismatch");
    case kFileNotFound: return QStringLiteral("File not found");
    case kDeviceIo: return QStringLiteral("Device I/O error");
    case kDiskFull: return QStringLiteral("Disk full");
    case kPastEndOfFile: return QStringLiteral("Input past end of file");
    case kPermissionDenied: return QStringLiteral("Permission denied");
    case kPathFileAccess: return QStringLiteral("Path/File access error");
    case kPathNotFound: return QStringLiteral("Path not found");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

}  // namespace file_error

namespace {

constexpr int kMessageFormat = 2;       // "Format incorrecte"
constexpr int kMessageReadError = 3;    // "Error en llegir el fitxer "
constexpr int kMessageNewerFormat = 14;
constexpr int kMessageNotFound = 15;    // "Orvel no troba el fitxer "

constexpr char16_t kPilcrow = 0x00B6;   // "¶" stands for a double quote inside quoted text
constexpr char kPilcrowByte = '\xB6';

// The smallest area block a file can hold: eight one-digit number lines and four empty
// quoted lines, LF ends. Used to bound what the reader reserves by the file's size.
constexpr qint64 kSmallestAreaBlock = 8 * 2 + 4 * 3;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Reads a device in blocks and hands out lines and quoted values. Offsets are kept
// relative to pos_, so compacting the buffer never invalidates them. Memory held is the
// longest line (or quoted value) plus one block: never more than the file's size.
class Scanner {
public:
    explicit Scanner(QIODevice& in) : in_(in) {}

    bool io_error() const { return io_error_; }

    // Skips a UTF-8 byte-order mark at the start of the device; true when there was one.
    bool skip_utf8_bom()
    {
        while (buf_.size() - pos_ < 3 && fill()) {
        }
        if (buf_.size() - pos_ < 3 || std::memcmp(buf_.constData() + pos_, "\xEF\xBB\xBF", 3) != 0)
            return false;
        pos_ += 3;
        return true;
    }

    // True when no byte is left.
    bool at_end()
    {
        return pos_ >= buf_.size() && !fill();
    }

    // The next line without its line end (LF, or CR LF). False when no byte is left.
    bool next_line(const char*& data, qsizetype& size)
    {
        qsizetype rel_end = 0;
        qsizetype rel_next = 0;
        if (!find_line(0, rel_end, rel_next))
            return false;
        data = buf_.constData() + pos_;
        size = rel_end;
        pos_ += rel_next;
        return true;
    }

    enum class Quoted { Missing, Value, Unquoted };

    // The next quoted-text value: the bytes from the opening quote to the next double
    // quote (which may lie on a later line; the rest of its line is skipped), or, for a
    // line that does not start with a quote, the line up to its first comma, trimmed.
    Quoted next_quoted(QByteArray& value)
    {
        qsizetype rel_end = 0;
        qsizetype rel_next = 0;
        if (!find_line(0, rel_end, rel_next))
            return Quoted::Missing;
        const char* line = buf_.constData() + pos_;
        qsizetype i = 0;
        while (i < rel_end && is_blank(line[i]))
            ++i;
        if (i >= rel_end || line[i] != '"') {
            value = plain_value(line, rel_end);
            pos_ += rel_next;
            return Quoted::Unquoted;
        }
        const qsizetype open = i + 1;
        const char* close = static_cast<const char*>(std::memchr(line + open, '"', static_cast<size_t>(rel_end - open)));
        if (close) {
            value = QByteArray(line + open, close - (line + open));
            pos_ += rel_next;
            return Quoted::Value;
        }
        // The value goes on past this line: look for the closing quote further on.
        qsizetype scan = rel_end;
        for (;;) {
            const char* base = buf_.constData() + pos_;
            const qsizetype avail = buf_.size() - pos_;
            const void* q = std::memchr(base + scan, '"', static_cast<size_t>(avail - scan));
            if (q) {
                const qsizetype rel_close = static_cast<const char*>(q) - base;
                value = QByteArray(base + open, rel_close - open);
                qsizetype after_end = 0;
                qsizetype after_next = 0;
                find_line(rel_close + 1, after_end, after_next);
                pos_ += std::max(after_next, rel_close + 1);
                return Quoted::Value;
            }
            scan = avail;
            if (!fill()) {
                // Never closed: the value is the rest of the file.
                value = QByteArray(buf_.constData() + pos_ + open, buf_.size() - pos_ - open);
                pos_ = buf_.size();
                return Quoted::Value;
            }
        }
    }

    // Bytes not yet consumed (what is buffered plus what the device still holds).
    qint64 remaining() const
    {
        const qint64 device_left = in_.isSequential() ? 0 : std::max<qint64>(0, in_.size() - in_.pos());
        return (buf_.size() - pos_) + device_left;
    }

    // The plain value of a line: up to the first comma, blanks around it removed.
    static void plain_range(const char* line, qsizetype size, qsizetype& begin, qsizetype& end)
    {
        begin = 0;
        end = 0;
        if (size <= 0)
            return;
        const char* comma = static_cast<const char*>(std::memchr(line, ',', static_cast<size_t>(size)));
        end = comma ? comma - line : size;
        while (begin < end && is_blank(line[begin]))
            ++begin;
        while (end > begin && is_blank(line[end - 1]))
            --end;
    }

    static QByteArray plain_value(const char* line, qsizetype size)
    {
        qsizetype begin = 0;
        qsizetype end = 0;
        plain_range(line, size, begin, end);
        return QByteArray(line + begin, end - begin);
    }

private:
    // Finds the line starting at rel_start (relative to pos_): rel_end is where its text
    // ends, rel_next where the next line starts. False when no byte is left there.
    bool find_line(qsizetype rel_start, qsizetype& rel_end, qsizetype& rel_next)
    {
        qsizetype scan = rel_start;
        for (;;) {
            const char* base = buf_.constData() + pos_;
            const qsizetype avail = buf_.size() - pos_;
            if (scan < avail) {
                const void* nl = std::memchr(base + scan, '\n', static_cast<size_t>(avail - scan));
                if (nl) {
                    const qsizetype rel_nl = static_cast<const char*>(nl) - base;
                    rel_end = rel_nl;
                    if (rel_end > rel_start && base[rel_end - 1] == '\r')
                        --rel_end;
                    rel_next = rel_nl + 1;
                    return true;
                }
            }
            scan = std::max(scan, avail);
            if (!fill()) {
                const qsizetype left = buf_.size() - pos_;
                if (rel_start >= left)
                    return false;
                rel_end = left;
                if (rel_end > rel_start && buf_[pos_ + rel_end - 1] == '\r')
                    --rel_end;
                rel_next = left;
                return true;
            }
        }
    }

    // Drops consumed bytes and appends the next block. False at the end of the device.
    bool fill()
    {
        if (eof_)
            return false;
        if (pos_ > 0) {
            buf_.remove(0, pos_);
            pos_ = 0;
        }
        const qsizetype old = buf_.size();
        // Blocks grow with the pending text, so a line of many megabytes costs a few reads.
        const qsizetype block = std::max<qsizetype>(kBlock, old);
        buf_.resize(old + block);
        const qint64 n = in_.read(buf_.data() + old, block);
        if (n < 0)
            io_error_ = true;
        buf_.resize(old + std::max<qint64>(n, 0));
        if (n <= 0) {
            eof_ = true;
            buf_.squeeze();
            return false;
        }
        return true;
    }

    static constexpr qsizetype kBlock = 64 * 1024;
    QIODevice& in_;
    QByteArray buf_;
    qsizetype pos_ = 0;
    bool eof_ = false;
    bool io_error_ = false;
};

QString decode_text(const QByteArray& bytes, bool quoted, bool utf8)
{
    if (bytes.isEmpty())
        return QString();
    QString text = utf8 ? QString::fromUtf8(bytes) : cp1252::decode(bytes.constData(), bytes.size());
    if (quoted && std::memchr(bytes.constData(), kPilcrowByte, static_cast<size_t>(bytes.size())))
        text.replace(QChar(kPilcrow), QLatin1Char('"'));
    return text;
}

enum class NumberResult { Ok, Mismatch, Overflow };

// A number line: the text up to the first comma, blanks around it skipped; an optional
// sign, digits and an optional fraction (rounded half to even, as the Windows program rounds).
// An empty line reads as 0.
NumberResult parse_int16(const char* line, qsizetype size, int16_t& out)
{
    qsizetype begin = 0;
    qsizetype end = 0;
    Scanner::plain_range(line, size, begin, end);
    const std::string_view token(line + begin, static_cast<size_t>(end - begin));
    if (token.empty()) {
        out = 0;
        return NumberResult::Ok;
    }
    qsizetype i = 0;
    bool negative = false;
    if (token[i] == '+' || token[i] == '-') {
        negative = token[i] == '-';
        ++i;
    }
    const qsizetype digits_start = i;
    int64_t whole = 0;
    bool big = false;
    while (i < static_cast<qsizetype>(token.size()) && token[i] >= '0' && token[i] <= '9') {
        if (whole < 1000000)
            whole = whole * 10 + (token[i] - '0');
        else
            big = true;
        ++i;
    }
    qsizetype int_digits = i - digits_start;
    int half = 0;  // 0 below a half, 1 exactly a half, 2 above
    if (i < static_cast<qsizetype>(token.size()) && token[i] == '.') {
        ++i;
        const qsizetype frac_start = i;
        while (i < static_cast<qsizetype>(token.size()) && token[i] >= '0' && token[i] <= '9')
            ++i;
        if (i > frac_start) {
            const char first = token[frac_start];
            bool rest_nonzero = false;
            for (qsizetype k = frac_start + 1; k < i; ++k)
                rest_nonzero = rest_nonzero || token[k] != '0';
            half = first > '5' || (first == '5' && rest_nonzero) ? 2 : (first == '5' ? 1 : 0);
        }
        if (int_digits == 0 && i == frac_start)
            return NumberResult::Mismatch;  // a lone "."
        int_digits = std::max<qsizetype>(int_digits, 1);
    }
    if (int_digits == 0 || i != static_cast<qsizetype>(token.size()))
        return NumberResult::Mismatch;
    if (half == 2 || (half == 1 && (whole % 2) == 1))
        ++whole;
    const int64_t value = negative ? -whole : whole;
    if (big || value < -32768 || value > 32767)
        return NumberResult::Overflow;
    out = static_cast<int16_t>(value);
    return NumberResult::Ok;
}

class FieldReader {
public:
    FieldReader(Scanner& scanner, const QString& path, MessageBoxes& messages, bool utf8)
        : scanner_(scanner), path_(path), messages_(messages), utf8_(utf8) {}

    bool reported_any() const { return !reported_.empty(); }

    void integer(int16_t& field)
    {
        const char* line = nullptr;
        qsizetype size = 0;
        if (!scanner_.next_line(line, size)) {
            report(file_error::kPastEndOfFile);
            return;
        }
        switch (parse_int16(line, size, field)) {
        case NumberResult::Ok: break;
        case NumberResult::Mismatch: report(file_error::kTypeMismatch); break;
        case NumberResult::Overflow: report(file_error::kOverflow); break;
        }
    }

    void quoted(QString& field)
    {
        QByteArray value;
        const Scanner::Quoted kind = scanner_.next_quoted(value);
        if (kind == Scanner::Quoted::Missing) {
            report(file_error::kPastEndOfFile);
            return;
        }
        field = decode_text(value, kind == Scanner::Quoted::Value, utf8_);
    }

    void plain(QString& field)
    {
        const char* line = nullptr;
        qsizetype size = 0;
        if (!scanner_.next_line(line, size)) {
            report(file_error::kPastEndOfFile);
            return;
        }
        field = decode_text(Scanner::plain_value(line, size), false, utf8_);
    }

    void report(int number)
    {
        if (!reported_.insert(number).second)
            return;
        messages_.show(missatge(kMessageReadError) + path_ + QLatin1Char(' ') + QString::number(number) +
                       QLatin1Char(' ') + file_error::description(number));
    }

private:
    Scanner& scanner_;
    const QString& path_;
    MessageBoxes& messages_;
    const bool utf8_;
    std::set<int> reported_;
};

}  // namespace

LoadOutcome read_template(Template& t, QIODevice& in, const QString& path_for_messages,
                          MessageBoxes& messages)
{
    Scanner scanner(in);
    // Boards are Windows-1252, but one saved as UTF-8 by a text editor says so with a mark.
    const bool utf8 = scanner.skip_utf8_bom();
    FieldReader read(scanner, path_for_messages, messages, utf8);

    read.integer(t.format_major);
    read.integer(t.format_minor);
    if (t.format_major > 2 || t.format_minor > 1) {
        messages.show(missatge(kMessageNewerFormat));
        return LoadOutcome::Refused;
    }
    read.plain(t.cover_file);
    int16_t count = 0;
    read.integer(count);
    read.quoted(t.program);
    read.integer(t.clip_type);
    read.quoted(t.clip_file);
    read.quoted(t.initial_keys);
    read.quoted(t.doc_file);
    read.quoted(t.app_title);
    read.quoted(t.description);
    read.integer(t.global_data_on_new);
    read.integer(t.sound_active);
    if (t.format_major >= 2) {
        read.integer(t.auto_cover);
        read.integer(t.tts_language);
        read.integer(t.tts_voice);
        read.integer(t.tts_speed);
    }
    else {
        t.auto_cover = 0;  // the speech settings stay those of the board open before
    }

    // Areas are read while lines are left; the count never sizes an allocation beyond
    // what the file's own size can hold.
    if (count > 0) {
        const qint64 fitting = scanner.remaining() / kSmallestAreaBlock + 1;
        t.areas.reserve(static_cast<size_t>(t.areas.size() + std::min<qint64>(count, fitting)));
    }
    for (int i = 1; i <= count; ++i) {
        if (scanner.at_end()) {
            read.report(file_error::kPastEndOfFile);
            break;
        }
        Area a;
        read.integer(a.Xi);
        read.integer(a.Yi);
        read.integer(a.Xf);
        read.integer(a.Yf);
        read.integer(a.parent);
        read.integer(a.clip_type);
        read.quoted(a.clip_file);
        read.quoted(a.sound_file);
        read.quoted(a.keys);
        read.quoted(a.icon_file);
        read.integer(a.repeat_reading);
        read.integer(a.is_group);
        if (!add_area(t, a))
            break;
    }
    if (scanner.io_error())
        read.report(file_error::kDeviceIo);
    return read.reported_any() ? LoadOutcome::ReadWithErrors : LoadOutcome::Read;
}

LoadOutcome load_template(Template& t, const QString& path, MessageBoxes& messages)
{
    return load_template(t, path, messages, LoadOptions{});
}

LoadOutcome load_template(Template& t, const QString& path, MessageBoxes& messages,
                          const LoadOptions& options)
{
    if (path.isEmpty())
        return LoadOutcome::NothingToLoad;

    auto report_unopened = [&](const QString& name, int number) {
        messages.show(missatge(kMessageReadError) + name + QLatin1Char(' ') + QString::number(number) +
                      QLatin1Char(' ') + file_error::description(number));
        return LoadOutcome::Missing;
    };

    // Steps 2 to 4: the full name and its folder.
    QString full = resolve_stored_name(path, t.directory);
    if (full.contains(QChar(0)))
        return report_unopened(full, file_error::kFileNotFound);  // no file has such a name
    full = QFileInfo(full).absoluteFilePath();
    const QString folder = QFileInfo(full).absolutePath();

    if (!ends_with_no_case(full, QStringLiteral(".ORV"))) {
        messages.show(missatge(kMessageFormat), QStringLiteral("Orvel"), MessageIcon::Critical);
        return LoadOutcome::Refused;
    }

    QFile file(full);
    const QFileInfo info(full);
    // Only regular files: a device or a pipe named like a board could block or never end.
    const bool exists = existing_path(full);
    if (!exists || !info.isFile() || !file.open(QIODevice::ReadOnly)) {
        return report_unopened(full, !exists         ? file_error::kFileNotFound
                                     : !info.isFile() ? file_error::kPathFileAccess
                                                      : file_error::kPermissionDenied);
    }

    // The board is read beside the open one, which it replaces only once read.
    Template loaded = t;
    reset_template(loaded);
    loaded.directory = folder;
    const LoadOutcome outcome = read_template(loaded, file, full, messages);
    file.close();
    // A file that gave errors and not a single area holds no board (a text file named .ORV).
    if (outcome == LoadOutcome::Refused || (outcome == LoadOutcome::ReadWithErrors && loaded.area_count == 0))
        return LoadOutcome::Refused;

    // The board now is this file, unchanged since it was read.
    loaded.file_name = full;
    loaded.file_time = file_time_text(full);
    loaded.modified = 0;
    t = std::move(loaded);
    if (options.set_current_folder && QFileInfo(folder).isDir())
        QDir::setCurrent(folder);

    // The cover's time, or the message for a cover that is not there.
    if (!t.cover_file.isEmpty()) {
        const QString base = options.references_folder.isEmpty() ? folder : options.references_folder;
        const QString cover = resolve_stored_name(t.cover_file, base);
        if (existing_file(cover)) {
            t.cover_time = file_time_text(cover);
            t.cover_outdated = 0;
        }
        else {
            messages.show(missatge(kMessageNotFound) + cover);
        }
    }
    return outcome;
}

QString file_time_text(const QString& path)
{
    if (!existing_path(path))
        return QString();
    const QFileInfo info(path);
    return info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace orvel
