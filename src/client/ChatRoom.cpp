#include "ClientLink.h"

namespace snoozr {

namespace {

bool HasChild(WindowServices& windows, WindowHandle parent, std::string_view className) {
    return windows.FindChild(parent, kNoWindow, className, std::nullopt) != kNoWindow;
}

// A chat room has at least one direct child of each of the four kinds; only their existence
// counts, not their number, order, captions or visibility.
bool IsChatRoom(WindowServices& windows, WindowHandle candidate) {
    return HasChild(windows, candidate, client::kRichClass) &&
           HasChild(windows, candidate, client::kListboxClass) &&
           HasChild(windows, candidate, client::kIconClass) &&
           HasChild(windows, candidate, client::kStaticClass);
}

}  // namespace

WindowHandle ClientLink::FindChatRoom() const {
    const WindowHandle frame = windows_.FindTopLevel(client::kFrameClass, std::nullopt);
    if (frame == kNoWindow)
        return kNoWindow;
    const WindowHandle area = windows_.FindChild(frame, kNoWindow, client::kMdiClass, std::nullopt);
    if (area == kNoWindow)
        return kNoWindow;
    // Rooms are tried from the top of the MDI area's z-order down; hidden ones included.
    for (WindowHandle candidate =
             windows_.FindChild(area, kNoWindow, client::kChildClass, std::nullopt);
         candidate != kNoWindow;
         candidate = windows_.FindChild(area, candidate, client::kChildClass, std::nullopt)) {
        if (IsChatRoom(windows_, candidate))
            return candidate;
    }
    return kNoWindow;
}

void ClientLink::SendChat(std::string_view text) const {
    if (events_.Ending())
        return;
    const WindowHandle room = FindChatRoom();
    if (room == kNoWindow)
        return;
    // The first RICHCNTL is the room's transcript; the second is the input box.
    const WindowHandle first =
        windows_.FindChild(room, kNoWindow, client::kRichClass, std::nullopt);
    if (first == kNoWindow)
        return;
    const WindowHandle input = windows_.FindChild(room, first, client::kRichClass, std::nullopt);
    if (input == kNoWindow)
        return;
    // Enter only on the line itself: a box the text never reached may hold anything.
    if (windows_.SetText(input, text))
        windows_.Send(input, msg::kChar, 13, 0);
}

}  // namespace snoozr
