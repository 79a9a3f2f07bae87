#pragma once
// Twips and design pixels (the 96 dots-per-inch pixels the artwork is drawn in) to device
// pixels at a given DPI, rounded to the nearest pixel.

namespace snoozr::ui::layout {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;

constexpr int RoundedScale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

constexpr int TwipsToPixels(int twips, int dpi) {
    return RoundedScale(twips, dpi, kTwipsPerInch);
}

constexpr int DesignToPixels(int designPixels, int dpi) {
    return RoundedScale(designPixels, dpi, kDesignDpi);
}

static_assert(TwipsToPixels(2925, 96) == 195 && TwipsToPixels(240, 144) == 24);
static_assert(DesignToPixels(195, 192) == 390 && DesignToPixels(-3, 144) == -5);

}  // namespace snoozr::ui::layout
