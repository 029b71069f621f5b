#include "runtime/dwell_selection.h"

#include <algorithm>

namespace orvel {

void DwellSelection::pointer_over(int area, int64_t now_ms)
{
    if (area == area_)
        return;
    area_ = area;
    since_ = now_ms;
    if (area != spent_)
        spent_ = 0;  // it left the area it selected
}

DwellSelection::State DwellSelection::tick(int64_t now_ms)
{
    State s;
    s.area = area_;
    if (!filling())
        return s;
    const int64_t elapsed = std::max<int64_t>(now_ms - since_, 0);
    s.progress = std::min(1.0, static_cast<double>(elapsed) / dwell_ms_);
    if (elapsed >= dwell_ms_) {
        s.selected = area_;
        spent_ = area_;
    }
    return s;
}

void DwellSelection::reset()
{
    area_ = 0;
    spent_ = 0;
    since_ = 0;
}

}  // namespace orvel
