// The exit confirmed while another handler waits (Ims Off waiting for the client's IM window):
// the program ends there and then, with the two unload lines and nothing of the waiting
// handler after them: no instant message, no "not opened" notice.

#include "EndToEnd.h"
#include "ui/layout/Layouts.h"

namespace snoozr::ui::test {
namespace {

class NestedExitWineTest : public EndToEnd {
  protected:
    // The client opens no IM window for a minute: Ims Off waits its whole bound.
    NestedExitWineTest() : EndToEnd("--im-delay 60000") {}
};

TEST_F(NestedExitWineTest, ExitInsideTheImWaitEndsTheProgramAtOnce) {
    StartAndOpenMain();
    Choose({"Aol Options", "Ims", "Ims Off"});
    wine::ClickControl(Main(), layout::kForm1, "Label4");  // X on the tab, while Ims Off waits
    AnswerExitQuestion(IDYES);
    ASSERT_TRUE(program->Proc().WaitForExit(kWindowWait)) << Report();
    EXPECT_EQ(program->Proc().ExitCode(), 0u);
    EXPECT_FALSE(wine::AnyWindowOf(Pid()));
    const auto lines = standIn.ChatLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], kBanner);
    EXPECT_EQ(lines[4], kUnloaded);
}

}  // namespace
}  // namespace snoozr::ui::test
