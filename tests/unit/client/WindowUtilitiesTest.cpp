#include <gtest/gtest.h>

#include "client/ClientLink.h"
#include "support/FakeEventLoop.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr {
namespace {

class WindowUtilitiesTest : public ::testing::Test {
  protected:
    test::InMemoryDesktop desktop;
    test::FakeEventLoop events;
    test::RecordingMessageBoxes boxes;
    ClientLink link{desktop, events, boxes};
    WindowHandle window = desktop.Add(kNoWindow, "SnoozrForm", "Snoozr 2.5");
};

TEST_F(WindowUtilitiesTest, StayOnTopMakesTheWindowTopmost) {
    link.StayOnTop(window);
    EXPECT_TRUE(desktop.Topmost(window));
}

TEST_F(WindowUtilitiesTest, DragReleasesTheCaptureThenAsksForACaptionMove) {
    int releasesAtMove = -1;
    desktop.React(
        window, [&](const test::RecordedMessage&) { releasesAtMove = desktop.CaptureReleases(); });
    link.DragWindow(window);
    // SC_MOVE with HTCAPTION in its low bits: a move by the caption.
    EXPECT_EQ(
        desktop.Messages(),
        (std::vector<test::RecordedMessage>{{window, msg::kSysCommand, 0xF012u, 0, "", false}}));
    EXPECT_EQ(releasesAtMove, 1);
}

}  // namespace
}  // namespace snoozr
