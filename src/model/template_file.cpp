#include "model/template_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstdio>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Where the writer's bytes go: a byte array, or a file written as it is produced.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void put(const char* data, qsizetype size) = 0;
};

class ArraySink : public ByteSink {
public:
    explicit ArraySink(QByteArray& out) : out_(out) {}
    void put(const char* data, qsizetype size) override { out_.append(data, size); }
private:
    QByteArray& out_;
};

// Writes the board's lines through a buffer of its own, handed to the sink whenever it
// fills: a big board goes to disk in blocks that are still in the cache, never whole
// in memory twice.
class LineWriter {
public:
    static constexpr qsizetype kIntegerLine = 9;  // "-32768 " and CR LF
    static constexpr qsizetype kQuotedExtra = 4;  // two quotes and CR LF
    static constexpr qsizetype kPlainExtra = 2;

    explicit LineWriter(ByteSink& sink) : sink_(sink), buf_(kBuffer, Qt::Uninitialized)
    {
        p_ = buf_.data();
        end_ = p_ + buf_.size();
    }

    void integer(int16_t value)
    {
        room(kIntegerLine);
        // " 2 " or "-1 ": a blank where a minus sign would stand, and one after.
        if (value >= 0)
            *p_++ = ' ';
        p_ = std::to_chars(p_, p_ + 6, static_cast<int>(value)).ptr;
        *p_++ = ' ';
        *p_++ = '\r';
        *p_++ = '\n';
    }

    void quoted(const QString& value)
    {
        room(1);
        *p_++ = '"';
        encode(value, true);
        room(3);
        *p_++ = '"';
        *p_++ = '\r';
        *p_++ = '\n';
    }

    void plain(const QString& value)
    {
        encode(value, false);
        room(2);
        *p_++ = '\r';
        *p_++ = '\n';
    }

    int unmappable() const { return unmappable_; }

    void finish() { flush(); }

private:
    // Windows-1252, one byte per character; in quoted text a double quote becomes "¶";
    // characters the code page cannot hold become "?".
    void encode(const QString& text, bool quoted)
    {
        const qsizetype total = text.size();
        const char16_t* all = reinterpret_cast<const char16_t*>(text.utf16());
        qsizetype done = 0;
        while (done < total) {
            room(kBuffer / 2);
            // Each UTF-16 unit gives at most one byte; a surrogate pair is never split.
            qsizetype slice = std::min<qsizetype>(total - done, end_ - p_);
            if (done + slice < total && slice > 1 && QChar::isHighSurrogate(all[done + slice - 1]))
                --slice;
            encode_slice(all + done, slice, quoted);
            done += slice;
        }
    }

    void encode_slice(const char16_t* src, qsizetype n, bool quoted)
    {
        char* dst = p_;
        qsizetype i = 0;
        while (i < n) {
#if defined(__SSE2__)
            // Eight plain ASCII characters at a time (no double quote when quoted).
            const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
            const __m128i quote = _mm_set1_epi16(quoted ? 0x22 : 0x7FFF);
            while (i + 8 <= n) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
                const __m128i special = _mm_or_si128(_mm_and_si128(v, high), _mm_cmpeq_epi16(v, quote));
                if (_mm_movemask_epi8(_mm_cmpeq_epi16(special, _mm_setzero_si128())) != 0xFFFF)
                    break;
                _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(v, v));
                dst += 8;
                i += 8;
            }
#endif
            // Four at a time, for what is left.
            while (i + 4 <= n) {
                uint64_t w;
                std::memcpy(&w, src + i, sizeof w);
                if (w & 0xFF80FF80FF80FF80ULL)
                    break;
                if (quoted) {
                    const uint64_t x = w ^ 0x0022002200220022ULL;
                    if ((x - 0x0001000100010001ULL) & ~x & 0x8000800080008000ULL)
                        break;
                }
                dst[0] = static_cast<char>(src[i]);
                dst[1] = static_cast<char>(src[i + 1]);
                dst[2] = static_cast<char>(src[i + 2]);
                dst[3] = static_cast<char>(src[i + 3]);
                dst += 4;
                i += 4;
            }
            if (i >= n)
                break;
            const char16_t c = src[i++];
            if (c < 0x80) {
                *dst++ = (quoted && c == u'"') ? kPilcrowByte : static_cast<char>(c);
            }
            else if (c >= 0xA0 && c <= 0xFF) {
                *dst++ = static_cast<char>(c);
            }
            else if (QChar::isHighSurrogate(c) && i < n && QChar::isLowSurrogate(src[i])) {
                ++i;  // one character outside the basic plane: one "?"
                *dst++ = '?';
                ++unmappable_;
            }
            else {
                int missing = 0;
                const QByteArray one = cp1252::encode(QString(QChar(c)), &missing);
                unmappable_ += missing;
                *dst++ = one.isEmpty() ? '?' : one[0];
            }
        }
        p_ = dst;
    }

    void room(qsizetype bytes)
    {
        if (end_ - p_ < bytes)
            flush();
    }

    void flush()
    {
        if (p_ > buf_.data())
            sink_.put(buf_.constData(), p_ - buf_.constData());
        p_ = buf_.data();
    }

    static constexpr qsizetype kBuffer = 256 * 1024;
    ByteSink& sink_;
    QByteArray buf_;
    char* p_ = nullptr;
    char* end_ = nullptr;
    int unmappable_ = 0;
};

