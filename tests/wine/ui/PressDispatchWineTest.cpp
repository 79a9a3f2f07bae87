// Presses on the skinned windows: a press on a label goes to the label (its click comes with
// the release), a press on the bare skin goes to the window, whatever the button. Form1's own
// handlers are observed by their effect: the exit question, the minimized window, the popup
// menu and the system's move loop.

#include <windows.h>

#include <string>
#include <vector>

#include "ProgramFixture.h"

namespace snoozr::ui::test {
namespace {

// Watches from inside the modal loops a press may start: records a menu or a move loop and
// ends it, as a user letting go would.
class ModalWatcher {
  public:
    explicit ModalWatcher(std::vector<std::string>& log) {
        current_ = &log;
        timer_ = SetTimer(nullptr, 0, 30, &ModalWatcher::Tick);
    }
    ~ModalWatcher() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetCurrentThreadId(), &info);
        if (info.flags & GUI_INMOVESIZE) {
            current_->push_back("move loop");
            PostMessageA(info.hwndMoveSize, WM_LBUTTONUP, 0, 0);
            PostMessageA(info.hwndMoveSize, WM_KEYDOWN, VK_RETURN, 0);
        } else if (info.flags & GUI_INMENUMODE) {
            current_->push_back("menu");
            EndMenu();
        }
    }

    static inline std::vector<std::string>* current_ = nullptr;
    UINT_PTR timer_;
};

struct Press {
    const char* what;
    int x, y;  // design pixels on the skin
    UINT down;
    std::vector<std::string> expected;
};

using Log = std::vector<std::string>;

class PressDispatchWineTest : public ProgramFixture {
  protected:
    void SetUp() override {
        navigator.ConfirmExit = [this] {
            log.push_back("exit question");
            return false;
        };
        windows.form1.Label7.Click = [this] { log.push_back("Label7_Click"); };
        windows.form1.Label6.Click = [this] { log.push_back("Label6_Click"); };
        windows.form12.Label5.Click = [this] { log.push_back("Label5_Click"); };
        windows.form12.Label6.Click = [this] { log.push_back("Label6_Click"); };
        windows.form12.Label7.Click = [this] { log.push_back("Label7_Click"); };
        windows.form12.Form_MouseDown = [this] { log.push_back("Form_MouseDown"); };
    }

    // Sends the press and its release, as the system would deliver them.
    Log PressOn(Form& form, const Press& press) {
        log.clear();
        const ModalWatcher watcher(log);
        const HWND window = form.Hwnd();
        const LPARAM at = At(press.x, press.y);
        SendMessageA(window, press.down, 0, at);
        SendMessageA(window, press.down + 1, 0, at);  // the matching button-up message
        Settle();
        if (IsIconic(window)) {
            log.push_back("minimized");
            ShowWindow(window, SW_RESTORE);
        }
        return log;
    }
};

TEST_F(PressDispatchWineTest, MainWindowPressesGoToTheLabelUnderThePointer) {
    const Press presses[] = {
        {"X on the tab", 176, 6, WM_LBUTTONDOWN, {"exit question"}},
        {"- on the tab", 163, 7, WM_LBUTTONDOWN, {"minimized"}},
        {">>> on the ellipse", 141, 41, WM_LBUTTONDOWN, {"menu"}},
        {"START", 136, 81, WM_LBUTTONDOWN, {"Label7_Click"}},
        {"STOP", 136, 121, WM_LBUTTONDOWN, {"Label6_Click"}},
        {"bare skin, left button", 100, 20, WM_LBUTTONDOWN, {"move loop"}},
        {"bare skin, right button", 90, 140, WM_RBUTTONDOWN, {"move loop"}},
        {"bare skin, middle button", 190, 140, WM_MBUTTONDOWN, {"move loop"}},
        {"minute counter", 20, 112, WM_LBUTTONDOWN, {}},
        {"unit word", 50, 64, WM_LBUTTONDOWN, {}},
        {"strip along the right edge", 180, 70, WM_LBUTTONDOWN, {}},
        {"START, right button", 136, 81, WM_RBUTTONDOWN, {}},
    };
    windows.form1.Show();
    for (const Press& press : presses) {
        EXPECT_EQ(PressOn(windows.form1, press), press.expected) << press.what;
    }
}

TEST_F(PressDispatchWineTest, CompanionPressesGoToTheLabelUnderThePointer) {
    const Press presses[] = {
        {"left red dot", 149, 7, WM_LBUTTONDOWN, {"Label7_Click"}},
        {"upper left of the right red dot", 164, 5, WM_LBUTTONDOWN, {"Label6_Click"}},
        {"lower right of the right red dot", 169, 10, WM_LBUTTONDOWN, {"Form_MouseDown"}},
        {"word START", 80, 80, WM_LBUTTONDOWN, {"Label5_Click"}},
        {"white box beside the word", 52, 88, WM_LBUTTONDOWN, {"Form_MouseDown"}},
        {"file line", 30, 30, WM_LBUTTONDOWN, {}},
        {"bare skin, right button", 20, 70, WM_RBUTTONDOWN, {"Form_MouseDown"}},
    };
    windows.form12.Show();
    for (const Press& press : presses) {
        EXPECT_EQ(PressOn(windows.form12, press), press.expected) << press.what;
    }
}

TEST_F(PressDispatchWineTest, ClickNeedsTheReleaseOverTheSameLabel) {
    windows.form1.Show();
    const HWND window = windows.form1.Hwnd();
    SendMessageA(window, WM_LBUTTONDOWN, 0, At(136, 81));  // START
    SendMessageA(window, WM_LBUTTONUP, 0, At(136, 121));   // let go over STOP
    EXPECT_TRUE(log.empty());
}

TEST_F(PressDispatchWineTest, EveryWayToExitAsksTheSameQuestionOnce) {
    windows.form1.Show();
    int asked = 0;
    navigator.ConfirmExit = [&] {
        ++asked;
        navigator.Exit();  // a second request while the question is up
        return false;
    };
    SendMessageA(windows.form1.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(asked, 1);
    windows.form3.Exit.Click();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(IsWindow(windows.form1.Handle())) << "No keeps the program running";
}

TEST_F(PressDispatchWineTest, TimersTickIntoTheirHandlersOnlyWhileEnabled) {
    int ticks = 0;
    windows.form1.Timer1.Tick = [&] { ++ticks; };
    Timer& timer = windows.form1.Timer1;
    EXPECT_EQ(timer.Layout().intervalMs, 60000u);
    // The tick is the window's WM_TIMER for the timer's id.
    SendMessageA(windows.form1.Hwnd(), WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 0);
    timer.Enable();
    SendMessageA(windows.form1.Hwnd(), WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 1);
    timer.Disable();
    SendMessageA(windows.form1.Hwnd(), WM_TIMER, timer.Id(), 0);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace snoozr::ui::test
