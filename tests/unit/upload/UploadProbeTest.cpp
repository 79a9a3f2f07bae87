#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "UploadFakes.h"
#include "support/ClientTree.h"
#include "support/FakeTimerSwitch.h"
#include "support/InMemoryDesktop.h"
#include "support/RecordingMessageBoxes.h"
#include "upload/UploadProbe.h"

namespace snoozr::upload {
namespace {

using namespace std::string_literals;
using snoozr::test::Child;
using snoozr::test::ClientTree;
using snoozr::test::InMemoryDesktop;
using snoozr::test::RecordingMessageBoxes;

Child Static(std::string text) {
    return {"_AOL_Static", std::move(text)};
}

// The probe over a desktop of the given kind, with its boxes and poll.
template <class Desktop = InMemoryDesktop>
struct Probed {
    template <class... Arguments>
    explicit Probed(Arguments&&... arguments) : desktop(std::forward<Arguments>(arguments)...) {}
    Desktop desktop;
    RecordingMessageBoxes boxes;
    snoozr::test::FakeTimerSwitch poll;
    UploadProbe probe{desktop, boxes, poll};
};

const std::vector<Child> kReport = {Static("Uploading report.txt"), Static("About 12 minutes")};
const std::string kCaption = "File Transfer - 43%";
const std::string kName = " report.txt\0"s;  // the file name cut from "Uploading report.txt"

TEST(UploadProbeTest, ReadsTheUploadWindow) {
    const struct {
        const char* name;
        std::optional<std::string> caption;  // none: no upload window
        std::vector<Child> children;
        UploadStatus expected;
    } cases[] = {
        {"no upload window", std::nullopt, {}, {}},
        {"caption without \" - \"", "America Online", kReport, {}},
        {"caption ending in 'r - 43%'", kCaption, kReport, {"43", "12", kName}},
        {"'Upload - 5%' cuts 'oad - 5'", "Upload - 5%", kReport, {"na", "12", kName}},
        {"without \"r - \" the cut starts at the fourth character",
         "x -  5%",
         kReport,
         {"  5", "12", kName}},
        {"markers are case-sensitive", "File TransfeR - 43%", kReport, {"na", "12", kName}},
        {"percent with blanks and a fraction kept as read",
         "File Transfer -  99.5 %",
         kReport,
         {" 99.5 ", "12", kName}},
        {"NUL inside the caption",
         "File Transfer - 4\0"s
         "3%",
         kReport,
         {"na", "12", kName}},
        {"nothing between marker and percent sign",
         "File Transfer - %",
         kReport,
         {"na", "12", kName}},
        {"caption ends at the marker", "File Transfer - ", kReport, {"na", "12", kName}},
        {"caption is only \" - \"", " - ", kReport, {"na", "12", kName}},
        {"'Less than a minute' gives 'han'",
         kCaption,
         {Static("Uploading report.txt"), Static("Less than a minute")},
         {"43", "na", kName}},
        // Without "ing" the name starts at the third character; its first blank (position 7)
        // is where the minutes start in the time text.
        {"file text without \"ing\"",
         kCaption,
         {Static("Transfer x.txt"), Static("Left: abcdef42 min")},
         {"43", "42", "ansfer x.txt\0"s}},
        {"\"ing\" ends the file text",
         kCaption,
         {Static("Uploading"), Static("About 12 minutes")},
         {"43", "na", "\0"s}},
        {"no blank in the file name",
         kCaption,
         {Static("Uploadingreport.txt"), Static("About 12 minutes")},
         {"43", "na", "report.txt\0"s}},
        {"no blank after the minutes",
         kCaption,
         {Static("Uploading report.txt"), Static("About 12")},
         {"43", "na", kName}},
        {"time text shorter than its lead-in",
         kCaption,
         {Static("Uploading report.txt"), Static("About")},
         {"43", "na", kName}},
        {"file text shorter than its cut",
         kCaption,
         {Static("a"), Static("About 12 minutes")},
         {"43", "na", ""}},
        {"one static only", kCaption, {Static("Uploading report.txt")}, {"43", "na", kName}},
        {"no statics", kCaption, {}, {"43", "na", ""}},
        {"other children are passed over",
         kCaption,
         {{"_AOL_Icon", "About 99 minutes"},
          Static("Uploading report.txt"),
          {"_AOL_Icon", "About 99 minutes"},
          Static("About 12 minutes")},
         {"43", "12", kName}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Probed<> world;
        ClientTree client(world.desktop);
        world.desktop.Add(kNoWindow, "_AOL_Modeless", "File Transfer - 7%");
        if (c.caption)
            client.AddUploadWindow(*c.caption, c.children);
        const UploadStatus status = world.probe.ReadUploadStatus();
        EXPECT_EQ(status.Percent, c.expected.Percent);
        EXPECT_EQ(status.MinutesLeft, c.expected.MinutesLeft);
        EXPECT_EQ(status.FileName, c.expected.FileName);
        EXPECT_EQ(world.probe.ReadUploadWindow().has_value(), c.caption.has_value());
    }
}

TEST(UploadProbeTest, StaticsAreNotReadForACaptionWithoutAnUpload) {
    Probed<> world;
    const WindowHandle upload =
        ClientTree(world.desktop)
            .AddUploadWindow("America Online", {Static("Uploading report.txt")})
            .window;
    world.probe.ReadUploadStatus();
    for (const auto& message : world.desktop.Messages())
        EXPECT_EQ(message.window, upload);
}

// A window that reports any length and hands back any buffer, as a hostile or changing
// window (or a careless adapter) could.
class HostileDesktop : public InMemoryDesktop {
  public:
    std::size_t GetTextLength(WindowHandle) override { return reported; }
    std::string GetText(WindowHandle, std::size_t bufferSize) override {
        requested.push_back(bufferSize);
        return handedBack;
    }
    std::size_t reported = 0;
    std::string handedBack;
    std::vector<std::size_t> requested;
};

TEST(UploadProbeTest, WindowTextIsAlwaysTheBufferAskedFor) {
    const std::size_t huge = std::numeric_limits<std::size_t>::max();
    const struct {
        const char* name;
        std::size_t reported;
        std::string handedBack;
        std::size_t bufferAsked;
        std::string expected;
    } cases[] = {
        {"as reported", 3, "abc\0"s, 4, "abc\0"s},
        {"longer than reported, no NUL", 3, "abcdefgh", 4, "abc\0"s},
        {"shorter than reported", 5, "ab", 6, "ab\0\0\0\0"s},
        {"nothing handed back", 2, "", 3, "\0\0\0"s},
        {"NULs inside", 4, "a\0b\0"s, 5, "a\0b\0\0"s},
        {"absurd length is clamped", huge, "x", kMaxWindowText + 1,
         "x" + std::string(kMaxWindowText, '\0')},
        {"length just over the clamp", kMaxWindowText + 1, "", kMaxWindowText + 1,
         std::string(kMaxWindowText + 1, '\0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Probed<HostileDesktop> world;
        const WindowHandle window = world.desktop.Add(kNoWindow, "_AOL_Static");
        world.desktop.reported = c.reported;
        world.desktop.handedBack = c.handedBack;
        EXPECT_EQ(world.probe.ReadWindowText(window), c.expected);
        EXPECT_EQ(world.desktop.requested, std::vector<std::size_t>{c.bufferAsked});
    }
}

// A window whose caption changes right after each length is asked for, as an upload window
// does when its percentage moves on between the two messages.
class ChangingDesktop : public InMemoryDesktop {
  public:
    explicit ChangingDesktop(std::vector<std::string> captions) : captions_(std::move(captions)) {}
    std::size_t GetTextLength(WindowHandle) override {
        const std::size_t length = Current().size();
        ++lengthQueries_;
        return length;
    }
    std::string GetText(WindowHandle, std::size_t bufferSize) override {
        requested.push_back(bufferSize);
        std::string buffer(bufferSize, '\0');
        std::copy_n(Current().begin(), std::min(Current().size(), bufferSize - 1), buffer.begin());
        return buffer;
    }
    std::vector<std::size_t> requested;

  private:
    const std::string& Current() const {
        return captions_[std::min(lengthQueries_, captions_.size() - 1)];
    }
    std::vector<std::string> captions_;
    std::size_t lengthQueries_ = 0;
};

TEST(UploadProbeTest, TextChangingWhileReadIsReadAgainAFewTimesAtMost) {
    const struct {
        const char* name;
        std::vector<std::string> captions;
        std::string expected;
        std::vector<std::size_t> buffersAsked;
    } cases[] = {
        {"steady", {"File Transfer - 9%"}, "File Transfer - 9%\0"s, {19}},
        {"grows once",
         {"File Transfer - 9%", "File Transfer - 10%"},
         "File Transfer - 10%\0"s,
         {19, 20}},
        {"shrinks once", {"abcd", "ab"}, "ab\0"s, {5, 3}},
        {"keeps changing", {"a", "bb", "ccc", "dddd", "eeeee"}, "ddd\0"s, {2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Probed<ChangingDesktop> world(c.captions);
        const WindowHandle window = world.desktop.Add(kNoWindow, "_AOL_Modal");
        EXPECT_EQ(world.probe.ReadWindowText(window), c.expected);
        EXPECT_EQ(world.desktop.requested, c.buffersAsked);
    }
}

TEST(UploadProbeTest, HandleZeroGivesOneNulWithoutAnyMessage) {
    Probed<HostileDesktop> world;
    EXPECT_EQ(world.probe.ReadWindowText(kNoWindow), "\0"s);
    EXPECT_TRUE(world.desktop.requested.empty());
}

TEST(UploadProbeTest, HidesAndShowsTheFirstModalWindowWhateverItsCaption) {
    enum class Op { Hide, Show };
    const struct {
        const char* name;
        bool window;
        Op op;
        std::vector<int> shows;
        bool pollOn;
        bool notice;
    } cases[] = {
        {"hide", true, Op::Hide, {show::kHide, show::kMinimize}, true, false},
        {"hide without a window: notice", false, Op::Hide, {}, false, true},
        {"show", true, Op::Show, {show::kHide, show::kRestore}, false, false},
        {"show without a window: nothing", false, Op::Show, {}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Probed<> world;
        ClientTree client(world.desktop, ClientTree::Area::kNone);
        const WindowHandle first =
            c.window ? client.AddUploadWindow("America Online", {}).window : kNoWindow;
        const WindowHandle second =
            c.window ? client.AddUploadWindow("File Transfer - 43%", {}).window : kNoWindow;
        c.op == Op::Hide ? world.probe.HideUploadWindow() : world.probe.ShowUploadWindow();
        EXPECT_TRUE(world.desktop.ShowCommands(client.frame).empty());
        if (c.window) {
            EXPECT_EQ(world.desktop.ShowCommands(first), c.shows);
            EXPECT_TRUE(world.desktop.ShowCommands(second).empty());
        }
        EXPECT_EQ(world.poll.IsEnabled(), c.pollOn);
        using Boxes = std::vector<snoozr::test::ShownBox>;
        const Boxes notice{
            {"Please do not activate the upchat unless you are uploading!", "Notice", 16u}};
        EXPECT_EQ(world.boxes.Shown(), c.notice ? notice : Boxes{});
    }
}

}  // namespace
}  // namespace snoozr::upload
