#pragma once
// The program's windows in the test's own process, wired as the program wires them, over the
// real Win32 adapters; the chat lines the idle engine says are recorded instead of sent.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "idle/IdleEngine.h"
#include "ui/layout/Units.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/IdleBindings.h"
#include "ui/win32/Navigator.h"
#include "ui/win32/ProgramWindows.h"
#include "ui/win32/wiring/EditorWiring.h"
#include "ui/win32/wiring/IdleWiring.h"
#include "ui/win32/wiring/NavigationWiring.h"

namespace snoozr::ui::test {

// The lines said in the chat, with a hook run as each is said.
struct RecordingChat : idle::ChatSink {
    void SendChat(std::string_view line) override {
        lines.emplace_back(line);
        if (onLine)
            onLine();
    }
    std::vector<std::string> lines;
    std::function<void()> onLine;
};

class ProgramFixture : public ::testing::Test {
  protected:
    ProgramFixture() {
        WireNavigation(windows, navigator);
        WireIdle(windows, navigator, engine);
        WireEditor(windows.form7);
    }

    Win32WindowServices services;
    Win32EventLoop events;
    Win32MessageBoxes boxes;
    ClientLink link{services, events, boxes};
    ProgramWindows windows;
    Navigator navigator{windows.form1};
    RecordingChat chat;
    IdleBindings bindings{windows, link};
    idle::IdleEngine engine{chat, bindings, windows.form1.Timer1, boxes, bindings, events};
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
