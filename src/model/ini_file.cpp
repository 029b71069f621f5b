#include "model/ini_file.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#include "model/cp1252.h"

namespace orvel {

namespace {

// The blanks the profile reader trims; 0x1A is the old end-of-file mark.
bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

bool is_blank(QChar c)
{
    return c.unicode() < 0x80 && is_blank(static_cast<char>(c.unicode()));
}

// Narrows [b, e) of the bytes to leave out the blanks at both ends.
void trim_range(const char* d, qsizetype& b, qsizetype& e)
{
    while (b < e && is_blank(d[b]))
        ++b;
    while (e > b && is_blank(d[e - 1]))
        --e;
}

QString trim_blanks(const QString& text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && is_blank(text[b]))
        ++b;
    while (e > b && is_blank(text[e - 1]))
        --e;
    return text.mid(b, e - b);
}

QString trim_trailing_blanks(const QString& text)
{
    qsizetype e = text.size();
    while (e > 0 && is_blank(text[e - 1]))
        --e;
    return text.left(e);
}

struct Line {
    qsizetype start = 0;  // first byte of the line
    qsizetype end = 0;    // end of its text, before "\r\n" or "\n"
    qsizetype next = 0;   // first byte of the following line
};

class LineReader {
public:
    explicit LineReader(const QByteArray& bytes) : data_(bytes.constData()), size_(bytes.size()) {}

    bool next(Line& line)
    {
        if (pos_ >= size_)
            return false;
        line.start = pos_;
        const void* nl = std::memchr(data_ + pos_, '\n', static_cast<size_t>(size_ - pos_));
        if (!nl) {
            line.end = size_;
            line.next = size_;
        } else {
            const qsizetype at = static_cast<const char*>(nl) - data_;
            line.end = (at > pos_ && data_[at - 1] == '\r') ? at - 1 : at;
            line.next = at + 1;
        }
        pos_ = line.next;
        return true;
    }

private:
    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    qsizetype name_begin = 0, name_end = 0;    // section or key name, trimmed
    qsizetype value_begin = 0, value_end = 0;  // key value, trimmed
    qsizetype after_equals = 0;                // first byte after "="
};

ParsedLine parse_line(const char* d, const Line& line)
{
    ParsedLine p;
    qsizetype s = line.start;
    const qsizetype e = line.end;
    while (s < e && is_blank(d[s]))
        ++s;
    if (s == e || d[s] == ';')
        return p;
    if (d[s] == '[') {
        qsizetype close = e - 1;
        while (close > s && d[close] != ']')
            --close;
        if (close > s) {
            qsizetype nb = s + 1;
            qsizetype ne = close;
            trim_range(d, nb, ne);
            p.kind = LineKind::Section;
            p.name_begin = nb;
            p.name_end = ne;
            return p;
        }
    }
    const void* eq = std::memchr(d + s, '=', static_cast<size_t>(e - s));
    if (!eq)
        return p;
    const qsizetype at = static_cast<const char*>(eq) - d;
    qsizetype ne = at;
    while (ne > s && is_blank(d[ne - 1]))
        --ne;
    qsizetype vb = at + 1;
    qsizetype ve = e;
    trim_range(d, vb, ve);
    p.kind = LineKind::Key;
    p.name_begin = s;
    p.name_end = ne;
    p.value_begin = vb;
    p.value_end = ve;
    p.after_equals = at + 1;
    return p;
}

// Names are one byte per character, so only a name of the same length can match and
// only such a name is decoded.
bool name_matches(const char* d, qsizetype begin, qsizetype end, const QString& wanted)
{
    if (end - begin != wanted.size())
        return false;
    return cp1252::decode(d + begin, end - begin).compare(wanted, Qt::CaseInsensitive) == 0;
}

// The value as the profile reader hands it out: enclosing quotes removed, then cut to
// what a buffer of buffer_size characters holds.
QString value_text(const char* d, const ParsedLine& p, int buffer_size)
{
    qsizetype b = p.value_begin;
    qsizetype e = p.value_end;
    if (e - b >= 2 && (d[b] == '"' || d[b] == '\'') && d[e - 1] == d[b]) {
        ++b;
        --e;
    }
    const qsizetype room = buffer_size > 0 ? buffer_size - 1 : 0;
    return cp1252::decode(d + b, std::min(e - b, room));
}

QString cut_to_buffer(const QString& text, int buffer_size)
{
    return text.left(buffer_size > 0 ? buffer_size - 1 : 0);
}

bool valid_section_name(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'));
}

bool valid_key_name(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char('\n')) &&
           !name.contains(QLatin1Char('\r')) && !name.startsWith(QLatin1Char('[')) &&
           !name.startsWith(QLatin1Char(';'));
}

