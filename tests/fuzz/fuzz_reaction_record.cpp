// Reaction-record reading over arbitrary bytes: no crash, no hang; every entry read has
// values in range, writes back to a line that reads the same, and a suggestion drawn from
// them stays within what a profile holds.
#include <QByteArray>

#include <cstdint>

#include "fuzz_support.h"
#include "runtime/reaction_record.h"
#include "runtime/scan_order.h"
#include "runtime/step_suggestion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvel;
    using namespace orvel::fuzz;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<ReactionEntry> entries = parse_reaction_record(bytes);
    check(entries.size() <= static_cast<size_t>(bytes.count('\n')));
    for (const ReactionEntry& e : entries) {
        check(e.area >= 1 && e.modus >= 0 && e.step_ms >= 0 && e.reaction_ms >= -1 && !e.board.isEmpty());
        const std::vector<ReactionEntry> again = parse_reaction_record(reaction_line(e));
        check(again.size() == 1 && again[0].area == e.area && again[0].reaction_ms == e.reaction_ms &&
              again[0].step_ms == e.step_ms && again[0].undo == e.undo);
    }
    StepSuggestionRules rules;
    rules.fewest_samples = 1;
    if (const auto s = suggest_step(entries, rules))
        check(s->temps >= 1 && s->temps <= kLongestStepTenths && s->samples >= 1);
    selection_counts(entries, QStringLiteral("/b/A.ORV"), 10);
    return 0;
}
