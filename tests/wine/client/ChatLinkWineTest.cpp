// The chat room link against the stand-in client, through the real window services.

#include <gtest/gtest.h>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "wine/support/WineHarness.h"

namespace snoozr {
namespace {

using wine::StandIn;

class ChatLinkWineTest : public ::testing::Test {
  protected:
    Win32WindowServices windows;
    Win32EventLoop events;
    Win32MessageBoxes boxes;
    ClientLink link{windows, events, boxes};
};

TEST_F(ChatLinkWineTest, CodePage1252BytesArriveUnchanged) {
    StandIn client;
    std::string everyPrintable;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        everyPrintable += static_cast<char>(byte);
    link.SendChat("O\xBA\xB0\x91  idle");
    link.SendChat(everyPrintable);
    ASSERT_TRUE(client.WaitForChatLines(2, 10000));
    const auto lines = client.ChatLines();
    EXPECT_EQ(lines[0], "O\xBA\xB0\x91  idle");
    EXPECT_EQ(lines[1], everyPrintable);
}

TEST_F(ChatLinkWineTest, LineGoesToTheFrontRoomAndFollowsIt) {
    StandIn client("--rooms 2");  // the room opened last is in front
    link.SendChat("to the second");
    client.BringToFront(client.Room(1));
    link.SendChat("to the first");
    ASSERT_TRUE(client.WaitForChatLines(2, 10000));
    const auto events = client.Events();
    std::vector<std::pair<std::string, std::string>> said;
    for (const auto& e : events)
        if (e.event == "chat")
            said.emplace_back(e.where, e.bytes);
    EXPECT_EQ(said, (std::vector<std::pair<std::string, std::string>>{
                        {"Lobby 2", "to the second"}, {"Lobby 1", "to the first"}}));
    EXPECT_NE(client.Transcript(client.Room(1)).find("Guest: to the first"), std::string::npos);
}

TEST_F(ChatLinkWineTest, LinesArriveInCallOrderAndTheBoxIsEmptied) {
    StandIn client;
    std::vector<std::string> sent;
    for (int i = 0; i < 25; ++i)
        sent.push_back("line " + std::to_string(i));
    for (const auto& line : sent)
        link.SendChat(line);
    ASSERT_TRUE(client.WaitForChatLines(sent.size(), 10000));
    EXPECT_EQ(client.ChatLines(), sent);
    const HWND room = client.Room(1);
    const HWND input =
        FindWindowExA(room, FindWindowExA(room, nullptr, "RICHCNTL", nullptr), "RICHCNTL", nullptr);
    EXPECT_EQ(wine::WindowText(input), "");
}

TEST_F(ChatLinkWineTest, NoClientRunningLosesTheLineQuietly) {
    ASSERT_EQ(link.FindChatRoom(), kNoWindow);
    link.SendChat("nobody hears this");  // returns, nothing to check beyond not hanging
    EXPECT_EQ(FindWindowA("AOL Frame25", nullptr), nullptr);
}

TEST_F(ChatLinkWineTest, HungClientDoesNotFreezeTheSender) {
    StandIn client("--freeze-on-chat 40000");
    link.SendChat("into a hung client");
    // The send gave up while the client was still frozen.
    bool thawed = false;
    for (const auto& e : client.Events())
        thawed = thawed || e.event == "thawed";
    EXPECT_FALSE(thawed);
}

TEST_F(ChatLinkWineTest, AClientThatLetASendTimeOutGetsNothingMoreUntilItAnswersAgain) {
    // The first line's text freezes the client for less than two bounds: that line is given up
    // on, and waiting out a bound for each of the next two, they would return only once it
    // thawed.
    StandIn client("--freeze-on-chat " +
                   std::to_string(Win32WindowServices::kSendTimeoutMs * 7 / 4));
    link.SendChat("into a frozen client");
    link.SendChat("while it is still frozen");
    link.SendChat("and still");
    EXPECT_FALSE(client.Logged("thawed"));
    ASSERT_TRUE(wine::WaitUntil([&] { return client.Answers(); }, 20000));
    link.SendChat("once it answers again");
    ASSERT_TRUE(client.WaitForChatLines(1, 5000));
    Sleep(500);  // anything else on its way arrives meanwhile
    EXPECT_EQ(client.ChatLines(), std::vector<std::string>{"once it answers again"});
}

}  // namespace
}  // namespace snoozr