// Calls on_key for each key line of the first section named `section` (other
// sections of that name are never searched) until it returns true.
template <typename OnKey>
void visit_first_section(const QByteArray& bytes, const QString& section, OnKey on_key)
{
    const QString wanted_section = trim_blanks(section);
    const char* d = bytes.constData();
    LineReader lines(bytes);
    Line line;
    bool inside = false;
    while (lines.next(line)) {
        const ParsedLine p = parse_line(d, line);
        if (p.kind == LineKind::Section) {
            if (inside)
                return;
            inside = name_matches(d, p.name_begin, p.name_end, wanted_section);
        } else if (inside && p.kind == LineKind::Key && on_key(d, p)) {
            return;
        }
    }
}

}  // namespace

int leading_integer(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && is_blank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int>::max()} + 1;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<int64_t>(value, std::numeric_limits<int>::max()));
}

double leading_number(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto is_digit = [&](qsizetype k) { return k < n && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    bool digits = false;
    while (is_digit(i)) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (is_digit(i)) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E') || text[i] == QLatin1Char('d') ||
                  text[i] == QLatin1Char('D'))) {
        qsizetype k = i + 1;
        if (k < n && (text[k] == QLatin1Char('-') || text[k] == QLatin1Char('+')))
            ++k;
        if (is_digit(k)) {
            while (is_digit(k))
                ++k;
            end = k;
        }
    }
    QString number = text.mid(start, end - start);
    number.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double value = number.toDouble(&ok);  // C locale: "." is the decimal point
    if (ok)
        return value;
    // Out of range: toDouble refuses it; saturate instead.
    return number.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::max()
                                               : std::numeric_limits<double>::max();
}

int16_t rounded_int16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);  // halves to even
    return static_cast<int16_t>(std::clamp(rounded, double{std::numeric_limits<int16_t>::min()},
                                           double{std::numeric_limits<int16_t>::max()}));
}

namespace {

// File times advance in steps of the kernel's clock tick, so a rewrite of the same size
// within that step keeps the time stamp; a file changed in the last two seconds is not
// trusted from the cache.
bool is_racy_time(int64_t mtime_ns)
{
    constexpr int64_t kMargin = int64_t{2} * 1000000000;
    const int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    return now - mtime_ns < kMargin;
}

}  // namespace

bool IniFile::is_racy(const Stamp& stamp)
{
    return !stamp.exists || is_racy_time(stamp.mtime_ns);
}

IniFile::IniFile(QString path) : path_(std::move(path)) {}

IniFile::Stamp IniFile::stamp_of(const QString& path)
{
    Stamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.mtime_ns = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

bool IniFile::load() const
{
    const Stamp now = stamp_of(path_);
    if (loaded_ && !racy_ && now == stamp_)
        return readable_;
    loaded_ = true;
    racy_ = is_racy(now);
    stamp_ = now;
    readable_ = false;
    bytes_.clear();
    if (!now.exists || now.size > kMaxFileSize)
        return false;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read in pieces: memory follows what the file holds, and a file that grew past the
    // limit since it was measured is still refused.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(now.size));
    char piece[64 * 1024];
    for (;;) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(piece, static_cast<qsizetype>(got));
        if (bytes.size() > kMaxFileSize)
            return false;
    }
    bytes_ = std::move(bytes);
    readable_ = true;
    return true;
}

QString IniFile::read_string(const QString& section, const QString& key, const QString& default_value,
                             int buffer_size) const
{
    const QString fallback = cut_to_buffer(trim_trailing_blanks(default_value), buffer_size);
    if (!load())
        return fallback;
    const QString wanted_key = trim_blanks(key);
    QString found = fallback;
    visit_first_section(bytes_, section, [&](const char* d, const ParsedLine& p) {
        if (!name_matches(d, p.name_begin, p.name_end, wanted_key))
            return false;
        found = value_text(d, p, buffer_size);
        return true;
    });
    return found;
}

int IniFile::read_int(const QString& section, const QString& key, int default_value) const
{
    const QString text = read_string(section, key, QString());
    return text.isEmpty() ? default_value : leading_integer(text);
}

