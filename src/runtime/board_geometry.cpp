#include "runtime/board_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvel {

namespace {

constexpr int kCanvasWidth = 640;
constexpr int kCanvasHeight = 445;
constexpr int kMinimumStrip = 10;
// Below the board the strip is measured against a 480-pixel-high screen.
constexpr int kReferenceScreenHeight = 480;

double round_half_even(double value)
{
    const double nearest = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

bool fits_int16(long value)
{
    return value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max();
}

// A window needs at least one pixel each way; a strip computed from a board
// that touches the title band can come out empty or negative.
int at_least_one(int value)
{
    return std::max(value, 1);
}

}  // namespace

std::optional<int16_t> round_to_int16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = round_half_even(value);
    if (rounded < std::numeric_limits<int16_t>::min() || rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

int16_t round_clamped_int16(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = round_half_even(std::clamp(value, -32768.0, 32767.0));
    return static_cast<int16_t>(rounded);
}

BoardScale board_scale(QSize screen_pixels)
{
    if (screen_pixels.width() <= 0 || screen_pixels.height() <= 0)
        return BoardScale{};
    return BoardScale{
        static_cast<double>(screen_pixels.width()) * kTwipsPerPixel / kReferenceWidthTwips,
        static_cast<double>(screen_pixels.height()) * kTwipsPerPixel / kReferenceHeightTwips,
    };
}

QRect board_window_rect(const Area& root, BoardScale scale)
{
    const double top_template = root.Yi > 0 ? root.Yi - kBoardTitleBand : root.Yi;
    const int left = static_cast<int>(round_half_even(root.Xi * scale.ratio_x));
    const int top = static_cast<int>(round_half_even(top_template * scale.ratio_y));
    const int width = static_cast<int>(round_half_even((root.Xf - root.Xi) * scale.ratio_x));
    const int height =
        static_cast<int>(round_half_even((root.Yf - root.Yi + kBoardTitleBand) * scale.ratio_y));
    return QRect(left, top, at_least_one(width), at_least_one(height));
}

std::optional<QRect> frame_rect(const Area& area, const Area& root, BoardScale scale)
{
    const long dx = long(area.Xi) - root.Xi;
    const long dy = long(area.Yi) - root.Yi;
    const long w = long(area.Xf) - area.Xi;
    const long h = long(area.Yf) - area.Yi;
    if (!fits_int16(dx) || !fits_int16(dy) || !fits_int16(w) || !fits_int16(h))
        return std::nullopt;
    const auto left = round_to_int16(dx * scale.ratio_x);
    const auto top = round_to_int16(dy * scale.ratio_y);
    const auto width = round_to_int16(w * scale.ratio_x);
    const auto height = round_to_int16(h * scale.ratio_y);
    if (!left || !top || !width || !height)
        return std::nullopt;
    return QRect(*left, *top, *width, *height);
}

QPoint board_to_template(double board_x, double board_y, const Area& root, BoardScale scale)
{
    const double rx = scale.ratio_x > 0 ? scale.ratio_x : 1.0;
    const double ry = scale.ratio_y > 0 ? scale.ratio_y : 1.0;
    return QPoint(round_clamped_int16(board_x / rx + root.Xi), round_clamped_int16(board_y / ry + root.Yi));
}

QRect target_window_rect(const Area& root, BoardScale scale, QSize screen_pixels)
{
    bool full_width = false;
    bool full_height = false;
    int left = 0, width = 0, top = 0, height = 0;

    if (kCanvasWidth - (root.Xf - root.Xi) >= kMinimumStrip) {
        if (root.Xi >= kMinimumStrip) {
            left = 0;
            width = root.Xi - 1;
        } else {
            left = root.Xf - 1;
            width = kCanvasWidth + 1 - root.Xf;
        }
    } else {
        full_width = true;
    }

    if (kCanvasHeight - (root.Yf - root.Yi) >= kMinimumStrip) {
        if (root.Yi >= kMinimumStrip) {
            top = 0;
            height = root.Yi - (kBoardTitleBand + 1);
        } else {
            top = root.Yf + kBoardTitleBand + 1;
            height = kReferenceScreenHeight - top;
        }
    } else {
        full_height = true;
    }

    QRect r;
    r.setLeft(full_width ? 0 : static_cast<int>(round_half_even(left * scale.ratio_x)));
    r.setWidth(full_width ? screen_pixels.width()
                          : at_least_one(static_cast<int>(round_half_even(width * scale.ratio_x))));
    r.setTop(full_height ? 0 : static_cast<int>(round_half_even(top * scale.ratio_y)));
    r.setHeight(full_height ? screen_pixels.height()
                            : at_least_one(static_cast<int>(round_half_even(height * scale.ratio_y))));

    if (full_width && full_height)
        r.moveTo(r.width() + 1, r.height() + 1);  // out of sight, beyond the corner
    return r;
}

}  // namespace orvel
