// The confirmed exit, from the exit hotspot and from the menu's "Exit": exactly the two unload
// lines, then no window and no process left.

#include <ostream>

#include "EndToEnd.h"

namespace snoozr::ui::test {
namespace {

struct Trigger {
    const char* what;
    void (*ask)(HWND main);
};

const Trigger kTriggers[] = {
    {"X on the tab",
     [](HWND main) {
         wine::Click(main, {176, 6});
     }},
    // "Exit" is the last item of the popup: Up from no selection, then Enter.
    {"menu Exit",
     [](HWND main) {
         wine::Click(main, {141, 41});
         Sleep(500);
         wine::PressKey(VK_UP);
         wine::PressKey(VK_RETURN);
     }},
};

void PrintTo(const Trigger& trigger, std::ostream* out) {
    *out << trigger.what;
}

class ExitWineTest : public EndToEnd, public ::testing::WithParamInterface<Trigger> {};

TEST_P(ExitWineTest, YesSendsTheUnloadLinesAndEndsTheProgram) {
    StartAndOpenMain();
    GetParam().ask(Main());
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
