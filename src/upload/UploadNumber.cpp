#include "UploadNumber.h"

#include <algorithm>

namespace snoozr::upload {

namespace {

constexpr std::int16_t kFull = 100;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at;
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// Rounds whole.fraction to the nearest integer, halves to even, and caps it at 100. Works
// on the digits themselves, so long texts neither overflow nor lose the exact half.
std::int16_t RoundCapped(std::string_view whole, std::string_view fraction) {
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > 3)
        return kFull;
    int value = 0;
    for (char digit : whole)
        value = value * 10 + (digit - '0');
    if (!fraction.empty()) {
        const bool aboveHalf =
            fraction[0] > '5' ||
            (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string_view::npos);
        const bool exactHalf = fraction[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactHalf && value % 2 == 1))
            ++value;
    }
    return static_cast<std::int16_t>(std::min<int>(value, kFull));
}

}  // namespace

std::optional<std::int16_t> BarValueOf(std::string_view percent) {
    std::size_t at = SkipBlanks(percent, 0);
    bool negative = false;
    if (at < percent.size() && (percent[at] == '+' || percent[at] == '-')) {
        negative = percent[at] == '-';
        ++at;
    }
    const std::size_t wholeStart = at;
    at = SkipDigits(percent, at);
    const std::string_view whole = percent.substr(wholeStart, at - wholeStart);
    if (whole.empty())
        return std::nullopt;
    std::string_view fraction;
    if (at < percent.size() && percent[at] == '.') {
        const std::size_t fractionStart = ++at;
        at = SkipDigits(percent, at);
        fraction = percent.substr(fractionStart, at - fractionStart);
        if (fraction.empty())
            return std::nullopt;
    }
    if (SkipBlanks(percent, at) != percent.size())
        return std::nullopt;
    // Every negative number rounds to zero or below, so the clamp gives 0.
    if (negative)
        return std::int16_t{0};
    return RoundCapped(whole, fraction);
}

bool IsUploadNumber(std::string_view text) {
    return BarValueOf(text).has_value();
}

}  // namespace snoozr::upload
