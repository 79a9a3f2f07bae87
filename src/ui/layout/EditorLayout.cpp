// Form7, the borderless decoration editor.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

using enum ControlKind;

constexpr ControlLayout kForm7Controls[] = {
    {kListBox, "List1", "", {120, 240, 1455, 1425}, nullptr, {}, false, 0},
    {kListBox, "List2", "", {1560, 240, 1455, 1425}, nullptr, {}, false, 1},
    {kTextBox, "Text1", "Ascii Editor By: Brix", {120, 1680, 2895, 615}, nullptr, {}, false, 2},
    {kButton, "Command3", "K iM DoNe", {1080, 2400, 855, 495}, nullptr, {}, false, 3},
    {kLabel, "Label1", "X", {2760, 0, 255, 255}, nullptr, kRed, true, 4},
};

}  // namespace

const WindowLayout kForm7{
    "Form7",
    "Ascii Editor By: Brix",
    Frame::kNone,
    false,
    {3090, 2910},
    TwipsPoint{4530, 2700},
    Picture::kNone,
    Colour::System(SystemColour::kButtonText),
    kForm7Controls,
    {},
    {},
};

}  // namespace snoozr::ui::layout
