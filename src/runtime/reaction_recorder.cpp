#include "runtime/reaction_recorder.h"

#include "runtime/scan_order.h"

namespace orvel {

ReactionRecorder::ReactionRecorder(std::function<int64_t()> wall_ms, Sink sink)
    : wall_ms_(std::move(wall_ms)), sink_(std::move(sink))
{
}

void ReactionRecorder::session_started()
{
    session_ = wall_ms_ ? wall_ms_() : 0;
    presented_area_ = 0;
    selected_before_ = false;
}

void ReactionRecorder::area_presented(int area, int64_t at_ms)
{
    presented_area_ = area;
    presented_at_ = at_ms;
}

void ReactionRecorder::area_selected(const Template& t, const UserProfile& profile, int area,
                                     int64_t pressed_at_ms)
{
    if (area < 1 || area > t.area_count || area >= static_cast<int>(t.areas.size()))
        return;
    ReactionEntry e;
    e.when_ms = wall_ms_ ? wall_ms_() : 0;
    e.session = session_;
    e.board = t.file_name;
    e.area = static_cast<int16_t>(area);
    e.modus = profile.modus;
    e.step_ms = scan_step_interval_ms(profile.temps, profile.Interval);
    if (area == presented_area_ && pressed_at_ms >= presented_at_)
        e.reaction_ms = static_cast<int32_t>(std::min<int64_t>(pressed_at_ms - presented_at_, 3600 * 1000));
    e.undo = selected_before_ && is_undo_like(t.area(area).keys);
    selected_before_ = true;
    if (sink_)
        sink_(e);
}

}  // namespace orvel
