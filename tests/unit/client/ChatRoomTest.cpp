#include <gtest/gtest.h>

#include "client/ClientLink.h"
#include "support/FakeEventLoop.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr {
namespace {

using test::InMemoryDesktop;

// A client frame with its MDI area; rooms are added below it.
class ChatRoomTest : public ::testing::Test {
  protected:
    WindowHandle AddRoom(std::vector<std::string_view> childClasses) {
        const WindowHandle room = desktop.Add(area, "AOL Child", "Lobby");
        for (auto cls : childClasses)
            desktop.Add(room, std::string(cls));
        return room;
    }
    WindowHandle FullRoom() {
        return AddRoom({"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"});
    }
    InMemoryDesktop desktop;
    test::FakeEventLoop events;
    test::RecordingMessageBoxes boxes;
    ClientLink link{desktop, events, boxes};
    WindowHandle frame = desktop.Add(kNoWindow, "AOL Frame25", "America  Online");
    WindowHandle area = desktop.Add(frame, "MDIClient");
};

TEST_F(ChatRoomTest, RoomSearchRules) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string_view>> rooms;  // top of the z-order first
        int expected;                                      // index of the room found, -1 none
    };
    const std::vector<std::string_view> full = {"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon",
                                                "_AOL_Static"};
    const Case cases[] = {
        {"no rooms", {}, -1},
        {"first passing room wins", {full, full}, 0},
        {"room lacking a static is passed over",
         {{"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon"}, full},
         1},
        {"room lacking a list is passed over", {{"RICHCNTL", "_AOL_Icon", "_AOL_Static"}, full}, 1},
        {"order and number of children do not count",
         {{"_AOL_Static", "_AOL_Icon", "_AOL_Icon", "_AOL_Listbox", "RICHCNTL"}},
         0},
        {"none passes", {{"RICHCNTL"}, {"_AOL_Listbox", "_AOL_Icon", "_AOL_Static"}}, -1},
    };
    for (const Case& c : cases) {
        InMemoryDesktop d;
        ClientLink l{d, events, boxes};
        const WindowHandle f = d.Add(kNoWindow, "AOL Frame25");
        const WindowHandle a = d.Add(f, "MDIClient");
        std::vector<WindowHandle> rooms;
        for (const auto& children : c.rooms) {
            rooms.push_back(d.Add(a, "AOL Child"));
            for (auto cls : children)
                d.Add(rooms.back(), std::string(cls));
        }
        EXPECT_EQ(l.FindChatRoom(), c.expected < 0 ? kNoWindow : rooms[c.expected]) << c.name;
    }
}

TEST_F(ChatRoomTest, HiddenRoomsAreNotSkipped) {
    const WindowHandle hidden = FullRoom();
    FullRoom();
    desktop.SetVisible(hidden, false);
    EXPECT_EQ(link.FindChatRoom(), hidden);
}

TEST_F(ChatRoomTest, ClassesMatchWithoutRegardToCase) {
    const WindowHandle room =
        AddRoom({"richcntl", "RichCntl", "_aol_listbox", "_AOL_ICON", "_Aol_Static"});
    EXPECT_EQ(link.FindChatRoom(), room);
}

TEST_F(ChatRoomTest, NoClientAtAllSendsNothing) {
    InMemoryDesktop empty;
    ClientLink l{empty, events, boxes};
    EXPECT_EQ(l.FindChatRoom(), kNoWindow);
    l.SendChat("hello");
    EXPECT_TRUE(empty.Messages().empty());
}

TEST_F(ChatRoomTest, FrameWithoutMdiAreaGivesNoRoom) {
    InMemoryDesktop d;
    ClientLink l{d, events, boxes};
    const WindowHandle f = d.Add(kNoWindow, "AOL Frame25");
    const WindowHandle room = d.Add(f, "AOL Child");  // a room directly under the frame
    for (auto cls : {"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"})
        d.Add(room, cls);
    EXPECT_EQ(l.FindChatRoom(), kNoWindow);
}

TEST_F(ChatRoomTest, LineGoesToTheSecondRichControlThenEnter) {
    const WindowHandle room =
        AddRoom({"RICHCNTL", "_AOL_Listbox", "RICHCNTL", "RICHCNTL", "_AOL_Icon", "_AOL_Static"});
    const WindowHandle transcript = desktop.FindChild(room, kNoWindow, "RICHCNTL", std::nullopt);
    const WindowHandle input = desktop.FindChild(room, transcript, "RICHCNTL", std::nullopt);
    desktop.ClearMessages();

    link.SendChat(
        "O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBA"
        "O");

    const auto& messages = desktop.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].window, input);
    EXPECT_EQ(messages[0].message, msg::kSetText);
    EXPECT_EQ(messages[0].text,
              "O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBA"
              "O");
    EXPECT_FALSE(messages[0].posted);
    EXPECT_EQ(messages[1].window, input);
    EXPECT_EQ(messages[1].message, msg::kChar);
    EXPECT_EQ(messages[1].wParam, 13u);
    EXPECT_EQ(messages[1].lParam, 0);
    EXPECT_FALSE(messages[1].posted);
    EXPECT_TRUE(desktop.MessagesTo(transcript).empty());
}

TEST_F(ChatRoomTest, RoomWithOneRichControlGetsNothing) {
    AddRoom({"RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"});
    desktop.ClearMessages();
    link.SendChat("lost");
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(ChatRoomTest, EmptyLineEmptiesTheBoxAndPressesEnter) {
    FullRoom();
    desktop.ClearMessages();
    link.SendChat("");
    ASSERT_EQ(desktop.Messages().size(), 2u);
    EXPECT_EQ(desktop.Messages()[0].text, "");
    EXPECT_EQ(desktop.Messages()[1].wParam, 13u);
}

TEST_F(ChatRoomTest, EachLineSearchesAnewAndFollowsTheFrontRoom) {
    const WindowHandle first = FullRoom();
    const WindowHandle second = FullRoom();
    auto inputOf = [&](WindowHandle room) {
        return desktop.FindChild(room, desktop.FindChild(room, 0, "RICHCNTL", std::nullopt),
                                 "RICHCNTL", std::nullopt);
    };
    const WindowHandle secondInput = inputOf(second);
    desktop.ClearMessages();
    link.SendChat("one");
    desktop.BringToTop(second);
    link.SendChat("two");
    desktop.Remove(second);
    link.SendChat("three");

    const auto& m = desktop.Messages();
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m[0].window, inputOf(first));
    EXPECT_EQ(m[0].text, "one");
    EXPECT_EQ(m[2].window, secondInput);
    EXPECT_EQ(m[2].text, "two");
    EXPECT_EQ(m[4].window, inputOf(first));
    EXPECT_EQ(m[4].text, "three");
}

}  // namespace
}  // namespace snoozr
