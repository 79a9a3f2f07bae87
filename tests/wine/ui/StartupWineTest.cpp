// Start-up: the three load lines, then the splash alone on screen, then the main window after
// a double click on the splash.

#include <vector>

#include "EndToEnd.h"

namespace snoozr::ui::test {
namespace {

using StartupWineTest = EndToEnd;

TEST_F(StartupWineTest, LoadLinesArriveInOrderBeforeTheSplashIsVisible) {
    ASSERT_NO_FATAL_FAILURE(Start());
    std::vector<std::string> linesWhenSeen;
    const bool seen = wine::WaitUntil(
        [&] {
            const HWND splash = Splash();
            if (splash == nullptr || !IsWindowVisible(splash))
                return false;
            linesWhenSeen = standIn.ChatLines();  // read after the splash was seen
            return true;
        },
        kWindowWait);
    ASSERT_TRUE(seen) << Report();
    ASSERT_EQ(linesWhenSeen.size(), 3u);
    EXPECT_EQ(linesWhenSeen[0], kBanner);
    EXPECT_EQ(linesWhenSeen[1], kLoaded);
    EXPECT_EQ(linesWhenSeen[2].substr(0, kDownloadStart.size()), kDownloadStart);
    EXPECT_EQ(linesWhenSeen[2].back(), ' ');

    const RECT client = wine::ClientRectOnScreen(Splash());
    EXPECT_EQ(client.left, 126);
    EXPECT_EQ(client.top, 109);
    EXPECT_EQ(client.right - client.left, 492);
    EXPECT_EQ(client.bottom - client.top, 353);
    ASSERT_NE(Main(), nullptr);
    EXPECT_FALSE(IsWindowVisible(Main()));
}

TEST_F(StartupWineTest, OnlyADoubleClickOnTheSplashShowsTheMainWindow) {
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND splash = Driver().WaitForShown(layout::kFrmSplash);
    ASSERT_NE(splash, nullptr);
    const POINT centre = wine::ClientCentre(splash, layout::kFrmSplash);
    wine::Click(splash, centre);
    Sleep(1000);  // time for a wrong reaction to show
    EXPECT_TRUE(IsWindowVisible(splash));
    EXPECT_FALSE(IsWindowVisible(Main()));

    wine::DoubleClick(splash, centre);
    ASSERT_TRUE(wine::WaitUntil([&] { return IsWindowVisible(Main()) != FALSE; }, kWindowWait));
    EXPECT_FALSE(IsWindowVisible(splash));
    const RECT client = wine::ClientRectOnScreen(Main());
    EXPECT_EQ(client.left, 16);
    EXPECT_EQ(client.top, 15);
    EXPECT_EQ(client.right - client.left, 195);
    EXPECT_EQ(client.bottom - client.top, 144);
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

}  // namespace
}  // namespace snoozr::ui::test
