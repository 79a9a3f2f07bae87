#include "Win32EventLoop.h"

#include <cstdlib>

namespace snoozr {

double Win32EventLoop::SecondsSinceMidnight() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void Win32EventLoop::Dispatch(MSG& message) {
    if (filter_ && filter_(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int Win32EventLoop::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
    return static_cast<int>(message.wParam);
}

void Win32EventLoop::DispatchPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // A quit asked for inside a wait ends the program now: the wait's caller must not
            // go on as if nothing had happened, and the main loop would never see the message.
            std::exit(static_cast<int>(message.wParam));
        }
        Dispatch(message);
    }
}

void Win32EventLoop::WaitForEvents(MonoTime deadline) {
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Now()).count();
    if (remaining <= 0)
        return;
    // Round up, so the wait does not wake just before its deadline and spin for the rest.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(remaining + 1), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

}  // namespace snoozr
