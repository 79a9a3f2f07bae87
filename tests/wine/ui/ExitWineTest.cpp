// The confirmed exit, from the exit hotspot and from the menu's "Exit": exactly the two unload
// lines, then no window and no process left.

#include "EndToEnd.h"

namespace snoozr::ui::test {
namespace {

const ExitTrigger kTriggers[] = {
    kExitByHotspot,
    {"menu Exit", [](const wine::ProgramDriver& driver) { driver.Choose({"Exit"}); }},
};

class ExitWineTest : public EndToEnd, public ::testing::WithParamInterface<ExitTrigger> {};

TEST_P(ExitWineTest, YesSendsTheUnloadLinesAndEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
    GetParam().ask(Driver());
    const HWND box = wine::WaitForMessageBox(Pid(), "Exit?", kWindowWait);
    ASSERT_NE(box, nullptr);
    wine::AnswerMessageBox(box, IDYES);
    ASSERT_TRUE(program->Proc().WaitForExit(kWindowWait));
    EXPECT_EQ(program->Proc().ExitCode(), 0u);
    EXPECT_FALSE(wine::AnyWindowOf(Pid()));
    const auto lines = standIn.ChatLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], kBanner);
    EXPECT_EQ(lines[4], kUnloaded);
}

INSTANTIATE_TEST_SUITE_P(Triggers, ExitWineTest, ::testing::ValuesIn(kTriggers),
                         [](const auto& info) { return info.index == 0 ? "Hotspot" : "Menu"; });

}  // namespace
}  // namespace snoozr::ui::test
