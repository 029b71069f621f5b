#include "editor/symbol_index.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <tuple>

namespace orvel {

namespace {

constexpr char kHeader[] = "# Orvel symbol words 1";
// Queries longer than this many words are cut: each word is one bit of a mask.
constexpr int kMaxQueryWords = 16;
// A words file larger than this is not an index (the real one is well under a megabyte).
constexpr qint64 kMaxIndexBytes = 64 * 1024 * 1024;

int language_of(const QByteArray& code)
{
    if (code == "ca")
        return static_cast<int>(SymbolLanguage::Catalan);
    if (code == "es")
        return static_cast<int>(SymbolLanguage::Spanish);
    if (code == "en")
        return static_cast<int>(SymbolLanguage::English);
    return -1;
}

bool is_hexcode(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 80)
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '-';
    });
}

// Whether every word of `words` begins one of the space-separated tokens of `text`.
bool covers(const QString& text, const QStringList& words)
{
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&tokens](const QString& w) {
        return std::any_of(tokens.begin(), tokens.end(), [&w](const QString& t) { return t.startsWith(w); });
    });
}

}  // namespace

QString symbol_library_attribution()
{
    return QCoreApplication::translate("Orvel", "Símbols d'OpenMoji (openmoji.org), llicència CC BY-SA 4.0. "
                                                "Paraules de cerca del CLDR d'Unicode.");
}

QString normalised_search_text(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c == QChar(0x00B7))
            continue;
        if (c.isLetterOrNumber())
            out += c.toCaseFolded();
        else if (!out.isEmpty() && !out.endsWith(QLatin1Char(' ')))
            out += QLatin1Char(' ');
    }
    if (out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    return out;
}

SymbolIndex SymbolIndex::parse(const QByteArray& text, int* skipped)
{
    SymbolIndex index;
    int bad = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArray line = text.mid(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        const int language = fields.size() == 4 ? language_of(fields[1]) : -1;
        const QString name = fields.size() == 4 ? QString::fromUtf8(fields[2]).trimmed() : QString();
        if (language < 0 || !is_hexcode(fields[0]) || name.isEmpty()) {
            ++bad;
            continue;
        }
        const QString hexcode = QString::fromLatin1(fields[0]);
        // A symbol's lines follow one another; a hexcode seen again starts no new symbol.
        if (index.symbols_.empty() || index.symbols_.back().hexcode != hexcode) {
            Symbol s;
            s.hexcode = hexcode;
            index.add(std::move(s));
        }
        Symbol& s = index.symbols_.back();
        const auto l = static_cast<size_t>(language);
        s.names[l] = name;
        s.words[l].clear();
        for (const QByteArray& word : fields[3].split('|'))
            if (!word.trimmed().isEmpty())
                s.words[l] << QString::fromUtf8(word).trimmed();
    }
    index.finish();
    if (skipped)
        *skipped = bad;
    return index;
}

std::shared_ptr<const SymbolIndex> SymbolIndex::load(const QString& folder, QString* problem)
{
    const QString path = folder + QStringLiteral("/words.tsv");
    QFile file(path);
    QString why;
    if (!QFileInfo(folder).isDir())
        why = QCoreApplication::translate("Orvel", "No s'ha trobat la biblioteca de símbols (%1).").arg(folder);
    else if (QFileInfo(path).size() > kMaxIndexBytes || !file.open(QIODevice::ReadOnly))
        why = QCoreApplication::translate("Orvel", "No es pot llegir l'índex de símbols %1.").arg(path);
    if (why.isEmpty()) {
        const QByteArray text = file.read(kMaxIndexBytes);
        const bool headed = text.startsWith(kHeader);
        auto index = std::make_shared<SymbolIndex>(parse(text));
        index->folder_ = QDir(folder).absolutePath();
        if (headed && index->size() > 0) {
            if (problem)
                problem->clear();
            return index;
        }
        why = QCoreApplication::translate("Orvel", "L'índex de símbols %1 no té cap símbol.").arg(path);
    }
    if (problem)
        *problem = why + QLatin1Char(' ') +
                   QCoreApplication::translate("Orvel", "Torneu a instal·lar-la amb scripts/install-deps.");
    return nullptr;
}

QString SymbolIndex::picture_path(int i) const
{
    return folder_ + QStringLiteral("/svg/") + symbol(i).hexcode + QStringLiteral(".svg");
}

void SymbolIndex::add(Symbol symbol)
{
    symbols_.push_back(std::move(symbol));
}

