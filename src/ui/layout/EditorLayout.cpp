// Form7, the borderless decoration editor.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {
using enum ControlKind;
}  // namespace

namespace form7 {

// clang-format off
constexpr ControlLayout List1{.kind = kListBox, .name = "List1", .rect = {120, 240, 1455, 1425}, .tab = 0};
constexpr ControlLayout List2{.kind = kListBox, .name = "List2", .rect = {1560, 240, 1455, 1425}, .tab = 1};
constexpr ControlLayout Text1{.kind = kTextBox, .name = "Text1", .text = "Ascii Editor By: Brix", .rect = {120, 1680, 2895, 615}, .tab = 2};
constexpr ControlLayout Command3{.kind = kButton, .name = "Command3", .text = "K iM DoNe", .rect = {1080, 2400, 855, 495}, .tab = 3};
constexpr ControlLayout Label1{.kind = kLabel, .name = "Label1", .text = "X", .rect = {2760, 0, 255, 255}, .foreColour = kRed, .transparent = true, .tab = 4};
// clang-format on

namespace {
constexpr const ControlLayout* kControls[] = {&List1, &List2, &Text1, &Command3, &Label1};
}  // namespace

}  // namespace form7

// clang-format off
const WindowLayout kForm7{.name = "Form7", .caption = "Ascii Editor By: Brix", .frame = Frame::kNone, .client = {3090, 2910}, .start = TwipsPoint{4530, 2700}, .back = Colour::System(SystemColour::kButtonText), .stayOnTop = true, .controls = form7::kControls};
// clang-format on

}  // namespace snoozr::ui::layout
