#include "runtime/scan_order.h"

#include <algorithm>

namespace orvel {

namespace {
constexpr int kDefaultStepMs = 1000;
constexpr int kMinimumExecutionMs = 100;
}  // namespace

std::optional<int16_t> next_scan_position(const Template& t, int16_t cursor, int16_t scan_level)
{
    const int count = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    if (count <= 0)
        return std::nullopt;
    int position = ((cursor % count) + count) % count;
    for (int tried = 0; tried < count; ++tried) {
        position = (position + 1) % count;
        if (t.areas[static_cast<size_t>(position + 1)].parent == scan_level)
            return static_cast<int16_t>(position);
    }
    return std::nullopt;
}

int scan_step_interval_ms(int16_t temps, int16_t execution_interval)
{
    if (temps <= 0)
        return kDefaultStepMs;
    const int step = std::min<int>(temps, kLongestStepTenths) * 100;
    return std::max(step, execution_interval_ms(execution_interval));
}

int execution_interval_ms(int16_t interval)
{
    return std::max<int>(interval, kMinimumExecutionMs);
}

}  // namespace orvel
