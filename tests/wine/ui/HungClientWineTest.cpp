// A client that stops answering (frozen by the first chat line it gets, for longer than any of
// the program's bounds): an IM switch gives up with the program's own message instead of
// hanging, and the main window keeps answering the user.

#include <algorithm>

#include "EndToEnd.h"
#include "ui/layout/Layouts.h"

namespace snoozr::ui::test {
namespace {

class HungClientWineTest : public EndToEnd {
  protected:
    HungClientWineTest() : EndToEnd("--freeze-on-chat 60000") {}
};

TEST_F(HungClientWineTest, ImSwitchGivesUpWithItsMessageAndTheMainWindowAnswers) {
    // The start-up's first banner freezes the client: the other two are given up on.
    StartAndOpenMain();
    Choose({"Aol Options", "Ims", "Ims Off"});
    const HWND notice = wine::WaitForMessageBox(Pid(), "Snoozr 2.5", 60000);
    ASSERT_NE(notice, nullptr) << Report();
    EXPECT_EQ(wine::MessageBoxText(notice),
              "America Online did not open an instant message window, so the instant message "
              "was not sent.");
    wine::AnswerMessageBox(notice, IDOK);
    ASSERT_TRUE(wine::WaitUntil([&] { return !IsWindow(notice); }, kWindowWait));

    // Still frozen: the program answers its own window all the same.
    wine::ClickControl(Main(), layout::kForm1, "Label9");  // minimize
    EXPECT_TRUE(wine::WaitUntil([&] { return IsIconic(Main()) != FALSE; }, kWindowWait))
        << Report();
    const auto thawed = standIn.Events();
    EXPECT_TRUE(std::none_of(thawed.begin(), thawed.end(), [](const auto& event) {
        return event.event == "thawed";
    })) << "the client was to be frozen throughout";
}

}  // namespace
}  // namespace snoozr::ui::test
