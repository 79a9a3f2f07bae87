// Keywords and instant messages against the stand-in client, through the real window services.

#include <gtest/gtest.h>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32WindowServices.h"
#include "support/RecordingMessageBoxes.h"
#include "wine/support/WineHarness.h"

namespace snoozr {
namespace {

using wine::StandIn;
using Logged = wine::StandInEvent;

std::vector<Logged> Log(const StandIn& client) {
    return client.EventsOtherThan({"ready"});
}

HWND ImWindow(const StandIn& client) {
    return FindWindowExA(client.MdiArea(), nullptr, "AOL Child", "Send Instant Message");
}

class InstantMessagesWineTest : public ::testing::Test {
  protected:
    Win32WindowServices windows;
    Win32EventLoop events;
    test::RecordingMessageBoxes boxes;  // a box when the send gives up, without blocking the test
    ClientLink link{windows, events, boxes};
};

TEST_F(InstantMessagesWineTest, SwitchImsGoOutAndTheirWindowsClose) {
    StandIn client;
    link.ImsOff();
    link.ImsOn();
    EXPECT_EQ(Log(client), wine::SwitchImEvents({"$IM_OFF", "$IM_ON"}));
    EXPECT_EQ(ImWindow(client), nullptr);
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_NE(client.Transcript(client.Room(1)).find("IM to $IM_OFF: =)"), std::string::npos);
}

TEST_F(InstantMessagesWineTest, ClientsMessageBoxIsAnsweredAndTheImWindowClosed) {
    StandIn client("--im-reply msgbox");
    link.ImsOff();
    // The program posts its answers and returns; the client handles them a moment later. No IM
    // goes out.
    wine::WaitUntil([&] { return Log(client).size() >= 4; }, 10000);
    EXPECT_EQ(Log(client), (std::vector<Logged>{
                               {"keyword", "", "aol://9293:$IM_OFF"},
                               {"msgbox-shown", "$IM_OFF", "$IM_OFF is not currently signed on."},
                               {"msgbox-answered", "$IM_OFF", "1"},
                               {"im-closed", "$IM_OFF", "closed"},
                           }));
    EXPECT_EQ(wine::FindProcessWindow(client.ProcessId(), "America Online", "#32770"), nullptr);
    EXPECT_EQ(ImWindow(client), nullptr);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(InstantMessagesWineTest, LateOrSlowlyBuiltImWindowIsStillSent) {
    for (const char* arguments : {"--im-delay 3000", "--im-icons-slowly 150"}) {
        SCOPED_TRACE(arguments);
        StandIn client(arguments);
        link.ImsOff();
        EXPECT_EQ(Log(client), wine::SwitchImEvents({"$IM_OFF"}));
        EXPECT_TRUE(boxes.Shown().empty());
    }
}

TEST_F(InstantMessagesWineTest, UnansweringClientIsGivenUpOnWithAMessage) {
    StandIn client("--no-im");
    link.ImsOff();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text,
              "America Online did not open an instant message window, so the instant message was "
              "not sent.");
    EXPECT_EQ(boxes.Shown()[0].caption, "Snoozr 2.5");
    EXPECT_EQ(Log(client), (std::vector<Logged>{{"keyword", "", "aol://9293:$IM_OFF"}}));
}

TEST_F(InstantMessagesWineTest, StandInImWindowIsBuiltAsTheClientsAndSendsOnARealClick) {
    StandIn client;
    link.RunKeyword("aol://9293:Buddy");
    const HWND im = ImWindow(client);
    ASSERT_NE(im, nullptr);
    const HWND first = GetWindow(im, GW_CHILD);
    EXPECT_EQ(wine::ClassOf(first), "RICHCNTL");
    std::vector<HWND> icons;
    for (HWND child = first; child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (wine::ClassOf(child) == "_AOL_Icon")
            icons.push_back(child);
    ASSERT_GE(icons.size(), 9u);
    EXPECT_EQ(wine::WindowText(icons[8]), "Send");

    SendMessageA(first, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed by hand \xBA\xB0"));
    wine::Click(icons[8], {10, 10});
    ASSERT_TRUE(wine::WaitUntil([&] { return ImWindow(client) == nullptr; }, 5000));
    EXPECT_EQ(Log(client), (std::vector<Logged>{
                               {"keyword", "", "aol://9293:Buddy"},
                               {"im", "Buddy", "typed by hand \xBA\xB0"},
                               {"im-closed", "Buddy", "sent"},
                           }));
}

}  // namespace
}  // namespace snoozr
