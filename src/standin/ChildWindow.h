#pragma once
// MDI children of the stand-in share the client's class "AOL Child"; each one's behaviour
// (chat room, instant-message window) is an object attached to the window at creation.

#include <windows.h>

#include <memory>

namespace standin {

// The notification a single-line "RICHCNTL" sends its parent on a carriage return.
constexpr WORD kReturnPressed = 0x7001;

class ChildWindow {
  public:
    virtual ~ChildWindow() = default;
    virtual void Create(HWND window) = 0;
    virtual void Layout(int width, int height) = 0;
    virtual void Command(HWND control, WORD code) = 0;
    // Any other message (timers, the window's own posted messages, WM_DESTROY): true when
    // handled, false to let the MDI default handling have it.
    virtual bool Other(UINT message, WPARAM wParam, LPARAM lParam) {
        (void)message;
        (void)wParam;
        (void)lParam;
        return false;
    }
};

// Opens an MDI child of class "AOL Child" with the caption, run by `behaviour`.
HWND OpenChild(HWND mdiArea, const char* caption, std::unique_ptr<ChildWindow> behaviour);
void RegisterChildClass(HINSTANCE instance);

}  // namespace standin
