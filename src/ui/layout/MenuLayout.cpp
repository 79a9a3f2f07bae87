// Form3: a window that is never shown and exists to own the options menu tree.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

constexpr MenuItem kIdleOpts[] = {
    {.name = "Reason", .caption = "Idle Reason"},
    {.name = "BragStats", .caption = "Brag Stats"},
};

// EndAscii and EditAscii are each the only member of an item array of their own.
constexpr MenuItem kAscii[] = {
    {.name = "FrontAscii", .caption = "Front Ascii Changer"},
    {.name = "EndAscii", .caption = "End Ascii Changer", .index = 2},
    {.name = "EditAscii", .caption = "Ascii Editor", .index = 3},
};

constexpr MenuItem kHandle[] = {
    {.name = "ChangeHandle", .caption = "Change Handle"},
};

constexpr MenuItem kIms[] = {
    {.name = "ImOff", .caption = "Ims Off"},
    {.name = "ImOn", .caption = "Ims On"},
};

constexpr MenuItem kAol[] = {
    {.name = "IdleOpts", .caption = "Idle Options", .children = kIdleOpts},
    {.name = "Ascii", .caption = "Ascii", .children = kAscii},
    {.name = "Handle", .caption = "Handle", .children = kHandle},
    {.name = "Ims", .caption = "Ims", .children = kIms},
    {.name = "UpChatInfo", .caption = "UPCHAT"},
};

constexpr MenuItem kAbout[] = {
    {.name = "Contact", .caption = "Contact Brix"},
    {.name = "Help", .caption = "Help"},
};

constexpr MenuItem kFile[] = {
    {.name = "Adv", .caption = "Advertise"},
    {.name = "Aol", .caption = "Aol Options", .children = kAol},
    {.name = "about", .caption = "About", .children = kAbout},
    {.name = "Exit", .caption = "Exit"},
};

}  // namespace

const MenuItem kForm3File{.name = "File", .caption = "File", .children = kFile};

// clang-format off
const WindowLayout kForm3{.name = "Form3", .caption = "Form3", .frame = Frame::kSizable, .minMaxButtons = true, .client = {4680, 3195}, .start = TwipsPoint{2655, 2700}, .back = Colour::System(SystemColour::kButtonFace)};
// clang-format on

}  // namespace snoozr::ui::layout
