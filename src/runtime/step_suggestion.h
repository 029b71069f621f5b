#pragma once
// A scanning step time fitted to the person, from the reaction record: the 90th
// percentile of their recent reaction times in automatic scanning plus a margin,
// rounded up to the tenth of a second that the profile's `temps` holds.
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/reaction_record.h"

namespace orvel {

struct StepSuggestionRules {
    int fewest_samples = 20;    // below this no suggestion is made
    int newest_samples = 200;   // only the latest presses count: the person changes
    int margin_ms = 200;
    int quickest_ms = 100;      // a quicker press is a bounce or a guess, not a reaction
};

struct StepSuggestion {
    int16_t temps = 0;    // tenths of a second, as the profile stores the step
    int samples = 0;      // reactions it was made from
    int reaction_p90_ms = 0;
};

// The reaction samples of automatic scanning, oldest first. A selection that was undone
// at once and came early in its step was most likely meant for the area before: its
// reaction counts from that area's step (one step longer). Other undone selections say
// nothing of the reaction and are left out.
std::vector<int> reaction_samples(const std::vector<ReactionEntry>& entries, const StepSuggestionRules& rules = {});

// Empty while there are fewer samples than the rules ask for.
std::optional<StepSuggestion> suggest_step(const std::vector<ReactionEntry>& entries,
                                           const StepSuggestionRules& rules = {});

}  // namespace orvel
