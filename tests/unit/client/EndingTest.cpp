#include <gtest/gtest.h>

#include <functional>

#include "client/ClientLink.h"
#include "support/FakeEventLoop.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr {
namespace {

// Once the program's end has been asked for (a quit met inside a wait, say), the handlers
// under way unwind: whatever they still do reaches neither the client nor the user, and no
// wait holds the end up.
TEST(EndingTest, NothingReachesTheClientOnceTheProgramIsEnding) {
    struct Case {
        const char* name;
        std::function<void(const ClientLink&)> action;
    };
    const Case cases[] = {
        {"SendChat", [](const ClientLink& link) { link.SendChat("still here"); }},
        {"RunKeyword", [](const ClientLink& link) { link.RunKeyword("aol://9293:"); }},
        {"ImsOff", [](const ClientLink& link) { link.ImsOff(); }},
        {"Pause", [](const ClientLink& link) { link.Pause(30); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::InMemoryDesktop desktop;
        test::FakeEventLoop events;
        test::RecordingMessageBoxes boxes;
        const ClientLink link(desktop, events, boxes);
        // A client with a room and a keyword box: everything the operations would drive.
        const WindowHandle frame = desktop.Add(kNoWindow, "AOL Frame25", "America  Online");
        const WindowHandle area = desktop.Add(frame, "MDIClient");
        const WindowHandle room = desktop.Add(area, "AOL Child", "Lobby");
        for (const char* kind :
             {"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon", "_AOL_Static"})
            desktop.Add(room, kind);
        WindowHandle box = frame;
        for (const char* kind : {"AOL Toolbar", "_AOL_Toolbar", "_AOL_Combobox", "Edit"})
            box = desktop.Add(box, kind);
        int dispatched = 0;
        events.OnEveryDispatch([&] { ++dispatched; });

        events.BeginEnding();
        c.action(link);

        EXPECT_TRUE(desktop.Messages().empty());
        EXPECT_TRUE(boxes.Shown().empty());
        EXPECT_EQ(events.Elapsed(), 0.0);
        EXPECT_EQ(dispatched, 0);
        EXPECT_EQ(events.Sleeps(), 0);
    }
}

}  // namespace
}  // namespace snoozr
