#pragma once
// Watches run mode's scanning for the reaction record: when each area was highlighted,
// and, at each switch selection, how long after that the press came and whether the
// selection undoes the one before it. Entries go to a sink (the background writer).
#include <QString>
#include <functional>

#include "model/template.h"
#include "model/user_profile.h"
#include "runtime/reaction_record.h"

namespace orvel {

class ReactionRecorder {
public:
    using Sink = std::function<void(const ReactionEntry&)>;
    // `wall_ms` stamps the entries (ms since 1970); reactions are timed with the
    // times run mode gives, from its own steady clock.
    ReactionRecorder(std::function<int64_t()> wall_ms, Sink sink);

    // Run mode started a board: a new session, nothing highlighted yet.
    void session_started();
    // A step (or a press entering a row) highlighted this area at `at_ms`.
    void area_presented(int area, int64_t at_ms);
    // A switch press that went down at `pressed_at_ms` selected this area.
    void area_selected(const Template& t, const UserProfile& profile, int area, int64_t pressed_at_ms);

private:
    std::function<int64_t()> wall_ms_;
    Sink sink_;
    int64_t session_ = 0;
    int presented_area_ = 0;
    int64_t presented_at_ = 0;
    bool selected_before_ = false;
};

}  // namespace orvel
