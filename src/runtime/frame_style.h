#pragma once
// The highlight frame's appearance from the profile's `gruix` and `color`.
#include <cstdint>

namespace orvel {

// The frame's design values, used until automatic scanning applies the profile's.
constexpr int kDesignFrameWidth = 8;
constexpr double kDesignFrameColor = 255;  // red

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// `gruix` below 1 gives the design width.
int frame_border_width(int16_t gruix);

// An RGB number as stored in profiles (red in the low byte). Values outside
// 0..0xFFFFFF (system colour references, garbage) give the design red.
Rgb rgb_from_color_number(double color);
double color_number_from_rgb(const Rgb& rgb);

}  // namespace orvel
