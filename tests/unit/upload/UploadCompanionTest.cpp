#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "UploadFakes.h"
#include "client/ClientLink.h"
#include "support/Cases.h"
#include "support/ClientTree.h"
#include "support/FakeEventLoop.h"
#include "support/FakeTimerSwitch.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"
#include "upload/UploadCompanion.h"

namespace snoozr::upload {
namespace {

using namespace std::string_literals;
using namespace std::chrono_literals;
using C = CompanionControl;

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A fresh folder for the count file, removed with the world.
class TempFolder {
  public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("snoozr-upload-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

struct ChatLine {
    std::string text;
    double at;                // seconds on the fake clock
    std::size_t uploadShows;  // ShowWindow calls on the upload window so far
    bool countFileWritten;    // "upLog" exists when the line is said
};

// The client with an open chat room and, when asked, an upload in progress; the companion
// window over it.
struct World {
    explicit World(bool uploading = true) {
        const WindowHandle input = client.AddChatRoom().input;
        desktop.React(input, [this, input](const snoozr::test::RecordedMessage& m) {
            if (m.message != msg::kChar || m.wParam != 13)
                return;
            lines.push_back({desktop.Caption(input), events.Elapsed(), UploadShows().size(),
                             std::filesystem::exists(folder.Path() / "upLog")});
        });
        if (uploading)
            StartUpload();
    }

    void StartUpload() {
        const snoozr::test::UploadWindow window = client.AddUploadWindow("File Transfer - 43%");
        upload = window.window;
        timeText = window.children.at(1);
    }
    void EndUpload() {
        desktop.Remove(upload);
        upload = kNoWindow;
    }
    void SetCaption(std::string caption) { desktop.SetCaption(upload, std::move(caption)); }
    std::vector<int> UploadShows() const {
        return desktop.Exists(upload) ? desktop.ShowCommands(upload) : std::vector<int>{};
    }

    std::string State() const {
        const std::string control = view.Text(C::Label5);
        if (control == "START" && !timer1.IsEnabled())
            return "Ready";
        if (control == "STOP")
            return timer1.IsEnabled() ? "Watching" : "Stale";
        return "?";
    }
    void ExpectDisplayReset() const {
        EXPECT_EQ(view.Text(C::Label1), "File: ");
        EXPECT_EQ(view.Text(C::Label2), "Minutes Left: na");
        EXPECT_EQ(view.Text(C::Label3), "na%");
        EXPECT_EQ(view.Text(C::Label4), "0");
        EXPECT_EQ(view.BarValue(), 0);
    }

    TempFolder folder;
    snoozr::test::InMemoryDesktop desktop;
    snoozr::test::ClientTree client{desktop};
    snoozr::test::FakeEventLoop events;
    snoozr::test::RecordingMessageBoxes boxes;
    ClientLink link{desktop, events, boxes};
    snoozr::test::FakeTimerSwitch timer1;
    test::FakeCompanionView view;
    UploadCompanion companion{link, boxes, timer1, view, folder.Path().string()};
    WindowHandle upload = kNoWindow;
    WindowHandle timeText = kNoWindow;
    std::vector<ChatLine> lines;
};

TEST(UploadCompanionTest, StateTransitions) {
    enum class Act { Click, Tick, Complete, WindowGoes };
    const struct {
        const char* name;
        bool uploading;
        std::vector<Act> acts;
        const char* state;
        std::optional<std::vector<int>> shows;  // none: the window is gone
        std::size_t notices;
        bool reset;
    } cases[] = {
        {"opens in Ready", true, {}, "Ready", std::vector<int>{}, 0, false},
        {"START with an upload: Watching",
         true,
         {Act::Click},
         "Watching",
         std::vector<int>{0, 6},
         0,
         false},
        {"START without an upload: notice, Stale",
         false,
         {Act::Click},
         "Stale",
         std::nullopt,
         1,
         false},
        {"Stale, click: Ready", false, {Act::Click, Act::Click}, "Ready", std::nullopt, 1, true},
        {"Watching, click: window back, Ready",
         true,
         {Act::Click, Act::Click},
         "Ready",
         std::vector<int>{0, 6, 0, 9},
         0,
         true},
        {"Watching, tick: still Watching",
         true,
         {Act::Click, Act::Tick},
         "Watching",
         std::vector<int>{0, 6},
         0,
         false},
        {"Watching, completion: Stale, window left hidden",
         true,
         {Act::Click, Act::Complete, Act::Tick},
         "Stale",
         std::vector<int>{0, 6},
         0,
         true},
        {"Stale after completion, click: window back, Ready",
         true,
         {Act::Click, Act::Complete, Act::Tick, Act::Click},
         "Ready",
         std::vector<int>{0, 6, 0, 9},
         0,
         true},
        {"Watching, window gone: Stale",
         true,
         {Act::Click, Act::Tick, Act::WindowGoes, Act::Tick},
         "Stale",
         std::nullopt,
         0,
         true},
        {"Stale after the window went, click: Ready",
         true,
         {Act::Click, Act::WindowGoes, Act::Tick, Act::Click},
         "Ready",
         std::nullopt,
         0,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World world(c.uploading);
        for (Act act : c.acts) {
            switch (act) {
                case Act::Click:
                    world.companion.Label5_Click();
                    break;
                case Act::Tick:
                    world.companion.Timer1_Timer();
                    break;
                case Act::Complete:
                    world.SetCaption("File Transfer - 100%");
                    break;
                case Act::WindowGoes:
                    world.EndUpload();
                    break;
            }
        }
        EXPECT_EQ(world.State(), c.state);
        if (c.shows) {
            EXPECT_EQ(world.UploadShows(), *c.shows);
        }
        EXPECT_EQ(world.boxes.Shown().size(), c.notices);
        if (c.reset)
            world.ExpectDisplayReset();
        EXPECT_TRUE(world.lines.empty());
        EXPECT_EQ(world.view.ProgramEnds(), 0);
    }
}

TEST(UploadCompanionTest, TickShowsTheReading) {
    World world;
    world.companion.Label5_Click();
    world.companion.Timer1_Timer();
    EXPECT_EQ(world.view.Text(C::Label1), "File:  report.txt\0"s);
    EXPECT_EQ(world.view.Text(C::Label2), "Minutes Left: 12");
    EXPECT_EQ(world.view.Text(C::Label3), "43%");
    EXPECT_EQ(world.view.Text(C::Label4), "43");
    EXPECT_EQ(world.view.BarValue(), 43);
    EXPECT_EQ(world.State(), "Watching");
    EXPECT_FALSE(ReadFile(world.folder.Path() / "UpLog"));
}

// Each case starts from a tick that put the bar at 43.
TEST(UploadCompanionTest, LaterTicks) {
    const struct {
        const char* name;
        std::string caption;
        std::string timeText;
        std::string label1, label2, label3, label4;
        int bar;
        bool completes;
    } cases[] = {
        {"minutes not a number", "File Transfer - 50%", "Less than a minute",
         "File:  report.txt\0"s, "Minutes Left: na", "50%", "50", 50, false},
        {"percent not a number: bar kept", "Upload - 5%", "About 12 minutes",
         "File:  report.txt\0"s, "Minutes Left: 12", "na%", "na", 43, false},
        {"caption shows no upload: bar kept", "America Online", "About 12 minutes",
         "File: ", "Minutes Left: ", "%", "", 43, false},
        {"98.5 gives 98", "File Transfer - 98.5%", "About 1 minutes", "File:  report.txt\0"s,
         "Minutes Left: 1", "98.5%", "98.5", 98, false},
        {"100 completes", "File Transfer - 100%", "About 0 minutes", "File: ", "Minutes Left: na",
         "na%", "0", 0, true},
        {"99.5 completes", "File Transfer - 99.5%", "About 0 minutes", "File: ", "Minutes Left: na",
         "na%", "0", 0, true},
        {"above 100 completes", "File Transfer - 250%", "About 0 minutes",
         "File: ", "Minutes Left: na", "na%", "0", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World world;
        world.companion.Label5_Click();
        world.companion.Timer1_Timer();
        world.SetCaption(c.caption);
        world.desktop.SetCaption(world.timeText, c.timeText);
        world.companion.Timer1_Timer();
        EXPECT_EQ(world.view.Text(C::Label1), c.label1);
        EXPECT_EQ(world.view.Text(C::Label2), c.label2);
        EXPECT_EQ(world.view.Text(C::Label3), c.label3);
        EXPECT_EQ(world.view.Text(C::Label4), c.label4);
        EXPECT_EQ(world.view.BarValue(), c.bar);
        EXPECT_EQ(world.State(), c.completes ? "Stale" : "Watching");
        EXPECT_EQ(ReadFile(world.folder.Path() / "UpLog"),
                  c.completes ? std::optional("1\r\n"s) : std::nullopt);
    }
}

TEST(UploadCompanionTest, CountFileHoldsTheUploadsCompletedInThisRun) {
    World world;
    for (const char* expected : {"1\r\n", "2\r\n"}) {
        world.companion.Label5_Click();  // START
        world.SetCaption("File Transfer - 100%");
        world.companion.Timer1_Timer();
        EXPECT_EQ(ReadFile(world.folder.Path() / "UpLog"), expected);
        world.companion.Label5_Click();  // back to Ready
        world.SetCaption("File Transfer - 3%");
    }
    EXPECT_EQ(world.view.Text(C::Text1), "2");
    world.companion.Form_Unload();
    EXPECT_EQ(ReadFile(world.folder.Path() / "upLog"), "2\r\n");
}

TEST(UploadCompanionTest, ExitAnsweredNoChangesNothing) {
    World world;
    world.companion.Label5_Click();
    world.boxes.Answer(mb::kAnswerNo);
    world.companion.Label6_Click();
    ASSERT_EQ(world.boxes.Shown().size(), 1u);
    EXPECT_EQ(world.boxes.Shown()[0].text, "Are you sure you want to exit?");
    EXPECT_EQ(world.boxes.Shown()[0].caption, "Exit?");
    EXPECT_EQ(world.boxes.Shown()[0].style, 4u);
    EXPECT_EQ(world.State(), "Watching");
    EXPECT_EQ(world.UploadShows(), (std::vector<int>{0, 6}));
    EXPECT_TRUE(world.lines.empty());
    EXPECT_FALSE(ReadFile(world.folder.Path() / "upLog"));
    EXPECT_EQ(world.view.ProgramEnds(), 0);
}

TEST(UploadCompanionTest, ClosingSequence) {
    const struct {
        const char* name;
        bool watching;
        std::vector<int> shows;  // on the upload window when the program ends
    } cases[] = {
        {"while watching: the upload window comes back first", true, {0, 6, 0, 9}},
        {"while ready: the upload window is left alone", false, {}},
    };
    snoozr::test::ForEachCase(cases, [](const auto& c) {
        World world;
        if (c.watching)
            world.companion.Label5_Click();
        world.boxes.Answer(mb::kAnswerYes);
        world.companion.Label6_Click();
        ASSERT_EQ(world.lines.size(), 2u);
        EXPECT_EQ(world.lines[0].text, "UpChAt By: Brix");
        EXPECT_EQ(world.lines[1].text, "Snoozr 1.0 [Unloaded]");
        EXPECT_DOUBLE_EQ(world.lines[1].at - world.lines[0].at, 1.0);
        EXPECT_EQ(world.lines[0].uploadShows, c.shows.size());
        EXPECT_TRUE(world.lines[0].countFileWritten);
        EXPECT_EQ(ReadFile(world.folder.Path() / "upLog"), "0\r\n");
        EXPECT_EQ(world.UploadShows(), c.shows);
        EXPECT_EQ(world.view.ProgramEnds(), 1);
    });
}

TEST(UploadCompanionTest, EventsInsideTheClosingPause) {
    World world;
    world.companion.Label5_Click();
    world.events.After(0.5s, [&] {
        world.companion.Label5_Click();  // would hide the upload window again
        world.companion.Label6_Click();  // would ask again
        world.companion.Form_Unload();   // would close twice
        world.companion.Timer1_Timer();  // the poll still runs
    });
    world.companion.Form_Unload();
    EXPECT_DOUBLE_EQ(world.events.Elapsed(), 1.0);
    ASSERT_EQ(world.lines.size(), 2u);
    EXPECT_EQ(world.lines[1].text, "Snoozr 1.0 [Unloaded]");
    EXPECT_EQ(world.UploadShows(), (std::vector<int>{0, 6, 0, 9}));
    EXPECT_TRUE(world.boxes.Shown().empty());
    EXPECT_EQ(world.view.Text(C::Label3), "43%");
    EXPECT_EQ(world.view.ProgramEnds(), 1);
}

TEST(UploadCompanionTest, ClosingWithoutAChatRoomStillEnds) {
    World world;
    world.desktop.Remove(world.client.frame);
    world.companion.Form_Unload();
    EXPECT_TRUE(world.lines.empty());
    EXPECT_EQ(ReadFile(world.folder.Path() / "upLog"), "0\r\n");
    EXPECT_EQ(world.view.ProgramEnds(), 1);
}

}  // namespace
}  // namespace snoozr::upload
