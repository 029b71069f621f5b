#include "runtime/press_filter.h"

#include <algorithm>
#include <vector>

namespace orvel {

void PressFilter::set_times(int acceptance_ms, int post_acceptance_ms)
{
    acceptance_ms_ = std::max(acceptance_ms, 0);
    post_acceptance_ms_ = std::max(post_acceptance_ms, 0);
}

void PressFilter::press(int id, std::function<void()> act)
{
    // A down for a switch already held starts over: its release went elsewhere.
    // (The keyboard's auto-repeat is left out before it gets here.)
    const int64_t now = clock_.now_ms();
    Held& h = held_[id];
    h.since = now;
    if (counted_once_ && post_acceptance_ms_ > 0 && now - last_counted_ < post_acceptance_ms_)
        return;  // held but never counted: its release ends it
    h.act = std::move(act);
    if (acceptance_ms_ == 0)
        count(h);
}

void PressFilter::release(int id)
{
    held_.erase(id);
}

void PressFilter::tick()
{
    const int64_t now = clock_.now_ms();
    // `act` may change the filter (a new profile): walk a copy of the ids.
    std::vector<int> ids;
    for (const auto& [id, h] : held_)
        if (h.act)
            ids.push_back(id);
    for (int id : ids) {
        const auto found = held_.find(id);
        if (found != held_.end() && found->second.act && now - found->second.since >= acceptance_ms_)
            count(found->second);
    }
}

bool PressFilter::waiting() const
{
    return std::any_of(held_.begin(), held_.end(), [](const auto& entry) { return bool(entry.second.act); });
}

bool PressFilter::holding(int longest_ms) const
{
    const int64_t now = clock_.now_ms();
    return std::any_of(held_.begin(), held_.end(),
                       [&](const auto& entry) { return now - entry.second.since < longest_ms; });
}

void PressFilter::count(Held& h)
{
    last_counted_ = clock_.now_ms();
    counted_once_ = true;
    std::function<void()> act = std::move(h.act);
    h.act = nullptr;
    act();
}

}  // namespace orvel
