#include "runtime/target_placement.h"

namespace orvel {

namespace {
constexpr int kLongestTitle = 255;
}

bool place_target_window(WindowSystem& windows, WindowId window, const Template& t, BoardScale scale)
{
    if (window == 0 || t.area_count < 1)
        return false;
    const QString title = windows.title(window).left(kLongestTitle);
    if (title.contains(QLatin1String("Orvel"), Qt::CaseSensitive))
        return false;
    const QRect frame = target_window_rect(t.area(1), scale, windows.screen_size());
    windows.move_resize(window, frame);
    windows.set_topmost(window, true);
    return true;
}

}  // namespace orvel
