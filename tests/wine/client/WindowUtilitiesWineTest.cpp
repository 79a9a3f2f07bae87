// The pause, the end of the program inside it, and the text-box saving, on real windows.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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

// The program ends with WM_QUIT, also from inside a wait: the pause ends at once, nothing more
// is dispatched, nothing more is sent, and the quit is left for the main loop below.
TEST_F(WindowUtilitiesWineTest, AQuitInsideAPauseEndsItAndReachesTheMainLoop) {
    static HWND target = nullptr;
    target = window;
    struct Quit {
        static void CALLBACK Now(HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            PostQuitMessage(3);
            PostMessageA(target, WM_APP, 0, 0);  // must wait for the main loop
        }
    };
    SetTimer(nullptr, 0, 100, &Quit::Now);
    link.Pause(600);
    EXPECT_TRUE(events.Ending());
    MSG pending{};
    EXPECT_TRUE(PeekMessageA(&pending, window, WM_APP, WM_APP, PM_NOREMOVE))
        << "dispatched inside the wait after the quit";
    link.Pause(600);  // returns at once
    EXPECT_EQ(events.Run(), 3);
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

// Where the count file cannot be written, the write is skipped and what is there is left as
// it was: a folder of that name, a drive that does not exist. (A read-only file is not among
// them here: the tests run as root, whom Wine lets write it.)
TEST_F(WindowUtilitiesWineTest, SaveTextBoxSkipsWhatCannotBeWritten) {
    const auto folder = wine::FreshTempDir("unwritable");
    std::filesystem::create_directory(folder / "UpLog");
    ClientLink::SaveTextBox("3", (folder / "UpLog").string());  // a folder of that name
    ClientLink::SaveTextBox("3", "Q:\\nowhere\\UpLog");         // a missing drive
    EXPECT_TRUE(std::filesystem::is_directory(folder / "UpLog"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "UpLog"));
}

}  // namespace
}  // namespace snoozr
