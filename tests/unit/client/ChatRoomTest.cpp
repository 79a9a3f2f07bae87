#include <gtest/gtest.h>

#include "client/ClientLink.h"
#include "support/ClientTree.h"
#include "support/FakeEventLoop.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr {
namespace {

using test::ClientTree;
using test::InMemoryDesktop;
using test::RecordedMessage;

// A client frame with its MDI area; rooms are added below it.
class ChatRoomTest : public ::testing::Test {
  protected:
    InMemoryDesktop desktop;
    ClientTree client{desktop};
    test::FakeEventLoop events;
    test::RecordingMessageBoxes boxes;
    ClientLink link{desktop, events, boxes};
};

// A line as the link types it: the text into the box, then a carriage return.
std::vector<RecordedMessage> Typed(WindowHandle input, const std::string& line) {
    return {{input, msg::kSetText, 0, 0, line, false}, {input, msg::kChar, 13, 0, "", false}};
}

TEST_F(ChatRoomTest, RoomSearchRules) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string_view>> rooms;  // top of the z-order first
        int expected;                                      // index of the room found, -1 none
    };
    const std::vector<std::string_view> full = test::kRoomChildren;
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
        SCOPED_TRACE(c.name);
        InMemoryDesktop d;
        ClientTree tree(d);
        ClientLink l{d, events, boxes};
        std::vector<WindowHandle> rooms;
        for (const auto& children : c.rooms)
            rooms.push_back(tree.AddRoom(children, "").window);
        EXPECT_EQ(l.FindChatRoom(), c.expected < 0 ? kNoWindow : rooms[c.expected]);
    }
}

TEST_F(ChatRoomTest, HiddenRoomsAreNotSkipped) {
    const WindowHandle hidden = client.AddChatRoom().window;
    client.AddChatRoom();
    desktop.SetVisible(hidden, false);
    EXPECT_EQ(link.FindChatRoom(), hidden);
}

TEST_F(ChatRoomTest, ClassesMatchWithoutRegardToCase) {
    const WindowHandle room =
        client.AddRoom({"richcntl", "RichCntl", "_aol_listbox", "_AOL_ICON", "_Aol_Static"}).window;
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
    ClientTree tree(d, ClientTree::Area::kNone);
    ClientLink l{d, events, boxes};
    tree.AddRoomTo(tree.frame, test::kRoomChildren);  // a room directly under the frame
    EXPECT_EQ(l.FindChatRoom(), kNoWindow);
}

TEST_F(ChatRoomTest, LineGoesToTheSecondRichControlThenEnter) {
    const test::ChatRoom room = client.AddRoom(
        {"RICHCNTL", "_AOL_Listbox", "RICHCNTL", "RICHCNTL", "_AOL_Icon", "_AOL_Static"});
    desktop.ClearMessages();

    link.SendChat(
        "O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBA"
        "O");

    EXPECT_EQ(desktop.Messages(), Typed(room.input,
                                        "O\xBA\xB0\x91  STARTED IDLE\xA8\xB0\xBA"
                                        "O"));
    EXPECT_TRUE(desktop.MessagesTo(room.transcript).empty());
}

TEST_F(ChatRoomTest, RoomWithOneRichControlGetsNothing) {
    client.AddRoom({"RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"});
    desktop.ClearMessages();
    link.SendChat("lost");
    EXPECT_TRUE(desktop.Messages().empty());
}

TEST_F(ChatRoomTest, LineThatNeverReachedTheBoxIsNotEntered) {
    // Enter into a box the text did not reach would send whatever it holds, or an empty line.
    const test::ChatRoom room = client.AddChatRoom();
    desktop.ClearMessages();
    desktop.TimeOutNextSend(room.input);
    link.SendChat("lost while the client was busy");
    EXPECT_TRUE(desktop.Messages().empty());
    link.SendChat("the next line");
    EXPECT_EQ(desktop.Messages(), Typed(room.input, "the next line"));
}

TEST_F(ChatRoomTest, EmptyLineEmptiesTheBoxAndPressesEnter) {
    const test::ChatRoom room = client.AddChatRoom();
    desktop.ClearMessages();
    link.SendChat("");
    EXPECT_EQ(desktop.Messages(), Typed(room.input, ""));
}

TEST_F(ChatRoomTest, EachLineSearchesAnewAndFollowsTheFrontRoom) {
    const test::ChatRoom first = client.AddChatRoom();
    const test::ChatRoom second = client.AddChatRoom();
    desktop.ClearMessages();
    link.SendChat("one");
    desktop.BringToTop(second.window);
    link.SendChat("two");
    desktop.Remove(second.window);
    link.SendChat("three");

    std::vector<RecordedMessage> expected;
    for (const auto& [input, line] : {std::pair{first.input, "one"}, std::pair{second.input, "two"},
                                      std::pair{first.input, "three"}}) {
        const auto typed = Typed(input, line);
        expected.insert(expected.end(), typed.begin(), typed.end());
    }
    EXPECT_EQ(desktop.Messages(), expected);
}

}  // namespace
}  // namespace snoozr
