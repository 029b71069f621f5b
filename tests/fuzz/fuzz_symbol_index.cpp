// The symbol library's word index over arbitrary text: no crash, no hang; every
// symbol read has a picture name and a name in some language, and searching with
// words taken from the input stays within the library.
#include <QByteArray>
#include <QString>

#include <cstdint>

#include "editor/symbol_index.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvel;
    using namespace orvel::fuzz;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    int skipped = -1;
    const SymbolIndex index = SymbolIndex::parse(text, &skipped);
    check(skipped >= 0);
    for (int i = 0; i < index.size(); ++i) {
        const Symbol& s = index.symbol(i);
        check(!s.hexcode.isEmpty());
        bool named = false;
        for (const QString& name : s.names)
            named = named || !name.isEmpty();
        check(named);
    }
    // The first line of the input as a query, and a few beginnings of it.
    const QString query = QString::fromUtf8(text.left(text.indexOf('\n') < 0 ? 64 : text.indexOf('\n')).left(64));
    for (qsizetype n : {qsizetype(1), qsizetype(3), query.size()}) {
        const auto matches = index.search(query.left(n), 50);
        check(matches.size() <= 50);
        for (const SymbolMatch& m : matches)
            check(m.symbol >= 0 && m.symbol < index.size() && !m.label.isEmpty());
    }
    return 0;
}
