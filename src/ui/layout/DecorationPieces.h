#pragma once
// The decoration editor's preset texts, as code page 1252 bytes: the ASCII-art pieces of its
// List1 and the single characters of its List2, in list order.

#include <array>
#include <string_view>

namespace snoozr::ui::layout {

extern const std::array<std::string_view, 30> kDecorationPieces;
extern const std::array<std::string_view, 12> kDecorationCharacters;

}  // namespace snoozr::ui::layout
