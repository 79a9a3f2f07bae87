#pragma once
// How a label paints its caption: word-wrapped inside its rectangle. A rectangle with room for
// one line only keeps its caption on that line, in a smaller size of the font where needed,
// instead of wrapping the end onto a line nobody sees (a substitute font is often wider than
// the layout's own). A NUL ends the painted text, as it ends a C string; the caption keeps it.

#include <windows.h>

#include <string_view>

namespace snoozr::ui {

// Uses the font, colour and background mode selected into `dc`.
void DrawLabelCaption(HDC dc, std::string_view caption, const RECT& bounds);

}  // namespace snoozr::ui
