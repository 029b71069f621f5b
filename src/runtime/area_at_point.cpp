#include "runtime/area_at_point.h"

#include <algorithm>

namespace orvel {

int area_at_point(const Template& t, int x, int y)
{
    const int last = std::min<int>(t.area_count, static_cast<int>(t.areas.size()) - 1);
    for (int i = last; i >= 1; --i) {
        const Area& a = t.areas[static_cast<size_t>(i)];
        const int left = std::min(a.Xi, a.Xf), right = std::max(a.Xi, a.Xf);
        const int top = std::min(a.Yi, a.Yf), bottom = std::max(a.Yi, a.Yf);
        if (left <= x && x <= right && top <= y && y <= bottom)
            return i;
    }
    return 0;
}

}  // namespace orvel
