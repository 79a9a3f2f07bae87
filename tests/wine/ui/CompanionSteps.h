#pragma once
// How a user gets from snoozr.exe's start to its upload companion, step by step with real
// input, for the end-to-end tests and the benchmarks.

#include <windows.h>

#include "wine/support/WineHarness.h"

namespace snoozr::ui::test {

// Hiding a framed window takes Wine up to two seconds without a window manager.
constexpr DWORD kStepWait = 10000;

// A top-level window of the process by class, or nullptr.
inline HWND ProcessWindowOfClass(DWORD processId, const char* className) {
    for (const HWND window : wine::TopLevelWindows(processId)) {
        if (wine::ClassOf(window) == className)
            return window;
    }
    return nullptr;
}

inline HWND VisibleWindowOfClass(DWORD processId, const char* className) {
    for (const HWND window : wine::TopLevelWindows(processId)) {
        if (wine::ClassOf(window) == className && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// The double click on the splash; the main window once it is shown, or nullptr.
inline HWND OpenMainFromSplash(DWORD processId) {
    const HWND splash = wine::WaitFor(
        [&] { return VisibleWindowOfClass(processId, "Snoozr.frmSplash"); }, kStepWait);
    if (splash == nullptr)
        return nullptr;
    wine::DoubleClick(splash, {246, 176});
    return wine::WaitFor([&] { return VisibleWindowOfClass(processId, "Snoozr.Form1"); },
                         kStepWait);
}

// From the main window: ">>>", "Aol Options", then "UPCHAT", the last item of its submenu. The
// companion once it is shown and the main window hidden, or nullptr.
inline HWND ChooseUpchat(DWORD processId, HWND main) {
    wine::Click(main, {141, 41});
    if (wine::WaitFor([&] { return VisibleWindowOfClass(processId, "#32768"); }, kStepWait) ==
        nullptr)
        return nullptr;
    for (const WORD key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN}) {
        wine::PressKey(key);
        Sleep(100);
    }
    return wine::WaitFor(
        [&] {
            return IsWindowVisible(main) ? nullptr
                                         : VisibleWindowOfClass(processId, "Snoozr.Form12");
        },
        kStepWait);
}

// The START/STOP control on the companion's white box.
constexpr POINT kStartStop{88, 80};

}  // namespace snoozr::ui::test
