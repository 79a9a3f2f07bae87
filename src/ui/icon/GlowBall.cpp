#include "ui/icon/GlowBall.h"

#include <algorithm>
#include <cmath>

namespace snoozr::ui::icon {

namespace {

constexpr double kBallRadius = 0.56;  // of the half-width
constexpr double kGlowWidth = 0.22;   // how far the red halo reaches past the ball

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

Rgb GlowBallPixel(int x, int y, int size) {
    // Sample at the pixel centre, in units of the half-width around the icon's centre.
    const double half = size / 2.0;
    const double u = (x + 0.5 - half) / half;
    const double v = (y + 0.5 - half) / half;
    const double r = std::sqrt(u * u + v * v);
    if (r > kBallRadius) {
        const double t = (r - kBallRadius) / kGlowWidth;
        const double glow = std::exp(-t * t * 1.6);
        return {Channel(0.72 * glow), Channel(0.04 * glow * glow), 0};
    }
    // Shaded sphere lit from the upper left, with a small specular highlight.
    const double depth = std::sqrt(1.0 - (r / kBallRadius) * (r / kBallRadius));
    const double lu = (u / kBallRadius + 0.45);
    const double lv = (v / kBallRadius + 0.45);
    const double lit = std::clamp(0.55 + 0.45 * depth - 0.25 * (lu * lu + lv * lv) * 0.5, 0.0, 1.0);
    const double spot = std::exp(-(lu * lu + lv * lv) * 9.0);
    return {Channel(0.45 + 0.55 * lit + spot), Channel(0.08 * lit + 0.85 * spot),
            Channel(0.06 * lit + 0.75 * spot)};
}

}  // namespace snoozr::ui::icon
