#pragma once
// Arithmetic between template pixels (the 640 x 445 editor canvas) and the
// screen: the board's scale, the board window, the highlight frame, the target
// window's strip beside the board, and board points back to template points.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

#include "model/template.h"

namespace orvel {

// The reference screen: 640 x 477 pixels at 15 twips per pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int kReferenceWidthTwips = 9600;
constexpr int kReferenceHeightTwips = 7155;
// Template pixels above the board kept for its caption and menu bar.
constexpr int kBoardTitleBand = 32;

struct BoardScale {
    double ratio_x = 1.0;  // board pixels per template pixel
    double ratio_y = 1.0;
};

// Nearest integer, halves to the even neighbour; empty when it does not fit 16 bits.
std::optional<int16_t> round_to_int16(double value);
// The same, clamped into the 16-bit range.
int16_t round_clamped_int16(double value);

// Screen width in twips / 9600 and height in twips / 7155. A screen without a
// size (no display information) gives the reference scale 1 x 1.
BoardScale board_scale(QSize screen_pixels);

// The board window's frame in screen pixels, from the root area: 32 template
// pixels more at the top for the caption, unless the root starts at the top.
QRect board_window_rect(const Area& root, BoardScale scale);

// The highlight frame over an area, in board pixels relative to the root
// area's corner. Empty when a difference or a result does not fit 16 bits.
std::optional<QRect> frame_rect(const Area& area, const Area& root, BoardScale scale);

// A press on the board (board pixels) as a template point.
QPoint board_to_template(double board_x, double board_y, const Area& root, BoardScale scale);

// Where a program window goes: the free strip beside the root area (left or
// right, above or below), or just beyond the bottom-right corner of the screen
// when the board leaves no strip in either direction.
QRect target_window_rect(const Area& root, BoardScale scale, QSize screen_pixels);

}  // namespace orvel
