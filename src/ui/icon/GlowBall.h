#pragma once
// The program's icon, "a red glowing ball on black", as a function of the pixel, so that the
// icon can be drawn at any size without binary art.

#include <cstdint>

namespace snoozr::ui::icon {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// Colour of pixel (x, y) of a square icon `size` pixels wide.
Rgb GlowBallPixel(int x, int y, int size);

}  // namespace snoozr::ui::icon
