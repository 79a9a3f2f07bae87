// Form1, the skinned main window, and frmSplash, the start-up splash.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

constexpr FontLayout kComic12{.name = "Comic Sans MS", .centipoints = 1200};
constexpr FontLayout kComic9{.name = "Comic Sans MS", .centipoints = 900};

using enum ControlKind;

constexpr LineLayout kForm1Lines[] = {
    {.name = "Line1", .from = {240, 720}, .to = {600, 720}},
    {.name = "Line2", .from = {600, 720}, .to = {720, 600}},
    {.name = "Line3", .from = {720, 600}, .to = {1080, 600}},
    {.name = "Line4", .from = {240, 1440}, .to = {600, 1440}},
    {.name = "Line5", .from = {600, 1440}, .to = {720, 1320}},
    {.name = "Line6", .from = {720, 1320}, .to = {1080, 1320}},
};

}  // namespace

namespace form1 {

// clang-format off
constexpr ControlLayout Label12{.kind = kLabel, .name = "Label12", .text = "0", .rect = {240, 120, 375, 375}, .font = &kComic12, .foreColour = kRed, .transparent = true, .tab = 9};
constexpr ControlLayout Label13{.kind = kLabel, .name = "Label13", .text = "Days", .rect = {600, 120, 615, 375}, .font = &kComic12, .transparent = true, .tab = 10};
constexpr ControlLayout Label3{.kind = kLabel, .name = "Label3", .text = "0", .rect = {240, 840, 375, 375}, .font = &kComic12, .foreColour = kRed, .transparent = true, .tab = 2};
constexpr ControlLayout Label5{.kind = kLabel, .name = "Label5", .text = "Hrs", .rect = {600, 840, 495, 375}, .font = &kComic12, .transparent = true, .tab = 4};
constexpr ControlLayout Label1{.kind = kLabel, .name = "Label1", .text = "0", .rect = {240, 1560, 375, 375}, .font = &kComic12, .foreColour = kRed, .transparent = true, .tab = 0};
constexpr ControlLayout Label2{.kind = kLabel, .name = "Label2", .text = "Min", .rect = {600, 1560, 495, 375}, .font = &kComic12, .transparent = true, .tab = 1};
constexpr ControlLayout Label8{.kind = kLabel, .name = "Label8", .rect = {1800, 360, 615, 495}, .font = &kComic9, .foreColour = kRed, .transparent = true, .tab = 7};
constexpr ControlLayout Label7{.kind = kLabel, .name = "Label7", .rect = {1560, 960, 975, 495}, .font = &kComic12, .transparent = true, .tab = 6};
constexpr ControlLayout Label6{.kind = kLabel, .name = "Label6", .rect = {1560, 1560, 975, 495}, .font = &kComic12, .transparent = true, .tab = 5};
constexpr ControlLayout Label9{.kind = kLabel, .name = "Label9", .rect = {2400, 0, 135, 255}, .transparent = true, .tab = 8};
constexpr ControlLayout Label4{.kind = kLabel, .name = "Label4", .rect = {2520, 0, 255, 255}, .transparent = true, .tab = 3};
constexpr ControlLayout Label11{.kind = kLabel, .name = "Label11", .rect = {2640, 240, 135, 1815}, .transparent = true, .tab = 11};
// clang-format on

constexpr TimerLayout Timer1{.name = "Timer1", .enabled = false, .intervalMs = 60000};

namespace {
// Bottom of the z-order first: where hotspots overlap, the later one is hit.
constexpr const ControlLayout* kControls[] = {
    &Label12, &Label13, &Label3, &Label5, &Label1, &Label2,
    &Label8,  &Label7,  &Label6, &Label9, &Label4, &Label11,
};
constexpr const TimerLayout* kTimers[] = {&Timer1};
}  // namespace

}  // namespace form1

// clang-format off
const WindowLayout kForm1{.name = "Form1", .caption = "Snoozr 2.5", .frame = Frame::kNone, .client = {2925, 2160}, .start = TwipsPoint{240, 225}, .picture = Picture::kForm1Skin, .back = Colour::System(SystemColour::kButtonFace), .stayOnTop = true, .controls = form1::kControls, .lines = kForm1Lines, .timers = form1::kTimers};

const WindowLayout kFrmSplash{.name = "frmSplash", .caption = "", .frame = Frame::kFixedSingle, .client = {7380, 5295}, .start = TwipsPoint{1890, 1635}, .picture = Picture::kSplash, .back = Colour::System(SystemColour::kButtonFace), .stayOnTop = true};
// clang-format on

}  // namespace snoozr::ui::layout
