#include "runtime/step_suggestion.h"

#include <algorithm>

#include "runtime/scan_order.h"

namespace orvel {

namespace {
bool automatic_scanning(int modus) { return modus == 2 || modus == 5; }
}  // namespace

std::vector<int> reaction_samples(const std::vector<ReactionEntry>& entries, const StepSuggestionRules& rules)
{
    std::vector<int> samples;
    for (const ReactionEntry& e : entries) {
        if (!automatic_scanning(e.modus) || e.reaction_ms < 0 || e.step_ms <= 0)
            continue;
        int reaction = e.reaction_ms;
        if (e.corrected) {
            if (reaction * 2 >= e.step_ms)
                continue;
            reaction += e.step_ms;
        }
        if (reaction < rules.quickest_ms)
            continue;
        samples.push_back(reaction);
    }
    if (static_cast<int>(samples.size()) > rules.newest_samples)
        samples.erase(samples.begin(), samples.end() - rules.newest_samples);
    return samples;
}

std::optional<StepSuggestion> suggest_step(const std::vector<ReactionEntry>& entries,
                                           const StepSuggestionRules& rules)
{
    std::vector<int> samples = reaction_samples(entries, rules);
    const int n = static_cast<int>(samples.size());
    if (n < std::max(1, rules.fewest_samples))
        return std::nullopt;
    std::sort(samples.begin(), samples.end());
    // Nearest rank: the smallest sample with at least 90 % of the samples at or below it.
    const int rank = (9 * n + 9) / 10;
    StepSuggestion s;
    s.samples = n;
    s.reaction_p90_ms = samples[static_cast<size_t>(rank - 1)];
    const int tenths = (s.reaction_p90_ms + rules.margin_ms + 99) / 100;
    s.temps = static_cast<int16_t>(std::clamp(tenths, 1, kLongestStepTenths));
    return s;
}

}  // namespace orvel
