// Form12, the skinned upload companion window.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {
using enum ControlKind;
constexpr FontLayout kSansBold{.name = "MS Sans Serif", .centipoints = 825, .bold = true};
}  // namespace

namespace form12 {

// Label4 and Text1 start below the client area: they hold values and are never seen.
// clang-format off
constexpr ControlLayout Label1{.kind = kLabel, .name = "Label1", .text = "File:", .rect = {240, 360, 2055, 255}, .font = &kSansBold, .transparent = true, .tab = 0};
constexpr ControlLayout Label2{.kind = kLabel, .name = "Label2", .text = "Minutes Left: ", .rect = {240, 600, 1215, 255}, .font = &kSansBold, .transparent = true, .tab = 1};
constexpr ControlLayout Label3{.kind = kLabel, .name = "Label3", .text = "%", .rect = {1800, 600, 495, 255}, .font = &kSansBold, .transparent = true, .tab = 2};
constexpr ControlLayout Label4{.kind = kLabel, .name = "Label4", .text = "0", .rect = {120, 1680, 255, 255}, .tab = 3};
constexpr ControlLayout Label5{.kind = kLabel, .name = "Label5", .text = "START", .rect = {960, 1080, 735, 255}, .font = &kSansBold, .transparent = true, .tab = 4};
constexpr ControlLayout Text1{.kind = kTextBox, .name = "Text1", .text = "0", .rect = {1680, 1680, 855, 285}, .tab = 5};
constexpr ControlLayout Label6{.kind = kLabel, .name = "Label6", .rect = {2400, 0, 135, 135}, .transparent = true, .tab = 6};
constexpr ControlLayout Label7{.kind = kLabel, .name = "Label7", .rect = {2160, 0, 255, 255}, .transparent = true, .tab = 7};
constexpr ControlLayout DogBar1{.kind = kProgressBar, .name = "DogBar1", .rect = {600, 120, 1185, 165}, .tab = kNoTabStop};
// clang-format on

constexpr TimerLayout Timer1{.name = "Timer1", .enabled = false, .intervalMs = 200};
constexpr TimerLayout Timer2{.name = "Timer2", .enabled = false, .intervalMs = 1};

namespace {
constexpr const ControlLayout* kControls[] = {&Label1, &Label2, &Label3, &Label4, &Label5,
                                              &Text1,  &Label6, &Label7, &DogBar1};
constexpr const TimerLayout* kTimers[] = {&Timer1, &Timer2};
}  // namespace

}  // namespace form12

// clang-format off
const WindowLayout kForm12{.name = "Form12", .caption = "Form12", .frame = Frame::kNone, .client = {2640, 1560}, .start = std::nullopt, .picture = Picture::kForm12Skin, .back = Colour::System(SystemColour::kButtonFace), .controls = form12::kControls, .timers = form12::kTimers};
// clang-format on

}  // namespace snoozr::ui::layout
