#pragma once
// The window services the program relies on, as a small interface so that the client link
// runs against real windows (Win32 adapter) and against an in-memory desktop in tests.
// All text is held as bytes in the ANSI code page (code page 1252 for the program's own texts).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace snoozr {

// An opaque window handle; 0 means "none found".
using WindowHandle = std::uintptr_t;
constexpr WindowHandle kNoWindow = 0;

// The longest text read from another program's window; a longer reported length is cut to
// this, so that the other program cannot make us allocate without bound.
constexpr std::size_t kMaxWindowText = 64 * 1024;

// Window messages used by the program (values as on Windows).
namespace msg {
constexpr unsigned kSetText = 0x000C;
constexpr unsigned kGetText = 0x000D;
constexpr unsigned kGetTextLength = 0x000E;
constexpr unsigned kClose = 0x0010;
constexpr unsigned kKeyDown = 0x0100;
constexpr unsigned kKeyUp = 0x0101;
constexpr unsigned kChar = 0x0102;
constexpr unsigned kLButtonDown = 0x0201;
constexpr unsigned kLButtonUp = 0x0202;
}  // namespace msg

// ShowWindow commands used by the program.
namespace show {
constexpr int kHide = 0;
constexpr int kMinimize = 6;
constexpr int kRestore = 9;
}  // namespace show

class WindowServices {
  public:
    virtual ~WindowServices() = default;

    // First top-level window (top of the z-order first) of the class, with the caption when
    // one is given. Class and caption match whole, ignoring case.
    virtual WindowHandle FindTopLevel(std::string_view className,
                                      std::optional<std::string_view> caption) = 0;

    // Next direct child of parent after `after` in z-order (kNoWindow: from the first child).
    virtual WindowHandle FindChild(WindowHandle parent, WindowHandle after,
                                   std::string_view className,
                                   std::optional<std::string_view> caption) = 0;

    // A message without pointers, sent: returns once the target has handled it (or the bound
    // for a hung target has passed; then 0).
    virtual std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                               std::intptr_t lParam) = 0;

    // A message without pointers, queued for the target.
    virtual void Post(WindowHandle window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;

    // WM_SETTEXT, sent, with the text in the ANSI code page. False when the text did not get
    // there: the window is gone, or its program did not answer within the bound.
    [[nodiscard]] virtual bool SetText(WindowHandle window, std::string_view text) = 0;

    // WM_GETTEXTLENGTH, sent.
    virtual std::size_t GetTextLength(WindowHandle window) = 0;

    // WM_GETTEXT, sent, into a buffer of bufferSize characters that starts as all NULs.
    // Returns the whole buffer, bufferSize characters, whatever the window wrote into it;
    // its last character is always NUL. bufferSize 0 gives an empty text.
    virtual std::string GetText(WindowHandle window, std::size_t bufferSize) = 0;

    // ShowWindow with one of the show:: commands.
    virtual void Show(WindowHandle window, int command) = 0;
};

}  // namespace snoozr
