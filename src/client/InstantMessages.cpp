// Keywords and instant messages: typing a keyword into the client's toolbar box, and sending an
// IM through the window the client opens for it.

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

#include "ClientLink.h"

namespace snoozr {

namespace {

constexpr std::string_view kImKeywordPrefix = "aol://9293:";
constexpr std::string_view kImsOffName = "$IM_OFF";
constexpr std::string_view kImsOnName = "$IM_ON";
constexpr std::string_view kSwitchMessage = "=)";

constexpr std::uintptr_t kSpace = 32;
constexpr std::uintptr_t kCarriageReturn = 13;
constexpr std::uintptr_t kVkSpace = 0x20;
constexpr int kSendIconPosition = 9;  // the IM window's Send button is its ninth icon

// The client's windows come and go in another program, which tells us nothing: each wait looks
// again every poll interval, sleeping in between, and gives an unanswering client this long.
constexpr auto kWaitBound = std::chrono::seconds(15);
constexpr auto kPollInterval = std::chrono::milliseconds(50);

constexpr std::string_view kNotOpenedText =
    "America Online did not open an instant message window, so the instant message was not "
    "sent.";
constexpr std::string_view kNotSentText = "America Online did not send the instant message.";

// A search under parent 0 would search the desktop: a missing window has no children here.
WindowHandle FirstChild(WindowServices& windows, WindowHandle parent, std::string_view className,
                        std::optional<std::string_view> caption = std::nullopt) {
    if (parent == kNoWindow)
        return kNoWindow;
    return windows.FindChild(parent, kNoWindow, className, caption);
}

// The n-th child of the class in z-order. A search handed 0 as "the previous one" starts again
// from the first child, so the count stops at the first search that finds nothing; otherwise a
// window with fewer children would give a wrong one.
WindowHandle NthChild(WindowServices& windows, WindowHandle parent, std::string_view className,
                      int n) {
    if (parent == kNoWindow)
        return kNoWindow;
    WindowHandle child = kNoWindow;
    for (int i = 0; i < n; ++i) {
        child = windows.FindChild(parent, child, className, std::nullopt);
        if (child == kNoWindow)
            return kNoWindow;
    }
    return child;
}

// Frame and MDI area are searched on every pass too: the client may start, or end, meanwhile.
WindowHandle FindImWindow(WindowServices& windows) {
    const WindowHandle frame = windows.FindTopLevel(client::kFrameClass, std::nullopt);
    const WindowHandle area = FirstChild(windows, frame, client::kMdiClass);
    return FirstChild(windows, area, client::kChildClass, client::kImCaption);
}

struct ReadyImWindow {
    WindowHandle window;
    WindowHandle textBox;
    WindowHandle sendButton;
};

// The IM window once the client has built it far enough to be filled in and sent.
std::optional<ReadyImWindow> FindReadyImWindow(WindowServices& windows) {
    const WindowHandle im = FindImWindow(windows);
    const WindowHandle box = FirstChild(windows, im, client::kRichClass);
    const WindowHandle send = NthChild(windows, im, client::kIconClass, kSendIconPosition);
    if (im == kNoWindow || box == kNoWindow || send == kNoWindow)
        return std::nullopt;
    return ReadyImWindow{im, box, send};
}

// Passes of "dispatch pending events, then look" until `look` is satisfied (true) or the bound
// has passed or the program is ending (false). Between passes it sleeps until the next event
// or poll.
template <typename Look>
bool WaitFor(EventLoop& events, Look look) {
    const MonoTime bound = events.Now() + kWaitBound;
    for (;;) {
        events.DispatchPending();
        if (events.Ending())
            return false;
        if (look())
            return true;
        const MonoTime now = events.Now();
        if (now >= bound)
            return false;
        events.WaitForEvents(std::min<MonoTime>(now + kPollInterval, bound));
    }
}

}  // namespace

void ClientLink::RunKeyword(std::string_view keyword) const {
    if (events_.Ending())
        return;
    WindowHandle box = windows_.FindTopLevel(client::kFrameClass, std::nullopt);
    for (std::string_view className : {client::kToolbarOuterClass, client::kToolbarInnerClass,
                                       client::kComboboxClass, client::kEditClass}) {
        box = FirstChild(windows_, box, className);
    }
    if (box == kNoWindow)
        return;
    if (!windows_.SetText(box, keyword))
        return;  // the keyword box may hold anything: nothing is run
    windows_.Send(box, msg::kChar, kSpace, 0);
    windows_.Send(box, msg::kChar, kCarriageReturn, 0);
}

// Both waits dispatch the program's events, so the user may start another send from inside one
// (choosing "Ims On" while "Ims Off" waits). That send runs to its end first, taking the first
// IM window it finds, which may be the one this call asked for; this call then goes on with
// the windows still there: the next IM window, or none, and then it gives up at its bound.
void ClientLink::SendInstantMessage(std::string_view screenName, std::string_view message) const {
    RunKeyword(std::string(kImKeywordPrefix) + std::string(screenName));

    // The user is told why, unless the program is ending.
    const auto giveUp = [&](std::string_view why) {
        if (!events_.Ending())
            messageBoxes_.Show(why, kAppTitle, mb::kOk | mb::kIconStop);
    };
    std::optional<ReadyImWindow> im;
    if (!WaitFor(events_, [&] { return (im = FindReadyImWindow(windows_)).has_value(); }))
        return giveUp(kNotOpenedText);
    if (!windows_.SetText(im->textBox, message))
        return giveUp(kNotSentText);  // the send button would send whatever the box holds
    windows_.Send(im->sendButton, msg::kLButtonDown, 0, 0);
    windows_.Send(im->sendButton, msg::kLButtonUp, 0, 0);

    // The client either closes the IM window (sent) or answers with its message box, which
    // takes precedence when both are there.
    WindowHandle messageBox = kNoWindow;
    WindowHandle stillOpen = kNoWindow;
    const bool answered = WaitFor(events_, [&] {
        messageBox = windows_.FindTopLevel(client::kMessageBoxClass, client::kMessageBoxCaption);
        stillOpen = FindImWindow(windows_);
        return messageBox != kNoWindow || stillOpen == kNoWindow;
    });
    if (!answered)
        return giveUp(kNotSentText);
    if (messageBox == kNoWindow)
        return;

    const WindowHandle button = FirstChild(windows_, messageBox, client::kButtonClass);
    if (button != kNoWindow) {
        windows_.Post(button, msg::kKeyDown, kVkSpace, 0);
        windows_.Post(button, msg::kKeyUp, kVkSpace, 0);
    }
    if (stillOpen != kNoWindow)
        windows_.Post(stillOpen, msg::kClose, 0, 0);
}

void ClientLink::ImsOff() const {
    SendInstantMessage(kImsOffName, kSwitchMessage);
}

void ClientLink::ImsOn() const {
    SendInstantMessage(kImsOnName, kSwitchMessage);
}

}  // namespace snoozr