void SymbolIndex::finish()
{
    normalised_.clear();
    tokens_.clear();
    for (int i = 0; i < size(); ++i) {
        const Symbol& s = symbols_[static_cast<size_t>(i)];
        Normalised n;
        for (size_t l = 0; l < kSymbolLanguages; ++l) {
            n.names[l] = normalised_search_text(s.names[l]);
            for (const QString& w : s.words[l])
                n.words[l] << normalised_search_text(w);
        }
        // Each distinct token once per symbol, marked when a name holds it.
        std::vector<Token> own;
        auto take = [&own, i](const QString& phrase, bool in_name) {
            for (const QString& t : phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                auto same = std::find_if(own.begin(), own.end(), [&t](const Token& o) { return o.text == t; });
                if (same == own.end())
                    own.push_back({t, i, in_name});
                else
                    same->in_name = same->in_name || in_name;
            }
        };
        for (size_t l = 0; l < kSymbolLanguages; ++l) {
            take(n.names[l], true);
            for (const QString& w : n.words[l])
                take(w, false);
        }
        tokens_.insert(tokens_.end(), own.begin(), own.end());
        normalised_.push_back(std::move(n));
    }
    std::sort(tokens_.begin(), tokens_.end(), [](const Token& a, const Token& b) { return a.text < b.text; });
}

QString SymbolIndex::default_label(int i) const
{
    for (const QString& name : symbol(i).names)
        if (!name.isEmpty())
            return name;
    return symbol(i).hexcode;
}

std::vector<SymbolMatch> SymbolIndex::search(const QString& query, size_t limit) const
{
    std::vector<SymbolMatch> matches;
    const QString q = normalised_search_text(query);
    QStringList words = q.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        for (int i = 0; i < size() && matches.size() < limit; ++i)
            matches.push_back({i, default_label(i), default_label(i), 4});
        return matches;
    }
    if (words.size() > kMaxQueryWords)
        words = words.mid(0, kMaxQueryWords);
    const uint32_t all = (1u << words.size()) - 1;

    std::vector<uint32_t> found(symbols_.size(), 0), whole(symbols_.size(), 0), named(symbols_.size(), 0);
    for (int w = 0; w < words.size(); ++w) {
        const QString& word = words[w];
        auto it = std::lower_bound(tokens_.begin(), tokens_.end(), word,
                                   [](const Token& t, const QString& v) { return t.text < v; });
        for (; it != tokens_.end() && it->text.startsWith(word); ++it) {
            const auto s = static_cast<size_t>(it->symbol);
            found[s] |= 1u << w;
            if (it->text.size() == word.size())
                whole[s] |= 1u << w;
            if (it->in_name)
                named[s] |= 1u << w;
        }
    }

    struct Ranked {
        SymbolMatch match;
        int in_words_only;
        qsizetype name_length;  // of the shortest name holding the query: the more specific
    };
    std::vector<Ranked> ranked;
    for (size_t s = 0; s < symbols_.size(); ++s) {
        if (found[s] != all)
            continue;
        const Symbol& sym = symbols_[s];
        const Normalised& n = normalised_[s];
        SymbolMatch m{static_cast<int>(s), QString(), QString(), whole[s] == all ? 2 : 3};
        auto found_in = [&m, &sym](size_t l, const QString& label, int tier) {
            m.label = label;
            m.name = sym.names[l];
            m.tier = tier;
        };
        for (size_t l = 0; l < kSymbolLanguages && m.label.isEmpty(); ++l)
            if (n.names[l] == q)
                found_in(l, sym.names[l], 0);
        for (size_t l = 0; l < kSymbolLanguages && m.label.isEmpty(); ++l) {
            const qsizetype at = n.words[l].indexOf(q);
            if (at >= 0)
                found_in(l, sym.words[l][at], 1);
        }
        // Otherwise the name (or else the word) that holds every word of the query.
        for (size_t l = 0; l < kSymbolLanguages && m.label.isEmpty(); ++l)
            if (covers(n.names[l], words))
                found_in(l, sym.names[l], m.tier);
        for (size_t l = 0; l < kSymbolLanguages && m.label.isEmpty(); ++l)
            for (qsizetype k = 0; k < n.words[l].size() && m.label.isEmpty(); ++k)
                if (covers(n.words[l][k], words))
                    found_in(l, sym.words[l][k], m.tier);
        if (m.label.isEmpty())
            m.label = default_label(m.symbol);
        if (m.name.isEmpty())
            m.name = default_label(m.symbol);
        qsizetype name_length = 1 << 20;
        for (const QString& name : n.names)
            if (name.size() < name_length && covers(name, words))
                name_length = name.size();
        ranked.push_back({m, named[s] == all ? 0 : 1, name_length});
    }
    auto key = [](const Ranked& r) {
        return std::make_tuple(r.match.tier, r.in_words_only, r.name_length, r.match.label.size(), r.match.symbol);
    };
    auto better = [&key](const Ranked& a, const Ranked& b) { return key(a) < key(b); };
    if (ranked.size() > limit) {
        std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(limit), ranked.end(), better);
        ranked.resize(limit);
    } else {
        std::sort(ranked.begin(), ranked.end(), better);
    }
    matches.reserve(ranked.size());
    for (Ranked& r : ranked)
        matches.push_back(std::move(r.match));
    return matches;
}

}  // namespace orvel
