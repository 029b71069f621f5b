// Any key text opened in the command builder and accepted without edits comes
// back unchanged, and every branch or list value it shows splits without a crash.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "editor/command_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvel;
    static const BuilderEntries entries({{QStringLiteral("Negreta"), QStringLiteral("^b"), {}, {}},
                                         {QStringLiteral("Tab"), QStringLiteral("+{TAB}"), {}, {}}});
    const QString keys = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const OpenedRows opened = rows_from_key_text(keys, entries);
    if (confegir_codi(opened.rows, entries, QString()).keys != keys)
        std::abort();
    for (const BuilderRow& row : opened.rows) {
        const SimValue sim = split_sim(row.value);
        const OpenedRows branch = rows_from_key_text(sim.when_true, entries);
        if (confegir_codi(branch.rows, entries, QString()).keys != sim.when_true)
            std::abort();
        list_value(list_items(row.value));
    }
    return 0;
}
