// Form12, the skinned upload companion window.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

using enum ControlKind;

constexpr FontLayout kSansBold{"MS Sans Serif", 825, true};

// Label4 and Text1 start below the client area: they hold values and are never seen.
constexpr ControlLayout kForm12Controls[] = {
    {kLabel, "Label1", "File:", {240, 360, 2055, 255}, &kSansBold, {}, true, 0},
    {kLabel, "Label2", "Minutes Left: ", {240, 600, 1215, 255}, &kSansBold, {}, true, 1},
    {kLabel, "Label3", "%", {1800, 600, 495, 255}, &kSansBold, {}, true, 2},
    {kLabel, "Label4", "0", {120, 1680, 255, 255}, nullptr, {}, false, 3},
    {kLabel, "Label5", "START", {960, 1080, 735, 255}, &kSansBold, {}, true, 4},
    {kTextBox, "Text1", "0", {1680, 1680, 855, 285}, nullptr, {}, false, 5},
    {kLabel, "Label6", "", {2400, 0, 135, 135}, nullptr, {}, true, 6},
    {kLabel, "Label7", "", {2160, 0, 255, 255}, nullptr, {}, true, 7},
    {kProgressBar, "DogBar1", "", {600, 120, 1185, 165}, nullptr, {}, false, kNoTabStop},
};

constexpr TimerLayout kForm12Timers[] = {
    {"Timer1", false, 200},
    {"Timer2", false, 1},
};

}  // namespace

const WindowLayout kForm12{
    "Form12",        "Form12",     Frame::kNone,         false,
    {2640, 1560},    std::nullopt, Picture::kForm12Skin, Colour::System(SystemColour::kButtonFace),
    kForm12Controls, {},           kForm12Timers,
};

}  // namespace snoozr::ui::layout