int error_number_for_errno(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT: return file_error::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return file_error::kPermissionDenied;
    case ENOENT:
    case ENOTDIR: return file_error::kPathNotFound;
    case EIO: return file_error::kDeviceIo;
    default: return file_error::kPathFileAccess;
    }
}

WriteResult failure(int code)
{
    WriteResult r;
    r.ok = false;
    r.error_number = error_number_for_errno(code);
    r.error_text = QString::fromLocal8Bit(std::strerror(code));
    return r;
}

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

namespace {

void write_lines(const Template& t, LineWriter& out)
{
    const int count = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    out.integer(2);
    out.integer(1);
    out.plain(t.cover_file);
    out.integer(static_cast<int16_t>(count));
    out.quoted(t.program);
    out.integer(t.clip_type);
    out.quoted(t.clip_file);
    out.quoted(t.initial_keys);
    out.quoted(t.doc_file);
    out.quoted(t.app_title);
    out.quoted(t.description);
    out.integer(t.global_data_on_new);
    out.integer(t.sound_active);
    out.integer(t.auto_cover);
    out.integer(t.tts_language);
    out.integer(t.tts_voice);
    out.integer(t.tts_speed);
    for (int i = 1; i <= count; ++i) {
        const Area& a = t.areas[static_cast<size_t>(i)];
        out.integer(a.Xi);
        out.integer(a.Yi);
        out.integer(a.Xf);
        out.integer(a.Yf);
        out.integer(a.parent);
        out.integer(a.clip_type);
        out.quoted(a.clip_file);
        out.quoted(a.sound_file);
        out.quoted(a.keys);
        out.quoted(a.icon_file);
        out.integer(a.repeat_reading);
        out.integer(a.is_group);
    }
    out.finish();
}

// The file's size at most: one byte per UTF-16 unit of text plus the line overheads.
qsizetype size_bound(const Template& t)
{
    using W = LineWriter;
    qsizetype bound = 10 * W::kIntegerLine + 6 * W::kQuotedExtra + W::kPlainExtra + t.cover_file.size() +
                      t.program.size() + t.clip_file.size() + t.initial_keys.size() + t.doc_file.size() +
                      t.app_title.size() + t.description.size();
    const int count = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const Area& a = t.areas[static_cast<size_t>(i)];
        bound += 8 * W::kIntegerLine + 4 * W::kQuotedExtra + a.clip_file.size() + a.sound_file.size() +
                 a.keys.size() + a.icon_file.size();
    }
    return bound;
}

// The file a chain of symbolic links finally names (the name itself when it is no link).
// A link's relative target resolves against the link's folder. A loop, or more links
// than the system itself follows, ends the walk at the last name reached.
QByteArray final_link_target(QByteArray name)
{
    constexpr int kMaxLinks = 40;
    for (int i = 0; i < kMaxLinks; ++i) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(name.constData(), target, sizeof target - 1);
        if (n < 0)
            break;
        const QByteArray next(target, n);
        if (next.startsWith('/'))
            name = next;
        else
            name = name.left(name.lastIndexOf('/') + 1) + next;
    }
    return name;
}

