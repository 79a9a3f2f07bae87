#pragma once
// An in-memory desktop for unit tests: windows with class, caption, visibility and children in
// z-order; every message to a window is recorded; a window can be given a scripted reaction
// so that a test can make the "client" answer.

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "client/WindowServices.h"

namespace snoozr::test {

struct RecordedMessage {
    WindowHandle window;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::string text;  // the text carried by a set-text message
    bool posted;

    bool operator==(const RecordedMessage&) const = default;
};

// "WM_SETTEXT \"text\" to 0x104", "posted WM_CLOSE to 0x10A": how gtest shows a message.
void PrintTo(const RecordedMessage& message, std::ostream* out);

class InMemoryDesktop : public WindowServices {
  public:
    using Reaction = std::function<void(const RecordedMessage&)>;

    // A new window goes to the bottom of its siblings' z-order, as child windows do on
    // Windows; kNoWindow as parent makes a top-level window.
    WindowHandle Add(WindowHandle parent, std::string className, std::string caption = "");
    void Remove(WindowHandle window);      // with its children
    void BringToTop(WindowHandle window);  // top of its siblings' z-order
    void SetVisible(WindowHandle window, bool visible);
    void React(WindowHandle window, Reaction reaction);
    // The next message sent to the window times out: it is not delivered and not recorded.
    void TimeOutNextSend(WindowHandle window);

    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    const std::string& Caption(WindowHandle window) const { return windows_.at(window).caption; }
    void SetCaption(WindowHandle window, std::string caption);
    bool Visible(WindowHandle window) const { return windows_.at(window).visible; }
    const std::vector<int>& ShowCommands(WindowHandle window) const {
        return windows_.at(window).shows;
    }
    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    std::vector<RecordedMessage> MessagesTo(WindowHandle window) const;
    void ClearMessages() { messages_.clear(); }

    // WindowServices
    WindowHandle FindTopLevel(std::string_view className,
                              std::optional<std::string_view> caption) override;
    WindowHandle FindChild(WindowHandle parent, WindowHandle after, std::string_view className,
                           std::optional<std::string_view> caption) override;
    std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    void Post(WindowHandle window, unsigned message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    bool SetText(WindowHandle window, std::string_view text) override;
    std::size_t GetTextLength(WindowHandle window) override;
    std::string GetText(WindowHandle window, std::size_t bufferSize) override;
    void Show(WindowHandle window, int command) override;

  private:
    struct Window {
        std::string className;
        std::string caption;
        WindowHandle parent = kNoWindow;
        std::vector<WindowHandle> children;  // z-order, top first
        bool visible = true;
        std::vector<int> shows;  // every ShowWindow command, in order
        Reaction reaction;
        bool timesOutNextSend = false;
    };

    std::vector<WindowHandle>& Siblings(WindowHandle parent);
    WindowHandle Search(const std::vector<WindowHandle>& order, WindowHandle after,
                        std::string_view className, std::optional<std::string_view> caption) const;
    void Record(RecordedMessage message);
    bool TimesOut(WindowHandle window);  // and answers the next send again

    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> topLevel_;
    std::vector<RecordedMessage> messages_;
    WindowHandle nextHandle_ = 0x100;
};

}  // namespace snoozr::test
