// The five one-field dialogs: the idle reason, the two decorations, the handle and the stop
// reason. Each is a text box and a "K im done" button on one row.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

using enum ControlKind;

constexpr std::string_view kDone = "K im done";
constexpr Colour kDarkShadow = Colour::System(SystemColour::kDarkShadow3d);

// clang-format off
constexpr ControlLayout kForm2Text1{.kind = kTextBox, .name = "Text1", .text = "REASON HERE", .rect = {240, 240, 2175, 375}, .tab = 0};
constexpr ControlLayout kForm2Command1{.kind = kButton, .name = "Command1", .text = kDone, .rect = {2640, 240, 855, 375}, .tab = 1};
// "O", masculine ordinal, degree sign, left single quotation mark, two blanks.
constexpr ControlLayout kForm4Text1{.kind = kTextBox, .name = "Text1", .text = "O\xBA\xB0\x91  ", .rect = {120, 240, 2175, 375}, .tab = 0};
constexpr ControlLayout kForm4Command1{.kind = kButton, .name = "Command1", .text = kDone, .rect = {2520, 240, 855, 375}, .tab = 1};
// Diaeresis, degree sign, masculine ordinal, "O".
constexpr ControlLayout kForm5Text1{.kind = kTextBox, .name = "Text1", .text = "\xA8\xB0\xBA" "O", .rect = {240, 240, 2055, 375}, .tab = 0};
constexpr ControlLayout kForm5Command1{.kind = kButton, .name = "Command1", .text = kDone, .rect = {2520, 240, 855, 375}, .tab = 1};
constexpr ControlLayout kForm6Text1{.kind = kTextBox, .name = "Text1", .text = "Handle Here", .rect = {240, 240, 2175, 375}, .tab = 0};
constexpr ControlLayout kForm6Command1{.kind = kButton, .name = "Command1", .text = kDone, .rect = {2640, 240, 855, 375}, .tab = 1};
constexpr ControlLayout kForm11Text1{.kind = kTextBox, .name = "Text1", .text = "iM BaCk", .rect = {120, 240, 2175, 375}, .tab = 0};
constexpr ControlLayout kForm11Command1{.kind = kButton, .name = "Command1", .text = kDone, .rect = {2520, 240, 855, 375}, .tab = 1};
// clang-format on

constexpr const ControlLayout* kForm2Controls[] = {&kForm2Text1, &kForm2Command1};
constexpr const ControlLayout* kForm4Controls[] = {&kForm4Text1, &kForm4Command1};
constexpr const ControlLayout* kForm5Controls[] = {&kForm5Text1, &kForm5Command1};
constexpr const ControlLayout* kForm6Controls[] = {&kForm6Text1, &kForm6Command1};
constexpr const ControlLayout* kForm11Controls[] = {&kForm11Text1, &kForm11Command1};

}  // namespace

const OneFieldRows kForm2Rows{kForm2Text1, kForm2Command1};
const OneFieldRows kForm4Rows{kForm4Text1, kForm4Command1};
const OneFieldRows kForm5Rows{kForm5Text1, kForm5Command1};
const OneFieldRows kForm6Rows{kForm6Text1, kForm6Command1};
const OneFieldRows kForm11Rows{kForm11Text1, kForm11Command1};

// clang-format off
const WindowLayout kForm2{.name = "Form2", .caption = "Why Are You iDLe?", .frame = Frame::kFixedSingle, .client = {3585, 885}, .start = TwipsPoint{4125, 3030}, .back = kDarkShadow, .stayOnTop = true, .controls = kForm2Controls};
const WindowLayout kForm4{.name = "Form4", .caption = "Front Ascii Changer", .frame = Frame::kFixedSingle, .client = {3585, 885}, .start = TwipsPoint{3900, 3030}, .back = kDarkShadow, .stayOnTop = true, .controls = kForm4Controls};
const WindowLayout kForm5{.name = "Form5", .caption = "End Ascii Changer", .frame = Frame::kFixedSingle, .client = {3570, 885}, .start = TwipsPoint{3900, 3030}, .back = kDarkShadow, .stayOnTop = true, .controls = kForm5Controls};
const WindowLayout kForm6{.name = "Form6", .caption = "Wass yo Handle/Nick?", .frame = Frame::kFixedSingle, .client = {3615, 885}, .start = TwipsPoint{3900, 3030}, .back = kDarkShadow, .stayOnTop = true, .controls = kForm6Controls};
// The one dialog that does not make itself topmost.
const WindowLayout kForm11{.name = "Form11", .caption = "Why You Wanna Stop Idle?", .frame = Frame::kSizable, .minMaxButtons = true, .client = {3570, 855}, .start = std::nullopt, .back = kDarkShadow, .controls = kForm11Controls};
// clang-format on

}  // namespace snoozr::ui::layout
