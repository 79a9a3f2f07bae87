#pragma once
// The window services over the real Win32 API. Windows of other programs are untrusted: every
// send is bounded, so a hung client cannot freeze the program, and no reported text length is
// trusted beyond the buffer it sizes. A program that let a send time out gets no more messages
// until it answers a short probe again: a minute's lines into a frozen client then cost one
// bound and a few probes, not one bound each.

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
    // How long one send may wait for another program: long enough for a client busy showing a
    // window, and with the probes after it inside the 5 s within which the program answers its
    // user. A program Windows marks hung aborts at once.
    static constexpr UINT kSendTimeoutMs = 4000;
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
    bool SetText(WindowHandle window, std::string_view text) override;
    std::size_t GetTextLength(WindowHandle window) override;
    std::string GetText(WindowHandle window, std::size_t bufferSize) override;
    void Show(WindowHandle window, int command) override;

  private:
    // The bounded send: false when the window is gone or its program did not answer in time.
    // Nothing is sent to the thread that let the last send time out while it does not answer
    // the probe.
    bool Delivered(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    DWORD unansweringThread_ = 0;
};

}  // namespace snoozr
