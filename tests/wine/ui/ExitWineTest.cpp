// The confirmed exit, from the exit hotspot and from the menu's "Exit": exactly the two unload
// lines, then no window and no process left; also when confirmed while another handler waits
// (Ims Off waiting for an IM window the client does not open): nothing of the waiting handler
// follows, no instant message and no "not opened" notice.

#include "EndToEnd.h"

namespace snoozr::ui::test {
namespace {

class Exiting : public EndToEnd {
  protected:
    using EndToEnd::EndToEnd;

    // After Yes: the program has ended, its two unload lines the last said in the room.
    void ExpectEndedWithTheUnloadLines() {
        ASSERT_TRUE(program->Proc().WaitForExit(kWindowWait)) << Report();
        EXPECT_EQ(program->Proc().ExitCode(), 0u);
        EXPECT_FALSE(wine::AnyWindowOf(Pid()));
        const auto lines = standIn.ChatLines();
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[3], kBanner);
        EXPECT_EQ(lines[4], kUnloaded);
    }
};

const ExitTrigger kTriggers[] = {
    kExitByHotspot,
    {"menu Exit", [](const wine::ProgramDriver& driver) { driver.Choose({"Exit"}); }},
};

class ExitWineTest : public Exiting, public ::testing::WithParamInterface<ExitTrigger> {};

TEST_P(ExitWineTest, YesSendsTheUnloadLinesAndEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    GetParam().ask(Driver());
    AnswerExitQuestion(IDYES);
    ExpectEndedWithTheUnloadLines();
}

INSTANTIATE_TEST_SUITE_P(Triggers, ExitWineTest, ::testing::ValuesIn(kTriggers),
                         [](const auto& info) { return info.index == 0 ? "Hotspot" : "Menu"; });

class NestedExitWineTest : public Exiting {
  protected:
    // The client opens no IM window for a minute: Ims Off waits its whole bound.
    NestedExitWineTest() : Exiting("--im-delay 60000") {}
};

TEST_F(NestedExitWineTest, ExitInsideTheImWaitEndsTheProgramAtOnce) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    Choose({"Aol Options", "Ims", "Ims Off"});
    kExitByHotspot.ask(Driver());  // while Ims Off waits
    AnswerExitQuestion(IDYES);
    ExpectEndedWithTheUnloadLines();
}

}  // namespace
}  // namespace snoozr::ui::test
