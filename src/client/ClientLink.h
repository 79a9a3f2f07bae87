#pragma once
// ClientLink: the stateless operations that find the chat client's windows and drive them
// as a user would, plus the pause and the text-box saving the program's windows share.
// No window handle is kept between calls: every operation searches the client's windows anew,
// and none reports failure to its caller. Once the program is ending, nothing more is sent to
// the client and waits return at once.

#include <cstdint>
#include <string>
#include <string_view>

#include "EventLoop.h"
#include "MessageBoxService.h"
#include "WindowServices.h"

namespace snoozr {

class ClientLink {
  public:
    ClientLink(WindowServices& windows, EventLoop& events, MessageBoxService& messageBoxes)
        : windows_(windows), events_(events), messageBoxes_(messageBoxes) {}

    // Chat room (ChatRoom.cpp).
    WindowHandle FindChatRoom() const;
    void SendChat(std::string_view text) const;

    // Keywords and instant messages (InstantMessages.cpp).
    void RunKeyword(std::string_view keyword) const;
    void SendInstantMessage(std::string_view screenName, std::string_view message) const;
    void ImsOff() const;
    void ImsOn() const;

    // Timing and file utilities (WindowUtilities.cpp).
    void Pause(std::int32_t seconds) const;
    static void SaveTextBox(std::string_view text, const std::string& path);

    WindowServices& Windows() const { return windows_; }
    EventLoop& Events() const { return events_; }

  private:
    WindowServices& windows_;
    EventLoop& events_;
    MessageBoxService& messageBoxes_;
};

// Client window classes and captions.
namespace client {
constexpr std::string_view kFrameClass = "AOL Frame25";
constexpr std::string_view kMdiClass = "MDIClient";
constexpr std::string_view kChildClass = "AOL Child";
constexpr std::string_view kRichClass = "RICHCNTL";
constexpr std::string_view kListboxClass = "_AOL_Listbox";
constexpr std::string_view kIconClass = "_AOL_Icon";
constexpr std::string_view kStaticClass = "_AOL_Static";
constexpr std::string_view kToolbarOuterClass = "AOL Toolbar";
constexpr std::string_view kToolbarInnerClass = "_AOL_Toolbar";
constexpr std::string_view kComboboxClass = "_AOL_Combobox";
constexpr std::string_view kEditClass = "Edit";
constexpr std::string_view kImCaption = "Send Instant Message";
constexpr std::string_view kMessageBoxClass = "#32770";
constexpr std::string_view kMessageBoxCaption = "America Online";
constexpr std::string_view kButtonClass = "Button";
constexpr std::string_view kUploadClass = "_AOL_Modal";
}  // namespace client

}  // namespace snoozr