QHash<QString, QString> IniFile::read_section(const QString& section, int buffer_size) const
{
    QHash<QString, QString> values;
    if (!load())
        return values;
    visit_first_section(bytes_, section, [&](const char* d, const ParsedLine& p) {
        const QString name = cp1252::decode(d + p.name_begin, p.name_end - p.name_begin).toCaseFolded();
        if (!values.contains(name))
            values.insert(name, value_text(d, p, buffer_size));
        return false;
    });
    return values;
}

bool IniFile::write_string(const QString& section, const QString& key, const QString& value, int* unmappable)
{
    if (unmappable)
        *unmappable = 0;
    const QString section_name = trim_blanks(section);
    const QString key_name = trim_blanks(key);
    if (!valid_section_name(section_name) || !valid_key_name(key_name))
        return false;
    // An existing file that cannot be read is left alone rather than replaced.
    if (!load() && stamp_.exists)
        return false;

    QString one_line_value = value;
    one_line_value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    int missing = 0;
    const QByteArray encoded_value = cp1252::encode(one_line_value, &missing);
    // A name written with "?" in it could never be found again.
    int missing_in_key = 0;
    int missing_in_section = 0;
    const QByteArray encoded_key = cp1252::encode(key_name, &missing_in_key);
    const QByteArray encoded_section = cp1252::encode(section_name, &missing_in_section);
    if (missing_in_key > 0 || missing_in_section > 0)
        return false;

    const QByteArray& old = bytes_;
    const char* d = old.constData();
    const qsizetype first_nl = old.indexOf('\n');
    const QByteArray eol = (first_nl > 0 && d[first_nl - 1] == '\r') || first_nl < 0 ? QByteArray("\r\n")
                                                                                   : QByteArray("\n");

    // Find the first section of that name, its first line of that key, and where the
    // section's last non-blank line ends.
    bool section_found = false;
    bool inside = false;
    qsizetype section_last_end = -1;  // end of the text of the section's last non-blank line
    qsizetype section_last_next = -1;
    Line key_line;
    ParsedLine key_parsed;
    bool key_found = false;
    LineReader lines(old);
    Line line;
    while (lines.next(line)) {
        const ParsedLine p = parse_line(d, line);
        if (p.kind == LineKind::Section) {
            if (inside)
                break;
            inside = name_matches(d, p.name_begin, p.name_end, section_name);
            if (inside) {
                section_found = true;
                section_last_end = line.end;
                section_last_next = line.next;
            }
            continue;
        }
        if (!inside)
            continue;
        if (p.kind == LineKind::Key && name_matches(d, p.name_begin, p.name_end, key_name)) {
            key_found = true;
            key_line = line;
            key_parsed = p;
            break;
        }
        qsizetype s = line.start;
        while (s < line.end && is_blank(d[s]))
            ++s;
        if (s < line.end) {
            section_last_end = line.end;
            section_last_next = line.next;
        }
    }

    QByteArray updated;
    updated.reserve(old.size() + encoded_section.size() + encoded_key.size() + encoded_value.size() + 8);
    if (key_found) {
        // Keep the line up to and including "=", and its line end.
        updated.append(old.constData(), key_parsed.after_equals);
        updated.append(encoded_value);
        updated.append(old.constData() + key_line.end, old.size() - key_line.end);
    } else if (section_found) {
        updated.append(old.constData(), section_last_end);
        const bool had_line_end = section_last_next > section_last_end;
        // The new key takes the line end of the line it follows; that line gets the file's.
        updated.append(had_line_end ? QByteArray(old.constData() + section_last_end,
                                                 section_last_next - section_last_end)
                                    : eol);
        updated.append(encoded_key).append('=').append(encoded_value).append(eol);
        updated.append(old.constData() + section_last_next, old.size() - section_last_next);
    } else {
        updated.append(old);
        if (!updated.isEmpty() && !updated.endsWith('\n'))
            updated.append(eol);
        updated.append('[').append(encoded_section).append(']').append(eol);
        updated.append(encoded_key).append('=').append(encoded_value).append(eol);
    }

    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(updated) != updated.size() || !out.commit())
        return false;
    bytes_ = std::move(updated);
    stamp_ = stamp_of(path_);
    racy_ = is_racy(stamp_);
    loaded_ = true;
    readable_ = true;
    if (unmappable)
        *unmappable = missing;
    return true;
}

}  // namespace orvel