// Removes ".NAME.PID.XXXXXX" files left by saves of the same file whose process has
// ended (killed while writing): each may hold a whole board.
void remove_stale_temporaries(const QByteArray& folder, const QByteArray& prefix)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        const QList<QByteArray> rest = name.mid(prefix.size()).split('.');
        bool is_number = false;
        const long pid = rest.size() == 2 && rest[1].size() == 6 ? rest[0].toLong(&is_number) : 0;
        if (!is_number || pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;  // that save may still be running
        const QByteArray full = folder + "/" + name;
        struct stat st {};
        if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid())
            ::unlink(full.constData());
    }
    ::closedir(dir);
}

// A file written beside its target and renamed over it once complete and on disk.
class AtomicFile : public ByteSink {
public:
    explicit AtomicFile(const QString& path)
    {
        if (path.isEmpty() || path.contains(QChar(0))) {
            error_ = ENOENT;
            return;
        }
        // Write through symbolic links to the file they finally name, as an editor would.
        target_name_ = final_link_target(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
        existed_ = ::stat(target_name_.constData(), &old_stat_) == 0;
        if (existed_ && S_ISDIR(old_stat_.st_mode)) {
            error_ = EISDIR;
            return;
        }
        const qsizetype slash = target_name_.lastIndexOf('/');
        folder_ = slash <= 0 ? QByteArray("/") : target_name_.left(slash);
        // ".NAME.PID.XXXXXX": the process id tells a save in progress from a killed one.
        const QByteArray temp_prefix = "." + target_name_.mid(slash + 1) + ".";
        remove_stale_temporaries(folder_, temp_prefix);
        temp_name_ = folder_ + "/" + temp_prefix + QByteArray::number(::getpid()) + ".XXXXXX";
        fd_ = ::mkstemp(temp_name_.data());
        if (fd_ < 0)
            error_ = errno;
    }

    ~AtomicFile() override
    {
        if (fd_ >= 0) {
            ::close(fd_);
            ::unlink(temp_name_.constData());
        }
    }

    void put(const char* data, qsizetype size) override
    {
        while (error_ == 0 && size > 0) {
            const ssize_t n = ::write(fd_, data, static_cast<size_t>(size));
            if (n < 0) {
                if (errno != EINTR)
                    error_ = errno;
                continue;
            }
            data += n;
            size -= n;
        }
    }

    // Keeps the old file's permissions (a new file gets 0666 less the umask), flushes the
    // data to disk and renames the file over the target.
    WriteResult commit()
    {
        if (error_ == 0) {
            mode_t mode = 0;
            if (existed_) {
                mode = old_stat_.st_mode & 07777;
            }
            else {
                const mode_t mask = ::umask(0);
                ::umask(mask);
                mode = 0666 & ~mask;
            }
            if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0)
                error_ = errno;
        }
        if (fd_ >= 0) {
            if (::close(fd_) != 0 && error_ == 0)
                error_ = errno;
            fd_ = -1;
            if (error_ == 0 && ::rename(temp_name_.constData(), target_name_.constData()) != 0)
                error_ = errno;
            if (error_ != 0)
                ::unlink(temp_name_.constData());
        }
        if (error_ != 0)
            return failure(error_);
        // Make the rename itself durable.
        const int dir_fd = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY);
        if (dir_fd >= 0) {
            ::fsync(dir_fd);
            ::close(dir_fd);
        }
        WriteResult r;
        r.ok = true;
        return r;
    }

private:
    QByteArray target_name_;
    QByteArray folder_;
    QByteArray temp_name_;
    struct stat old_stat_ {};
    bool existed_ = false;
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace

QByteArray template_bytes(const Template& t, int* unmappable)
{
    QByteArray bytes;
    bytes.reserve(size_bound(t));
    ArraySink sink(bytes);
    LineWriter out(sink);
    write_lines(t, out);
    if (unmappable)
        *unmappable = out.unmappable();
    return bytes;
}

WriteResult write_template(const Template& t, const QString& path)
{
    AtomicFile file(path);
    LineWriter out(file);
    write_lines(t, out);
    WriteResult r = file.commit();
    r.unmappable = out.unmappable();
    return r;
}

WriteResult write_file_atomically(const QString& path, const QByteArray& bytes)
{
    AtomicFile file(path);
    file.put(bytes.constData(), bytes.size());
    return file.commit();
}

QString unmappable_message(const QString& path)
{
    return QStringLiteral("Alguns caràcters no es poden desar amb el joc de caràcters del fitxer "
                          "i s'han desat com a \"?\": ") + path;
}

QString file_time_text(const QString& path)
{
    if (!existing_path(path))
        return QString();
    const QFileInfo info(path);
    return info.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace orvel
