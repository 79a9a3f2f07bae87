// The main window's hotspots and dragging, clicked with the real mouse at the painted
// features: "-" minimizes, "X" asks the exit question, ">>>" opens the menu at the pointer;
// a press on the bare skin drags, a press on a label does not.

#include "EndToEnd.h"

namespace snoozr::ui::test {
namespace {

class MainWindowWineTest : public EndToEnd {
  protected:
    void SetUp() override { StartAndOpenMain(); }
};

TEST_F(MainWindowWineTest, MinusOnTheTabMinimizes) {
    wine::ClickControl(Main(), layout::kForm1, "Label9");
    EXPECT_TRUE(wine::WaitUntil([&] { return IsIconic(Main()) != FALSE; }, kWindowWait));
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

TEST_F(MainWindowWineTest, ExitQuestionAnsweredNoChangesNothing) {
    const ExitTrigger triggers[] = {
        kExitByHotspot,
        {"the system's close",
         [](const wine::ProgramDriver& driver) { PostMessageA(driver.Main(), WM_CLOSE, 0, 0); }},
    };
    for (const ExitTrigger& trigger : triggers) {
        SCOPED_TRACE(trigger.name);
        trigger.ask(Driver());
        ASSERT_NO_FATAL_FAILURE(AnswerExitQuestion(IDNO));
        Sleep(300);  // time for a wrong exit to show
        EXPECT_TRUE(program->Proc().Running());
        EXPECT_TRUE(IsWindowVisible(Main()));
        EXPECT_EQ(standIn.ChatLines().size(), 3u);
    }
}

TEST_F(MainWindowWineTest, OptionsOpensTheMenuAtThePointerAndDismissingItDoesNothing) {
    const HWND menu = Driver().OpenMenu();
    ASSERT_NE(menu, nullptr);
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT bounds{};
    GetWindowRect(menu, &bounds);
    EXPECT_EQ(bounds.left, pointer.x) << "left edge at the pointer";
    EXPECT_EQ(bounds.top, pointer.y);

    wine::PressKey(VK_ESCAPE);
    EXPECT_TRUE(wine::WaitUntil([&] { return VisibleMenu() == nullptr; }, kWindowWait));
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

TEST_F(MainWindowWineTest, PressOnTheBareSkinDragsWithAnyButton) {
    for (const wine::Button button : {wine::Button::kLeft, wine::Button::kRight}) {
        SCOPED_TRACE(button == wine::Button::kLeft ? "left button" : "right button");
        wine::Press(Main(), {100, 20}, button);
        EXPECT_TRUE(wine::WaitUntil([&] { return wine::InMoveLoop(Main()); }, kWindowWait));
        PostMessageA(Main(), WM_LBUTTONUP, 0, 0);
        wine::Release(button);
        EXPECT_TRUE(wine::WaitUntil([&] { return !wine::InMoveLoop(Main()); }, kWindowWait));
    }
}

TEST_F(MainWindowWineTest, PressOnALabelDoesNotDrag) {
    wine::PressControl(Main(), layout::kForm1, "Label1");  // the minute counter
    Sleep(500);
    EXPECT_FALSE(wine::InMoveLoop(Main()));
    wine::Release();
}

}  // namespace
}  // namespace snoozr::ui::test
