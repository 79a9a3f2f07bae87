// The upload probe against the stand-in client's upload window, through the real window
// services: reading it, hiding and minimizing it, bringing it back, and the notice without it.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "support/FakeTimerSwitch.h"
#include "unit/upload/UploadFakes.h"
#include "upload/UploadProbe.h"
#include "wine/support/WineHarness.h"

namespace snoozr::upload {
namespace {

using wine::StandIn;

const std::string kReportFileName(" report.txt\0", 12);

HWND UploadWindow() {
    return FindWindowA("_AOL_Modal", nullptr);
}

bool IsWholeNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The percentage the caption "File Transfer - N%" shows, or -1.
int CaptionPercent(HWND upload) {
    const std::string caption = wine::WindowText(upload);
    const std::string lead = "File Transfer - ";
    if (caption.rfind(lead, 0) != 0 || caption.back() != '%')
        return -1;
    const std::string number = caption.substr(lead.size(), caption.size() - lead.size() - 1);
    return IsWholeNumber(number) ? std::stoi(number) : -1;
}

// The stand-in's visibility events, each with how the window came back.
std::vector<std::pair<std::string, std::string>> VisibilityEvents(const StandIn& client) {
    std::vector<std::pair<std::string, std::string>> seen;
    for (const auto& e : client.Events()) {
        if (e.event == "upload-shown" || e.event == "upload-hidden")
            seen.emplace_back(e.event, e.where);
    }
    return seen;
}

class UploadProbeWineTest : public ::testing::Test {
  protected:
    Win32WindowServices windows;
    Win32MessageBoxes boxes;
    snoozr::test::FakeTimerSwitch poll;
    UploadProbe probe{windows, boxes, poll};
};

TEST_F(UploadProbeWineTest, ReadingDuringAnUploadCutsTheWindowsTexts) {
    struct Case {
        const char* seconds;
        const char* minutesLeft;  // from "About 10 minutes ..." or "Less than a minute ..."
    };
    for (const Case& c : {Case{"600", "10"}, Case{"30", "na"}}) {
        SCOPED_TRACE(c.seconds);
        StandIn client(std::string("--upload report.txt --upload-seconds ") + c.seconds);
        const HWND upload = UploadWindow();
        ASSERT_NE(upload, nullptr);
        const int before = CaptionPercent(upload);
        const UploadStatus status = probe.ReadUploadStatus();
        const int after = CaptionPercent(upload);

        EXPECT_EQ(status.FileName, kReportFileName);
        EXPECT_EQ(status.MinutesLeft, c.minutesLeft);
        ASSERT_TRUE(IsWholeNumber(status.Percent)) << status.Percent;
        EXPECT_GE(std::stoi(status.Percent), before);
        EXPECT_LE(std::stoi(status.Percent), after);
    }
}

TEST_F(UploadProbeWineTest, ShortUploadRisesInWholeStepsToHundredThenTheWindowGoes) {
    StandIn client("--upload report.txt --upload-seconds 2");
    ASSERT_NE(UploadWindow(), nullptr);
    std::vector<int> percents;
    ASSERT_TRUE(wine::WaitUntil(
        [&] {
            // A window closing between the search and the text reads gives the empty reading.
            const auto reading = probe.ReadUploadWindow();
            if (!reading || *reading == UploadStatus{})
                return true;
            EXPECT_TRUE(IsWholeNumber(reading->Percent)) << reading->Percent;
            if (IsWholeNumber(reading->Percent))
                percents.push_back(std::stoi(reading->Percent));
            return false;
        },
        15000));

    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_LT(percents.front(), percents.back()) << "read while it rose";
    EXPECT_EQ(percents.back(), 100);  // held at 100 long enough for a poll to see it
    EXPECT_TRUE(wine::WaitUntil([&] { return !probe.ReadUploadWindow(); }, 2000));
    std::vector<std::pair<std::string, std::string>> progress;
    for (const auto& e : client.Events()) {
        if (e.event.rfind("upload-", 0) == 0)
            progress.emplace_back(e.event, e.bytes);
    }
    EXPECT_EQ(progress, (std::vector<std::pair<std::string, std::string>>{
                            {"upload-start", "report.txt"}, {"upload-done", "report.txt"}}));
}

TEST_F(UploadProbeWineTest, DoneUploadHoldsHundredOrClosesAtOnce) {
    struct Case {
        const char* options;
        std::optional<UploadStatus> readingWhenDone;
    };
    const Case cases[] = {
        {"", UploadStatus{"100", "na", kReportFileName}},
        {" --upload-close-at-once", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        StandIn client(std::string("--upload report.txt --upload-seconds 1") + c.options);
        ASSERT_TRUE(wine::WaitUntil([&] { return client.Logged("upload-done"); }, 10000));
        EXPECT_EQ(probe.ReadUploadWindow(), c.readingWhenDone);
    }
}

TEST_F(UploadProbeWineTest, NoUploadWindowGivesTheEmptyReading) {
    StandIn client;
    ASSERT_NE(client.Frame(), nullptr);
    EXPECT_EQ(probe.ReadUploadStatus(), UploadStatus{});
    EXPECT_FALSE(probe.ReadUploadWindow().has_value());
}

TEST_F(UploadProbeWineTest, HideMinimizesTheUploadWindowWhichKeepsGoingAndShowRestoresIt) {
    StandIn client("--upload report.txt --upload-seconds 60");
    const HWND upload = UploadWindow();
    ASSERT_NE(upload, nullptr);
    const int start = CaptionPercent(upload);

    probe.HideUploadWindow();
    EXPECT_TRUE(poll.IsEnabled());
    // The client is asked without waiting for it (a hung client must not hold us up).
    EXPECT_TRUE(wine::WaitUntil([&] { return IsIconic(upload) != FALSE; }, 10000));
    EXPECT_TRUE(wine::WaitUntil(
        [&] {
            const std::string percent = probe.ReadUploadStatus().Percent;
            return IsWholeNumber(percent) && std::stoi(percent) > start;
        },
        5000));
    EXPECT_TRUE(IsIconic(upload));

    probe.ShowUploadWindow();
    EXPECT_TRUE(
        wine::WaitUntil([&] { return !IsIconic(upload) && IsWindowVisible(upload); }, 10000));
    EXPECT_TRUE(wine::WaitUntil([&] { return VisibilityEvents(client).size() >= 4; }, 10000));
    EXPECT_EQ(VisibilityEvents(client), (std::vector<std::pair<std::string, std::string>>{
                                            {"upload-hidden", ""},
                                            {"upload-shown", "minimized"},
                                            {"upload-hidden", ""},
                                            {"upload-shown", "normal"},
                                        }));
}

// The box's icon: a static control showing an icon.
HICON BoxIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return nullptr;
}

TEST_F(UploadProbeWineTest, HideWithoutUploadWindowShowsTheNoticeAndLeavesThePollOff) {
    StandIn client;
    ASSERT_NE(client.Frame(), nullptr);
    struct Seen {
        std::string text;
        int buttons = 0;
        HICON icon = nullptr;
    } seen;
    // The box belongs to this process and blocks this thread: answer it from another.
    std::thread answerer([&] {
        const HWND box = wine::WaitForMessageBox(GetCurrentProcessId(), "Notice", 15000);
        if (box == nullptr)
            return;
        seen.text = wine::MessageBoxText(box);
        for (HWND b = FindWindowExA(box, nullptr, "Button", nullptr); b;
             b = FindWindowExA(box, b, "Button", nullptr))
            ++seen.buttons;
        seen.icon = BoxIcon(box);
        wine::AnswerMessageBox(box, IDOK);
    });
    probe.HideUploadWindow();
    answerer.join();

    EXPECT_EQ(seen.text, "Please do not activate the upchat unless you are uploading!");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.icon, LoadIcon(nullptr, IDI_HAND));  // the critical-stop icon
    EXPECT_FALSE(poll.IsEnabled());
}

}  // namespace
}  // namespace snoozr::upload
