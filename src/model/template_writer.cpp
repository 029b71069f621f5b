// The board file writer: Windows-1252 text in the layout of version 2, 1.
#include "model/template_file.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/atomic_file.h"
#include "model/cp1252.h"

namespace orvel {

namespace {

constexpr char kPilcrowByte = '\xB6';  // "¶" stands for a double quote inside quoted text

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

QString unmappable_message(const QString& path)
{
    return QCoreApplication::translate("Orvel", "Alguns caràcters no es poden desar amb el joc de caràcters del fitxer "
                          "i s'han desat com a \"?\": ") + path;
}

}  // namespace orvel
