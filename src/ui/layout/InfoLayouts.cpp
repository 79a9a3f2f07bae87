// The information windows: Form9, the newbie help, and Form10, the contact details.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

using enum ControlKind;

constexpr FontLayout kComic975{.name = "Comic Sans MS", .centipoints = 975};
constexpr FontLayout kComic1425{.name = "Comic Sans MS", .centipoints = 1425};
constexpr FontLayout kComic1575{.name = "Comic Sans MS", .centipoints = 1575};

constexpr std::string_view kHelpText =
    "Welcome! If your a newbie then this is the write place to be. To Start idling, first you "
    "have to change your handle and the ascii's if you want and then make a reason to be idle. "
    "After That Simply Click the Start button found on the program! There are more options in "
    "the popup menu and you can find this by clicking the OPTIONS text!";

// Fifteen blanks, then the heading: the blanks are text, not a margin.
constexpr std::string_view kHelpHeading = "               Newbie Help";

// The runs of blanks make the label's word wrap put each entry on lines of its own.
constexpr std::string_view kContactText =
    "E-Mail: brix@example.com"
    "    "
    "Aol Screenname:"
    "              "
    "SnoozrBrix"
    "                   "
    "Aim Screenname:"
    "             "
    "BrixSnoozr";

// clang-format off
constexpr ControlLayout kForm9Label1{.kind = kLabel, .name = "Label1", .text = kHelpText, .rect = {120, 480, 4335, 2175}, .font = &kComic975, .tab = 0};
constexpr ControlLayout kForm9Label2{.kind = kLabel, .name = "Label2", .text = kHelpHeading, .rect = {0, 0, 4215, 495}, .font = &kComic1425, .foreColour = kRed, .tab = 1};
constexpr ControlLayout kForm9Command1{.kind = kButton, .name = "Command1", .text = "K i GeT iT NoW!", .rect = {2280, 2400, 1815, 255}, .tab = 2};
constexpr ControlLayout kForm10Label1{.kind = kLabel, .name = "Label1", .text = "CONTACT INFO", .rect = {120, 120, 2535, 495}, .font = &kComic1575, .foreColour = kRed, .tab = 0};
constexpr ControlLayout kForm10Label2{.kind = kLabel, .name = "Label2", .text = kContactText, .rect = {120, 840, 2295, 1695}, .font = &kComic975, .foreColour = kRed, .tab = 1};
constexpr ControlLayout kForm10Command1{.kind = kButton, .name = "Command1", .text = "K iM DoNe", .rect = {1680, 2160, 1095, 375}, .tab = 2};
// clang-format on

constexpr const ControlLayout* kForm9Controls[] = {&kForm9Label1, &kForm9Label2, &kForm9Command1};
constexpr const ControlLayout* kForm10Controls[] = {&kForm10Label1, &kForm10Label2,
                                                    &kForm10Command1};

constexpr Colour kButtonFace = Colour::System(SystemColour::kButtonFace);

}  // namespace

const InfoRows kForm9Rows{kForm9Label1, kForm9Label2, kForm9Command1};
const InfoRows kForm10Rows{kForm10Label1, kForm10Label2, kForm10Command1};

// clang-format off
const WindowLayout kForm9{.name = "Form9", .caption = "i NeED HeLP iM A NeWBiE!", .frame = Frame::kFixedSingle, .client = {4485, 2715}, .start = std::nullopt, .back = kButtonFace, .stayOnTop = true, .controls = kForm9Controls};

const WindowLayout kForm10{.name = "Form10", .caption = "Contact info", .frame = Frame::kSizable, .minMaxButtons = true, .client = {2760, 2550}, .start = TwipsPoint{4365, 2370}, .back = kButtonFace, .stayOnTop = true, .controls = kForm10Controls};
// clang-format on

}  // namespace snoozr::ui::layout
