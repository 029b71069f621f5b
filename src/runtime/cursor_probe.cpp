#include "runtime/cursor_probe.h"

#include <cstdint>
#include <limits>

#include "runtime/area_at_point.h"
#include "runtime/board_geometry.h"

namespace orvel {

namespace {

const Area& area_or_blank(const Template& t, int index)
{
    static const Area blank;
    if (index < 1 || index > t.area_count || index >= static_cast<int>(t.areas.size()))
        return blank;
    return t.areas[static_cast<size_t>(index)];
}

ProbeResult walk(const Template& t, int x, int y, int dx, int dy)
{
    constexpr int low = std::numeric_limits<int16_t>::min();
    constexpr int high = std::numeric_limits<int16_t>::max();
    ProbeResult r;
    do {
        x += dx;
        y += dy;
        r.point = QPoint(x, y);
        if (x < low || x > high || y < low || y > high) {
            r.area = 0;
            return r;
        }
        r.area = area_at_point(t, x, y);
    } while (r.area == 1);
    return r;
}

}  // namespace

bool is_arrow_key(int key_code)
{
    return key_code == kKeyLeft || key_code == kKeyUp || key_code == kKeyRight || key_code == kKeyDown;
}

std::optional<ProbeResult> probe_neighbour(const Template& t, int cursor, int key_code)
{
    const Area& a = area_or_blank(t, cursor);
    const int cx = round_clamped_int16((a.Xi + a.Xf) / 2.0);
    const int cy = round_clamped_int16((a.Yi + a.Yf) / 2.0);
    switch (key_code) {
    case kKeyLeft:
        return walk(t, a.Xi, cy, -1, 0);
    case kKeyUp:
        return walk(t, cx, a.Yi, 0, -1);
    case kKeyRight:
        return walk(t, a.Xf, cy, 1, 0);
    case kKeyDown:
        return walk(t, cx, a.Yf, 0, 1);
    default:
        return std::nullopt;
    }
}

}  // namespace orvel
