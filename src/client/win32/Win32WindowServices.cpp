#include "Win32WindowServices.h"

#include <algorithm>
#include <string>

namespace snoozr {

namespace {

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT milliseconds,
                DWORD_PTR& result) {
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                               milliseconds, &result) != 0;
}

std::optional<std::string> ZeroTerminated(std::optional<std::string_view> text) {
    if (!text)
        return std::nullopt;
    return std::string(*text);
}

}  // namespace

bool Win32WindowServices::Delivered(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result) {
    result = 0;
    if (window == nullptr)
        return false;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    DWORD_PTR answer = 0;
    if (thread != 0 && thread == unansweringThread_) {
        if (!SendWithin(window, WM_NULL, 0, 0, kProbeTimeoutMs, answer))
            return false;
        unansweringThread_ = 0;
    }
    if (!SendWithin(window, message, wParam, lParam, kSendTimeoutMs, answer)) {
        // A window that has gone fails at once; one still there did not answer in time.
        if (IsWindow(window))
            unansweringThread_ = thread;
        return false;
    }
    result = static_cast<LRESULT>(answer);
    return true;
}

LRESULT Win32WindowServices::BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    Delivered(window, message, wParam, lParam, result);
    return result;
}

WindowHandle Win32WindowServices::FindTopLevel(std::string_view className,
                                               std::optional<std::string_view> caption) {
    const std::string cls(className);
    const auto title = ZeroTerminated(caption);
    return FromHwnd(FindWindowA(cls.c_str(), title ? title->c_str() : nullptr));
}

WindowHandle Win32WindowServices::FindChild(WindowHandle parent, WindowHandle after,
                                            std::string_view className,
                                            std::optional<std::string_view> caption) {
    const std::string cls(className);
    const auto title = ZeroTerminated(caption);
    return FromHwnd(FindWindowExA(ToHwnd(parent), ToHwnd(after), cls.c_str(),
                                  title ? title->c_str() : nullptr));
}

std::intptr_t Win32WindowServices::Send(WindowHandle window, unsigned message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
    return BoundedSend(ToHwnd(window), message, wParam, lParam);
}

void Win32WindowServices::Post(WindowHandle window, unsigned message, std::uintptr_t wParam,
                               std::intptr_t lParam) {
    if (window != kNoWindow)
        PostMessageA(ToHwnd(window), message, wParam, lParam);
}

bool Win32WindowServices::SetText(WindowHandle window, std::string_view text) {
    const std::string line(text);  // the message carries a NUL-terminated text
    // Delivery is what counts: the client's own controls need not answer TRUE.
    LRESULT ignored = 0;
    return Delivered(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()),
                     ignored);
}

std::size_t Win32WindowServices::GetTextLength(WindowHandle window) {
    const LRESULT length = BoundedSend(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0);
    return length < 0 ? 0 : static_cast<std::size_t>(length);
}

std::string Win32WindowServices::GetText(WindowHandle window, std::size_t bufferSize) {
    bufferSize = std::min(bufferSize, kMaxWindowText + 1);
    std::string buffer(bufferSize, '\0');
    if (bufferSize == 0)
        return buffer;
    BoundedSend(ToHwnd(window), WM_GETTEXT, bufferSize, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';  // whatever the other program wrote, the text ends in the buffer
    return buffer;
}

void Win32WindowServices::Show(WindowHandle window, int command) {
    if (window == kNoWindow)
        return;
    const HWND hwnd = ToHwnd(window);
    // Another program's window is shown or hidden without waiting for that program: a hung
    // client must not freeze ours. Requests to one window keep their order.
    if (GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) {
        ShowWindowAsync(hwnd, command);
    } else {
        ShowWindow(hwnd, command);
    }
}

}  // namespace snoozr
