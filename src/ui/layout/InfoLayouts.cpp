// The information windows: Form9, the newbie help, and Form10, the contact details.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

using enum ControlKind;

constexpr FontLayout kComic975{"Comic Sans MS", 975, false};
constexpr FontLayout kComic1425{"Comic Sans MS", 1425, false};
constexpr FontLayout kComic1575{"Comic Sans MS", 1575, false};

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

constexpr ControlLayout kForm9Controls[] = {
    {kLabel, "Label1", kHelpText, {120, 480, 4335, 2175}, &kComic975, {}, false, 0},
    {kLabel, "Label2", kHelpHeading, {0, 0, 4215, 495}, &kComic1425, kRed, false, 1},
    {kButton, "Command1", "K i GeT iT NoW!", {2280, 2400, 1815, 255}, nullptr, {}, false, 2},
};

constexpr ControlLayout kForm10Controls[] = {
    {kLabel, "Label1", "CONTACT INFO", {120, 120, 2535, 495}, &kComic1575, kRed, false, 0},
    {kLabel, "Label2", kContactText, {120, 840, 2295, 1695}, &kComic975, kRed, false, 1},
    {kButton, "Command1", "K iM DoNe", {1680, 2160, 1095, 375}, nullptr, {}, false, 2},
};

constexpr Colour kButtonFace = Colour::System(SystemColour::kButtonFace);

}  // namespace

const WindowLayout kForm9{
    "Form9",
    "i NeED HeLP iM A NeWBiE!",
    Frame::kFixedSingle,
    false,
    {4485, 2715},
    std::nullopt,
    Picture::kNone,
    kButtonFace,
    kForm9Controls,
    {},
    {},
};

const WindowLayout kForm10{
    "Form10",       "Contact info", Frame::kSizable, true, {2760, 2550}, TwipsPoint{4365, 2370},
    Picture::kNone, kButtonFace,    kForm10Controls, {},   {},
};

}  // namespace snoozr::ui::layout
