#pragma once
// Word wrap for the labels, worked out by the program so that it is the same everywhere: a line
// ends before the first word that does not fit, and the blanks at that break belong to neither
// line. Some platforms glue a run of blanks to the word before it instead; a run meant to push
// the next word onto a line of its own then drags its own word down too.

#include <functional>
#include <string>
#include <string_view>

namespace snoozr::ui::layout {

// A run's width, in the unit of the line width.
using MeasureText = std::function<int(std::string_view)>;

// The text with "\r\n" at every line end; the line breaks it already holds stay as they are,
// and so do the blanks that begin a paragraph. A word wider than a whole line gets a line of
// its own, for the painter to cut.
std::string WrapLabelText(std::string_view text, int width, const MeasureText& measure);

}  // namespace snoozr::ui::layout
