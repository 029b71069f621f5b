#pragma once
// The symbol library's word index: which pictures a word finds, in Catalan, Spanish
// and English. The index file (words.tsv, written by scripts/symbol-index.js) holds one
// line per symbol and language: HEXCODE, language, name and the words that find it,
// separated by tabs, the words by "|". Searching is by whole words and word
// beginnings, without regard to letter case or accents; the best matches come first.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace orvel {

enum class SymbolLanguage : uint8_t { Catalan, Spanish, English };
inline constexpr size_t kSymbolLanguages = 3;

struct Symbol {
    QString hexcode;                                  // the picture: svg/HEXCODE.svg
    std::array<QString, kSymbolLanguages> names;      // "" where the language has none
    std::array<QStringList, kSymbolLanguages> words;  // as written in the index
};

struct SymbolMatch {
    int symbol = -1;  // index into the library
    QString label;    // the name or word that was found, as written (names the file)
    QString name;     // the symbol's name in the language of the label (shown)
    int tier = 0;     // 0 a whole name, 1 a whole word, 2 whole words inside, 3 beginnings, 4 no search
};

// The credit the library's licence asks for, shown wherever its pictures are offered.
QString symbol_library_attribution();

// Lower case, accents and marks removed, anything but letters and digits a space;
// the Catalan middle dot joins ("col·legi" is "collegi").
QString normalised_search_text(const QString& text);

class SymbolIndex {
public:
    // The index from the text of a words file. Lines that are not well formed are
    // skipped and counted in *skipped; a text with no symbol gives an empty index.
    static SymbolIndex parse(const QByteArray& text, int* skipped = nullptr);
    // The library in `folder` (its words.tsv). Null with a message for the person in
    // *problem when the folder or its index is missing or holds no symbol.
    static std::shared_ptr<const SymbolIndex> load(const QString& folder, QString* problem);

    int size() const { return static_cast<int>(symbols_.size()); }
    const Symbol& symbol(int i) const { return symbols_[static_cast<size_t>(i)]; }
    QString folder() const { return folder_; }
    // The picture file of symbol i.
    QString picture_path(int i) const;

    // Symbols every word of `query` finds (as a whole word or a word's beginning, in
    // any language), best first: a whole name, then a whole word, then whole words
    // inside names or words, then beginnings; within a tier, matches in a name before
    // matches in words only, then the shortest such name, the shorter label, the
    // library's order. An empty
    // query lists the whole library. At most `limit` matches.
    std::vector<SymbolMatch> search(const QString& query, size_t limit = SIZE_MAX) const;

private:
    struct Token {
        QString text;  // normalised
        int symbol;
        bool in_name;
    };
    struct Normalised {
        std::array<QString, kSymbolLanguages> names;
        std::array<QStringList, kSymbolLanguages> words;
    };
    void add(Symbol symbol);
    void finish();
    QString default_label(int i) const;

    QString folder_;
    std::vector<Symbol> symbols_;
    std::vector<Normalised> normalised_;
    std::vector<Token> tokens_;  // sorted by text
};

}  // namespace orvel
