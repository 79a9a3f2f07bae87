#include "Win32EventLoop.h"

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
    if (ending_)
        return;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Back in the queue for the main loop, which ends the program once the handlers
            // under way have unwound; nothing more is dispatched meanwhile.
            ending_ = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void Win32EventLoop::WaitForEvents(MonoTime deadline) {
    if (ending_)
        return;
    const auto remaining =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Now()).count();
    if (remaining <= 0)
        return;
    // Round up, so the wait does not wake just before its deadline and spin for the rest.
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(remaining + 1), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

}  // namespace snoozr
