// Form3: a window that is never shown and exists to own the options menu tree.

#include "ui/layout/Layouts.h"

namespace snoozr::ui::layout {

namespace {

constexpr MenuItem kIdleOpts[] = {
    {"Reason", "Idle Reason", std::nullopt, {}},
    {"BragStats", "Brag Stats", std::nullopt, {}},
};

// EndAscii and EditAscii are each the only member of an item array of their own.
constexpr MenuItem kAscii[] = {
    {"FrontAscii", "Front Ascii Changer", std::nullopt, {}},
    {"EndAscii", "End Ascii Changer", 2, {}},
    {"EditAscii", "Ascii Editor", 3, {}},
};

constexpr MenuItem kHandle[] = {
    {"ChangeHandle", "Change Handle", std::nullopt, {}},
};

constexpr MenuItem kIms[] = {
    {"ImOff", "Ims Off", std::nullopt, {}},
    {"ImOn", "Ims On", std::nullopt, {}},
};

constexpr MenuItem kAol[] = {
    {"IdleOpts", "Idle Options", std::nullopt, kIdleOpts},
    {"Ascii", "Ascii", std::nullopt, kAscii},
    {"Handle", "Handle", std::nullopt, kHandle},
    {"Ims", "Ims", std::nullopt, kIms},
    {"UpChatInfo", "UPCHAT", std::nullopt, {}},
};

constexpr MenuItem kAbout[] = {
    {"Contact", "Contact Brix", std::nullopt, {}},
    {"Help", "Help", std::nullopt, {}},
};

constexpr MenuItem kFile[] = {
    {"Adv", "Advertise", std::nullopt, {}},
    {"Aol", "Aol Options", std::nullopt, kAol},
    {"about", "About", std::nullopt, kAbout},
    {"Exit", "Exit", std::nullopt, {}},
};

}  // namespace

const MenuItem kForm3File{"File", "File", std::nullopt, kFile};

const WindowLayout kForm3{
    "Form3",
    "Form3",
    Frame::kSizable,
    true,
    {4680, 3195},
    TwipsPoint{2655, 2700},
    Picture::kNone,
    Colour::System(SystemColour::kButtonFace),
    {},
    {},
    {},
};

}  // namespace snoozr::ui::layout
