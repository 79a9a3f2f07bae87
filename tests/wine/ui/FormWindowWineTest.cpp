// What a form does to its own window: joining the topmost group, and the drag.

#include <gtest/gtest.h>

#include <thread>

#include "ui/layout/Layouts.h"
#include "ui/win32/Form.h"
#include "wine/support/WineHarness.h"

namespace snoozr::ui {
namespace {

class FormWindowWineTest : public ::testing::Test {
  protected:
    FormResources resources;
    Form form{resources, layout::kForm3};  // no controls, not topmost of its own
};

TEST_F(FormWindowWineTest, StayOnTopJoinsTheTopmostGroupWithoutMoving) {
    form.Show();
    RECT before;
    GetWindowRect(form.Hwnd(), &before);
    ASSERT_FALSE(GetWindowLongA(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    form.StayOnTop();
    RECT after;
    GetWindowRect(form.Hwnd(), &after);
    EXPECT_TRUE(GetWindowLongA(form.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(FormWindowWineTest, DragRunsTheSystemMoveLoopUntilTheButtonIsReleased) {
    form.Show();
    const HWND window = form.Hwnd();
    SetCapture(window);  // as the press that starts a drag gives it
    bool sawMoveLoop = false;
    std::thread user([&] {
        sawMoveLoop = wine::WaitUntil([&] { return wine::InMoveLoop(window); }, 5000);
        PostMessageA(window, WM_LBUTTONUP, 0, 0);
        PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);  // either ends the loop
    });
    form.DragWindow();  // returns once the move has ended
    user.join();
    EXPECT_TRUE(sawMoveLoop);
    EXPECT_FALSE(wine::InMoveLoop(window));
    EXPECT_NE(GetCapture(), window);
}

}  // namespace
}  // namespace snoozr::ui
