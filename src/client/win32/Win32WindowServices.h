#pragma once
// The window services over the real Win32 API. Windows of other programs are untrusted: every
// send is bounded, so a hung client cannot freeze the program, and no reported text length is
// trusted beyond the buffer it sizes. A program that let a send time out gets no more messages
// until it answers a short probe again: a line of several messages, or a minute's two lines,
// into a frozen client then costs one bound and a few probes, not one bound each.

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
    // How long one send may wait for another program (well inside the 5 s within which the
    // program answers its user); a program Windows marks hung aborts at once.
    static constexpr UINT kSendTimeoutMs = 2000;
    // How long the probe of a program that let a send time out may wait.
    static constexpr UINT kProbeTimeoutMs = 250;

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

  private:
    // The bounded send; nothing is sent to the thread that let the last one time out while it
    // does not answer the probe.
    LRESULT BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DWORD unansweringThread_ = 0;
};

}  // namespace snoozr
