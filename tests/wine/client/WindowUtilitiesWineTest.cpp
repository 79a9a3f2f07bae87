// The window and timing utilities on real windows.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "wine/support/WineHarness.h"

namespace snoozr {
namespace {

class WindowUtilitiesWineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = CreateWindowExA(0, "STATIC", "utility test", WS_POPUP | WS_VISIBLE, 100, 100, 120,
                                 80, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    HWND window = nullptr;
    Win32WindowServices windows;
    Win32EventLoop events;
    Win32MessageBoxes boxes;
    ClientLink link{windows, events, boxes};
};

TEST_F(WindowUtilitiesWineTest, StayOnTopJoinsTheTopmostGroupWithoutMoving) {
    RECT before;
    GetWindowRect(window, &before);
    link.StayOnTop(FromHwnd(window));
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(WindowUtilitiesWineTest, TimerTicksRunInsideAPause) {
    int ticks = 0;
    static int* counter = nullptr;
    counter = &ticks;
    struct Tick {
        static void CALLBACK Count(HWND, UINT, UINT_PTR, DWORD) { ++*counter; }
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &Tick::Count);
    link.Pause(2);  // between 1.5 and 2.5 s, depending on where in its second it began
    KillTimer(nullptr, timer);
    EXPECT_GE(ticks, 10);
}

TEST_F(WindowUtilitiesWineTest, DragRunsTheSystemMoveLoopUntilTheButtonIsReleased) {
    bool sawMoveLoop = false;
    std::thread user([&] {
        sawMoveLoop = wine::WaitUntil([&] { return wine::InMoveLoop(window); }, 5000);
        PostMessageA(window, WM_LBUTTONUP, 0, 0);
        PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);  // either ends the loop
    });
    link.DragWindow(FromHwnd(window));  // returns once the move has ended
    user.join();
    EXPECT_TRUE(sawMoveLoop);
    EXPECT_FALSE(wine::InMoveLoop(window));
}

TEST_F(WindowUtilitiesWineTest, SaveTextBoxWritesIntoTheCurrentFolder) {
    const auto folder = wine::FreshTempDir("save");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    ClientLink::SaveTextBox("0", "UpLog");
    std::filesystem::current_path(previous);
    std::ifstream file(folder / "UpLog", std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "0\r\n");
}

}  // namespace
}  // namespace snoozr
