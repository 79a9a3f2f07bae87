#pragma once
// Which texts read from the upload window count as numbers, and the progress bar value
// a percentage text gives.

#include <cstdint>
#include <optional>
#include <string_view>

namespace snoozr::upload {

// A number is: optional blanks, an optional sign, digits with an optional decimal fraction
// ("." and digits), optional blanks. Nothing else (no exponent, no ".5", no "5.").
bool IsUploadNumber(std::string_view text);

// The bar's value for a percentage text: the number rounded to the nearest integer, halves
// to even, clamped to 0..100; nothing when the text is not a number.
std::optional<std::int16_t> BarValueOf(std::string_view percent);

}  // namespace snoozr::upload
