// The stand-in client and the harness's real input: what the end-to-end tests stand on.

#include <gtest/gtest.h>

#include "wine/support/WineHarness.h"

namespace snoozr {
namespace {

using wine::StandIn;

HWND InputBox(HWND room) {
    return FindWindowExA(room, FindWindowExA(room, nullptr, "RICHCNTL", nullptr), "RICHCNTL",
                         nullptr);
}

TEST(StandInWineTest, RoomHasTheClientsChildrenInOrder) {
    StandIn client;
    const HWND room = client.Room(1);
    ASSERT_NE(room, nullptr);
    std::vector<std::string> classes;
    for (HWND child = GetWindow(room, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        classes.push_back(wine::ClassOf(child));
    EXPECT_EQ(classes, (std::vector<std::string>{"RICHCNTL", "RICHCNTL", "_AOL_Listbox",
                                                 "_AOL_Icon", "_AOL_Static"}));
    const HWND keyword = FindWindowExA(
        FindWindowExA(FindWindowExA(FindWindowExA(client.Frame(), nullptr, "AOL Toolbar", nullptr),
                                    nullptr, "_AOL_Toolbar", nullptr),
                      nullptr, "_AOL_Combobox", nullptr),
        nullptr, "Edit", nullptr);
    EXPECT_NE(keyword, nullptr);
}

TEST(StandInWineTest, UsersClickOnSendSaysTheTypedLine) {
    StandIn client;
    const HWND room = client.Room(1);
    const HWND input = InputBox(room);
    SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed by hand"));
    const HWND send = FindWindowExA(room, nullptr, "_AOL_Icon", nullptr);
    wine::Click(send, {5, 5});
    ASSERT_TRUE(client.WaitForChatLines(1, 5000));
    EXPECT_EQ(client.ChatLines(), std::vector<std::string>{"typed by hand"});
    EXPECT_EQ(wine::WindowText(input), "");
}

// The hostile client's steps, in the order it logged them: the first `count` of a run.
std::vector<std::string> HostileSteps(const std::string& arguments, std::size_t count) {
    StandIn client(arguments);
    std::vector<std::string> steps;
    wine::WaitUntil(
        [&] {
            steps.clear();
            for (const auto& event : client.Events()) {
                if (event.event == "hostile" && steps.size() < count)
                    steps.push_back(event.where + " " + event.bytes);
            }
            return steps.size() == count;
        },
        20000);
    return steps;
}

TEST(StandInWineTest, AHostileRunRepeatsWithItsScheduleNumber) {
    const std::string rooms = "--hostile-only rooms --hostile ";
    const auto first = HostileSteps(rooms + "7", 60);
    ASSERT_EQ(first.size(), 60u);
    EXPECT_EQ(first[0], "schedule 7");
    EXPECT_EQ(first[1], "behaviours rooms");
    EXPECT_EQ(HostileSteps(rooms + "7", 60), first);
    // Another number, other steps (its first line names its own number).
    const auto other = HostileSteps(rooms + "8", 60);
    ASSERT_EQ(other.size(), 60u);
    EXPECT_NE(std::vector(other.begin() + 2, other.end()),
              std::vector(first.begin() + 2, first.end()));
}

}  // namespace
}  // namespace snoozr
