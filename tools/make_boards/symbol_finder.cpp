#include "make_boards/symbol_finder.h"

#include <cstdio>

#include "editor/symbol_index.h"

namespace orvel::boards {

SymbolFinder::SymbolFinder(const QString& folder) : index_(SymbolIndex::load(folder, &problem_)) {}

QString SymbolFinder::picture(const QString& words) const
{
    const std::vector<SymbolMatch> found = index_ ? index_->search(words, 1) : std::vector<SymbolMatch>();
    if (found.empty()) {
        std::fprintf(stderr, "no symbol for \"%s\"\n", qPrintable(words));
        return QString();
    }
    return index_->picture_path(found.front().symbol);
}

}  // namespace orvel::boards
