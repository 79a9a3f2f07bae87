// Form1, the skinned main window, and frmSplash, the start-up splash.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

constexpr FontLayout kComic12{"Comic Sans MS", 1200, false};
constexpr FontLayout kComic9{"Comic Sans MS", 900, false};

using enum ControlKind;

// Listed bottom of the z-order first: where hotspots overlap, the later one is hit.
constexpr ControlLayout kForm1Controls[] = {
    {kLabel, "Label12", "0", {240, 120, 375, 375}, &kComic12, kRed, true, 9},
    {kLabel, "Label13", "Days", {600, 120, 615, 375}, &kComic12, {}, true, 10},
    {kLabel, "Label3", "0", {240, 840, 375, 375}, &kComic12, kRed, true, 2},
    {kLabel, "Label5", "Hrs", {600, 840, 495, 375}, &kComic12, {}, true, 4},
    {kLabel, "Label1", "0", {240, 1560, 375, 375}, &kComic12, kRed, true, 0},
    {kLabel, "Label2", "Min", {600, 1560, 495, 375}, &kComic12, {}, true, 1},
    {kLabel, "Label8", "", {1800, 360, 615, 495}, &kComic9, kRed, true, 7},
    {kLabel, "Label7", "", {1560, 960, 975, 495}, &kComic12, {}, true, 6},
    {kLabel, "Label6", "", {1560, 1560, 975, 495}, &kComic12, {}, true, 5},
    {kLabel, "Label9", "", {2400, 0, 135, 255}, nullptr, {}, true, 8},
    {kLabel, "Label4", "", {2520, 0, 255, 255}, nullptr, {}, true, 3},
    {kLabel, "Label11", "", {2640, 240, 135, 1815}, nullptr, {}, true, 11},
};

constexpr LineLayout kForm1Lines[] = {
    {"Line1", {240, 720}, {600, 720}},   {"Line2", {600, 720}, {720, 600}},
    {"Line3", {720, 600}, {1080, 600}},  {"Line4", {240, 1440}, {600, 1440}},
    {"Line5", {600, 1440}, {720, 1320}}, {"Line6", {720, 1320}, {1080, 1320}},
};

constexpr TimerLayout kForm1Timers[] = {{"Timer1", false, 60000}};

}  // namespace

const WindowLayout kForm1{
    "Form1",
    "Snoozr 2.5",
    Frame::kNone,
    false,
    {2925, 2160},
    TwipsPoint{240, 225},
    Picture::kForm1Skin,
    Colour::System(SystemColour::kButtonFace),
    kForm1Controls,
    kForm1Lines,
    kForm1Timers,
};

const WindowLayout kFrmSplash{
    "frmSplash",
    "",
    Frame::kFixedSingle,
    false,
    {7380, 5295},
    TwipsPoint{1890, 1635},
    Picture::kSplash,
    Colour::System(SystemColour::kButtonFace),
    {},
    {},
    {},
};

}  // namespace snoozr::ui::layout
