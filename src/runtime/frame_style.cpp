#include "runtime/frame_style.h"

#include <cmath>

namespace orvel {

int frame_border_width(int16_t gruix)
{
    return gruix < 1 ? kDesignFrameWidth : gruix;
}

Rgb rgb_from_color_number(double color)
{
    if (!std::isfinite(color) || color < 0 || color > 0xFFFFFF)
        color = kDesignFrameColor;
    const auto value = static_cast<uint32_t>(std::llround(color));
    return Rgb{static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>((value >> 16) & 0xFF)};
}

double color_number_from_rgb(const Rgb& rgb)
{
    return rgb.red + rgb.green * 256.0 + rgb.blue * 65536.0;
}

}  // namespace orvel
