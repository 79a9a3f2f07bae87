#pragma once
// The window services over the real Win32 API. Windows of other programs are untrusted: every
// send is bounded, so a hung client cannot freeze the program, and no reported text length is
// trusted beyond the buffer it sizes.

#include <windows.h>

#include "client/WindowServices.h"

namespace snoozr {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

class Win32WindowServices : public WindowServices {
  public:
    // How long one send may wait for another program; a program marked hung aborts at once.
    static constexpr UINT kSendTimeoutMs = 5000;

    WindowHandle FindTopLevel(std::string_view className,
                              std::optional<std::string_view> caption) override;
    WindowHandle FindChild(WindowHandle parent, WindowHandle after, std::string_view className,
                           std::optional<std::string_view> caption) override;
    std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    void Post(WindowHandle window, unsigned message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    void SetText(WindowHandle window, std::string_view text) override;
    std::size_t GetTextLength(WindowHandle window) override;
    std::string GetText(WindowHandle window, std::size_t bufferSize) override;
    void Show(WindowHandle window, int command) override;
};

}  // namespace snoozr
