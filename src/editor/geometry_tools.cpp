#include "editor/geometry_tools.h"

#include <QString>
#include <cmath>
#include <vector>

#include "editor/area_editing.h"
#include "runtime/area_at_point.h"

namespace orvel {

int16_t round_coordinate(double value)
{
    const double r = std::nearbyint(value);  // the default rounding mode halves to even
    return static_cast<int16_t>(std::clamp(r, -32768.0, 32767.0));
}

bool can_subdivide(const Template& t)
{
    const int cur = t.current_area;
    return cur >= 1 && cur <= t.area_count && t.area(cur).is_group == 0;
}

void subdivide_current_area(Template& t, int rows, int columns)
{
    if (!can_subdivide(t) || rows < 1 || columns < 1)
        return;
    const int cur = t.current_area;
    const Area whole = t.area(cur);
    t.area(cur).is_group = -1;
    const int cw = static_cast<int>(std::floor((whole.Xf - whole.Xi) / double(columns)));
    const int ch = static_cast<int>(std::floor((whole.Yf - whole.Yi) / double(rows)));
    t.areas.reserve(t.areas.size() + static_cast<size_t>(rows * columns));
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            Area cell = whole;
            cell.is_group = 0;
            cell.Xi = static_cast<int16_t>(whole.Xi + j * cw);
            cell.Xf = static_cast<int16_t>(cell.Xi + cw);
            cell.Yi = static_cast<int16_t>(whole.Yi + i * ch);
            cell.Yf = static_cast<int16_t>(cell.Yi + ch);
            cell.parent = static_cast<int16_t>(cur);
            if (!add_area(t, cell))
                return;
        }
    }
}

namespace {

// The root band keeps the size it spans across the whole canvas.
void fix_root_band_direction(const QString& side, double& h, double& v)
{
    if (side == QLatin1String("D") || side == QLatin1String("E"))
        v = 100;
    else if (side == QLatin1String("A") || side == QLatin1String("B"))
        h = 100;
}

}  // namespace

void resize_current_area(Template& t, double h, double v)
{
    const int cur = t.current_area;
    if (cur < 1 || cur > t.area_count)
        return;
    const QString side = root_area_side(t);
    fix_root_band_direction(side, h, v);
    Area& a = t.area(cur);
    if (h != 100) {
        if (side == QLatin1String("D"))
            a.Xi = round_coordinate(a.Xf - (a.Xf - a.Xi) * h / 100);
        else
            a.Xf = round_coordinate(a.Xi + (a.Xf - a.Xi) * h / 100);
    }
    if (v != 100) {
        if (side == QLatin1String("B"))
            a.Yi = round_coordinate(a.Yf - (a.Yf - a.Yi) * v / 100);
        else
            a.Yf = round_coordinate(a.Yi + (a.Yf - a.Yi) * v / 100);
    }
    if (a.Xi > a.Xf)
        std::swap(a.Xi, a.Xf);
    if (a.Yi > a.Yf)
        std::swap(a.Yi, a.Yf);
}

void rescale_descendants(Template& t, int n, double h, double v, const Area& old, int join_base)
{
    if (n >= 1 && n <= t.area_count && old.is_group != 0 && (h != 100 || v != 100)) {
        // Breadth first: the children of n, then theirs. Each area is taken once,
        // so a table whose parents loop cannot keep the walk going.
        std::vector<int> found;
        std::vector<char> taken(static_cast<size_t>(t.area_count) + 1, 0);
        std::vector<int> wave{n};
        taken[static_cast<size_t>(n)] = 1;
        while (!wave.empty()) {
            std::vector<int> next;
            for (const int p : wave)
                for (int k = std::max(1, n - 1); k <= t.area_count; ++k)
                    if (!taken[static_cast<size_t>(k)] && t.area(k).parent == p) {
                        taken[static_cast<size_t>(k)] = 1;
                        next.push_back(k);
                    }
            found.insert(found.end(), next.begin(), next.end());
            wave = std::move(next);
        }
        const Area& anchor = t.area(n);
        const double ax = anchor.Xi, ay = anchor.Yi;
        for (const int d : found) {
            Area& a = t.area(d);
            if (h != 100) {
                a.Xi = round_coordinate(ax + (a.Xi - old.Xi) * h / 100);
                a.Xf = round_coordinate(ax + (a.Xf - old.Xi) * h / 100);
            }
            if (v != 100) {
                a.Yi = round_coordinate(ay + (a.Yi - old.Yi) * v / 100);
                a.Yf = round_coordinate(ay + (a.Yf - old.Yi) * v / 100);
            }
        }
    }
    if (join_base == 0)
        return;
    for (int k = join_base + 2; k <= t.area_count; ++k) {
        const int o = t.area(k).origin;
        if (o < 1 || o > join_base)
            continue;
        const int16_t parent = t.area(o).parent;
        t.area(o) = t.area(k);
        t.area(o).parent = parent;
        t.area(o).origin = 0;
    }
}

double resize_percentage(const QString& typed)
{
    bool ok = false;
    const double value = typed.trimmed().toDouble(&ok);
    return ok && value >= 1 && value <= 100 ? value : 100;
}

void redim_areas(Template& t, double h, double v, int join_base)
{
    const int cur = t.current_area;
    if (cur < 1 || cur > t.area_count)
        return;
    if (h < 1 || h > 100)
        h = 100;
    if (v < 1 || v > 100)
        v = 100;
    const Area old = t.area(cur);
    fix_root_band_direction(root_area_side(t), h, v);
    if (h != 100 || v != 100) {
        resize_current_area(t, h, v);
        rescale_descendants(t, cur, h, v, old, join_base);
        t.modified = -1;
    }
    t.cover_outdated = -1;
}

bool adjust_current_area(Template& t)
{
    const int cur = t.current_area;
    if (cur < 1 || cur > t.area_count)
        return false;
    const Area a = t.area(cur);
    const int pi = a.parent >= 0 && a.parent <= t.area_count ? a.parent : 0;
    const Area p = t.area(pi);
    auto free_at = [&](int x, int y) { return area_at_point(t, x, y) == pi; };

    const int y = round_coordinate((a.Yi + a.Yf) / 2.0);
    int left = a.Xi - 1;
    while (left >= p.Xi + 1 && free_at(left, y))
        --left;
    int right = a.Xf + 1;
    while (right <= p.Xf - 1 && free_at(right, y))
        ++right;
    const int x = round_coordinate((left + right) / 2.0);
    int top = a.Yi - 1;
    while (top >= p.Yi + 1 && free_at(x, top))
        --top;
    int bottom = a.Yf + 1;
    while (bottom <= p.Yf - 1 && free_at(x, bottom))
        ++bottom;

    Area& target = t.area(cur);
    target.Xi = static_cast<int16_t>(left);
    target.Xf = static_cast<int16_t>(right);
    target.Yi = static_cast<int16_t>(top);
    target.Yf = static_cast<int16_t>(bottom);
    t.modified = -1;
    return true;
}

}  // namespace orvel
