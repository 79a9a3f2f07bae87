// The five one-field dialogs: the idle reason, the two decorations, the handle and the stop
// reason. Each is a text box and a "K im done" button on one row.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

using enum ControlKind;

constexpr std::string_view kDone = "K im done";

constexpr ControlLayout kForm2Controls[] = {
    {kTextBox, "Text1", "REASON HERE", {240, 240, 2175, 375}, nullptr, {}, false, 0},
    {kButton, "Command1", kDone, {2640, 240, 855, 375}, nullptr, {}, false, 1},
};

// "O", masculine ordinal, degree sign, left single quotation mark, two blanks.
constexpr ControlLayout kForm4Controls[] = {
    {kTextBox, "Text1", "O\xBA\xB0\x91  ", {120, 240, 2175, 375}, nullptr, {}, false, 0},
    {kButton, "Command1", kDone, {2520, 240, 855, 375}, nullptr, {}, false, 1},
};

// Diaeresis, degree sign, masculine ordinal, "O".
constexpr ControlLayout kForm5Controls[] = {
    {kTextBox,
     "Text1",
     "\xA8\xB0\xBA"
     "O",
     {240, 240, 2055, 375},
     nullptr,
     {},
     false,
     0},
    {kButton, "Command1", kDone, {2520, 240, 855, 375}, nullptr, {}, false, 1},
};

constexpr ControlLayout kForm6Controls[] = {
    {kTextBox, "Text1", "Handle Here", {240, 240, 2175, 375}, nullptr, {}, false, 0},
    {kButton, "Command1", kDone, {2640, 240, 855, 375}, nullptr, {}, false, 1},
};

constexpr ControlLayout kForm11Controls[] = {
    {kTextBox, "Text1", "iM BaCk", {120, 240, 2175, 375}, nullptr, {}, false, 0},
    {kButton, "Command1", kDone, {2520, 240, 855, 375}, nullptr, {}, false, 1},
};

constexpr Colour kDarkShadow = Colour::System(SystemColour::kDarkShadow3d);

}  // namespace

const WindowLayout kForm2{
    "Form2",
    "Why Are You iDLe?",
    Frame::kFixedSingle,
    false,
    {3585, 885},
    TwipsPoint{4125, 3030},
    Picture::kNone,
    kDarkShadow,
    kForm2Controls,
    {},
    {},
};

const WindowLayout kForm4{
    "Form4",
    "Front Ascii Changer",
    Frame::kFixedSingle,
    false,
    {3585, 885},
    TwipsPoint{3900, 3030},
    Picture::kNone,
    kDarkShadow,
    kForm4Controls,
    {},
    {},
};

const WindowLayout kForm5{
    "Form5",
    "End Ascii Changer",
    Frame::kFixedSingle,
    false,
    {3570, 885},
    TwipsPoint{3900, 3030},
    Picture::kNone,
    kDarkShadow,
    kForm5Controls,
    {},
    {},
};

const WindowLayout kForm6{
    "Form6",
    "Wass yo Handle/Nick?",
    Frame::kFixedSingle,
    false,
    {3615, 885},
    TwipsPoint{3900, 3030},
    Picture::kNone,
    kDarkShadow,
    kForm6Controls,
    {},
    {},
};

const WindowLayout kForm11{
    "Form11",
    "Why You Wanna Stop Idle?",
    Frame::kSizable,
    true,
    {3570, 855},
    std::nullopt,
    Picture::kNone,
    kDarkShadow,
    kForm11Controls,
    {},
    {},
};

}  // namespace snoozr::ui::layout
