// The floor for the start-up figures: a minimal Win32 program that opens one window, says
// three lines in the chat room through the same client link and then waits in its message
// loop.

#include <windows.h>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace snoozr;
    const HWND window = CreateWindowExA(0, "STATIC", "floor", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64,
                                        nullptr, nullptr, instance, nullptr);
    Win32WindowServices windows;
    Win32EventLoop events;
    Win32MessageBoxes boxes;
    const ClientLink link(windows, events, boxes);
    for (const char* line : {"one", "two", "three"})
        link.SendChat(line);
    const int code = events.Run();
    DestroyWindow(window);
    return code;
}
