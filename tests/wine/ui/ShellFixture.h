#pragma once
// The program's windows in the test's own process, over the real Win32 adapters, with the
// engine's events recorded instead of acted on.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "ui/layout/Units.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui::test {

class ShellFixture : public ::testing::Test {
  protected:
    Win32WindowServices windows;
    Win32EventLoop events;
    Win32MessageBoxes boxes;
    ClientLink link{windows, events, boxes};
    Shell shell{link};
    std::vector<std::string> log;  // the events raised, in order

    int Dpi() { return SystemDpi(); }  // what the windows are laid out at on one monitor
    int Px(int designPixels) { return layout::DesignToPixels(designPixels, Dpi()); }
    RECT PxRect(const RECT& design) {
        return {Px(design.left), Px(design.top), Px(design.right), Px(design.bottom)};
    }
    LPARAM At(int designX, int designY) { return MAKELPARAM(Px(designX), Px(designY)); }

    // Lets posted and sent messages (a hide, a repaint) run.
    void Settle() { events.DispatchPending(); }
};

// The client area in screen coordinates.
inline RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// A child window's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND child) {
    RECT bounds{};
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

}  // namespace snoozr::ui::test
