#include "editor/area_editing.h"

#include <algorithm>

namespace orvel {

namespace {

bool strictly_inside_root(const Template& t, int x, int y)
{
    const Area& root = t.area(1);
    return root.Xi < x && x < root.Xf && root.Yi < y && y < root.Yf;
}

QPoint clamp_to_canvas(int x, int y)
{
    return {std::clamp(x, 0, kCanvasWidth), std::clamp(y, 0, kCanvasHeight)};
}

int16_t i16(int v)
{
    return static_cast<int16_t>(v);
}

}  // namespace

TrackResult track_new_area(Template& t, RubberBand& band, int x, int y, TrackPhase phase)
{
    const bool empty = t.area_count == 0;
    if (!empty && !strictly_inside_root(t, x, y))
        return TrackResult::Ignored;

    switch (phase) {
    case TrackPhase::Down:
        if (band.dragging)
            return TrackResult::Ignored;
        band.start = QPoint(x, y);
        if (empty)  // the first area starts at the nearest canvas corner
            band.start = QPoint(kCanvasWidth - x < x ? kCanvasWidth : 0, kCanvasHeight - y < y ? kCanvasHeight : 0);
        band.end = QPoint(x, y);
        band.dragging = true;
        return TrackResult::Changed;
    case TrackPhase::Move:
        if (!band.dragging)
            return TrackResult::Ignored;
        band.end = clamp_to_canvas(x, y);
        return TrackResult::Changed;
    case TrackPhase::Up: break;
    }
    if (!band.dragging)
        return TrackResult::Ignored;
    const QPoint p = clamp_to_canvas(x, y);
    band.end = p;
    if (empty) {
        // The first area is a band along one canvas edge spanning the whole width or height.
        const double across = std::abs(p.x() - band.start.x()) / double(kCanvasWidth);
        const double down = std::abs(p.y() - band.start.y()) / double(kCanvasHeight);
        if (across > down)
            band.end = QPoint(std::abs(kCanvasWidth - band.start.x()), p.y());
        else
            band.end = QPoint(p.x(), std::abs(kCanvasHeight - band.start.y()));
    }
    band.dragging = false;
    if (band.start.x() == band.end.x() || band.start.y() == band.end.y())
        return TrackResult::Nothing;

    Area a;
    a.Xi = i16(std::min(band.start.x(), band.end.x()));
    a.Xf = i16(std::max(band.start.x(), band.end.x()));
    a.Yi = i16(std::min(band.start.y(), band.end.y()));
    a.Yf = i16(std::max(band.start.y(), band.end.y()));
    const int cur = t.current_area;
    if (cur >= 1 && cur <= t.area_count) {
        const Area& c = t.area(cur);
        auto clip = [](int16_t v, int16_t lo, int16_t hi) { return v < lo ? lo : (v > hi ? hi : v); };
        a.Xi = clip(a.Xi, c.Xi, c.Xf);
        a.Xf = clip(a.Xf, c.Xi, c.Xf);
        a.Yi = clip(a.Yi, c.Yi, c.Yf);
        a.Yf = clip(a.Yf, c.Yi, c.Yf);
        a.parent = i16(cur);
    }
    if (!add_area(t, a))
        return TrackResult::Nothing;
    band.drawing = false;
    return TrackResult::Appended;
}

QString root_area_side(const Template& t)
{
    if (t.current_area != 1 || t.area_count < 1)
        return {};
    const Area& r = t.area(1);
    QString side;
    if (r.Yi == 0 && r.Xf == kCanvasWidth && r.Yf == kCanvasHeight)
        side = QStringLiteral("D");
    if (r.Xi == 0 && r.Yi == 0 && r.Yf == kCanvasHeight)
        side = QStringLiteral("E");
    if (r.Xi == 0 && r.Yi == 0 && r.Xf == kCanvasWidth)
        side = QStringLiteral("A");
    if (r.Xi == 0 && r.Xf == kCanvasWidth && r.Yf == kCanvasHeight)
        side = QStringLiteral("B");
    if (r.Xi == 0 && r.Yi == 0 && r.Xf == kCanvasWidth && r.Yf == kCanvasHeight)
        side.clear();
    return side;
}

bool edge_change_accepted(const Template& t, Edge edge, int value)
{
    if (t.area_count < 1)
        return false;
    const Area& root = t.area(1);
    if (t.current_area > 1) {
        switch (edge) {
        case Edge::Xi: return value >= root.Xi;
        case Edge::Xf: return value <= root.Xf;
        case Edge::Yi: return value >= root.Yi;
        case Edge::Yf: return value <= root.Yf;
        }
    }
    if (t.current_area != 1)
        return false;
    const QString side = root_area_side(t);
    switch (edge) {
    case Edge::Xi: return side == QLatin1String("D");
    case Edge::Xf: return side == QLatin1String("E");
    case Edge::Yi: return side == QLatin1String("B");
    case Edge::Yf: return side == QLatin1String("A");
    }
    return false;
}

int validar_area_consec(const Template& t, int join_base, int hit)
{
    const int join = join_base + 1;
    if (join < 1 || join > t.area_count || hit < 1 || hit > t.area_count)
        return 0;
    const Area& j = t.area(join);
    if (hit == j.origin)
        return 5;
    const Area& c = t.area(hit);
    if (c.parent != j.parent)
        return 0;
    if (j.Xi == c.Xi && j.Xf == c.Xf) {
        if (j.Yf == c.Yi)
            return 1;
        if (j.Yi == c.Yf)
            return 2;
    }
    if (j.Yi == c.Yi && j.Yf == c.Yf) {
        if (j.Xf == c.Xi)
            return 3;
        if (j.Xi == c.Xf)
            return 4;
    }
    return 0;
}

int join_click(Template& t, int16_t& join_base, int hit)
{
    const int cur = t.current_area;
    if (join_base == 0) {
        if (cur < 1 || cur > t.area_count)
            return cur;
        join_base = t.area_count;
        Area join = t.area(cur);
        join.is_group = -1;
        join.origin = i16(cur);
        if (!add_area(t, join)) {
            join_base = 0;
            return cur;
        }
        Area member = t.area(cur);
        member.parent = i16(join_base + 1);
        member.origin = i16(cur);
        add_area(t, member);
    }
    const int join_index = join_base + 1;
    const int side = validar_area_consec(t, join_base, hit);
    if (side != 0) {
        Area member = t.area(hit);
        member.parent = i16(join_index);
        member.origin = i16(hit);
        add_area(t, member);
        Area& j = t.area(join_index);
        const Area& c = t.area(hit);
        switch (side) {
        case 1: j.Yf = c.Yf; break;
        case 2: j.Yi = c.Yi; break;
        case 3: j.Xf = c.Xf; break;
        case 4: j.Xi = c.Xi; break;
        default: break;
        }
    }
    return join_index;
}

void drop_join(Template& t, int16_t& join_base)
{
    if (join_base != 0 && join_base < t.area_count) {
        t.areas.resize(static_cast<size_t>(join_base) + 1);
        t.area_count = join_base;
        if (t.current_area > t.area_count)
            t.current_area = 0;
    }
    join_base = 0;
}

std::optional<int> next_area(const Template& t)
{
    if (t.current_area < t.area_count)
        return t.current_area + 1;
    return std::nullopt;
}

std::optional<int> previous_area(const Template& t)
{
    if (t.current_area > 1)
        return t.current_area - 1;
    return std::nullopt;
}

bool delete_current_area(Template& t)
{
    const int cur = t.current_area;
    if (cur <= 1 || cur > t.area_count || t.area(cur).is_group != 0)
        return false;
    t.cover_outdated = -1;
    delete_area(t, cur);
    t.current_area = t.area_count;
    return true;
}

}  // namespace orvel
