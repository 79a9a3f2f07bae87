// The upload companion end to end, as a new user meets it: "UPCHAT" from the menu, START and
// STOP with and without an upload of the stand-in client, the watch until the upload is done,
// minimizing, dragging and closing. What the companion shows is compared, pixel for pixel,
// with the same window of this process showing the expected lines.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "Pixels.h"
#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "ui/win32/ProgramWindows.h"

namespace snoozr::ui::test {
namespace {

using namespace std::string_literals;

// A spot of Form12's bare skin, in its client area.
constexpr POINT kBareSkin{8, 80};

const std::string kNotice = "Please do not activate the upchat unless you are uploading!";
const std::string kWatchedFile = "File:  report.txt\0"s;
// How the stand-in logs its upload window going out of sight (hidden, then minimized) and
// coming back.
const std::vector<std::string> kPutAway{"upload-hidden", "upload-shown minimized"};
const std::vector<std::string> kPutAwayAndBack{"upload-hidden", "upload-shown minimized",
                                               "upload-hidden", "upload-shown normal"};

// The three lines and the control as the user reads them, and the bar.
struct Display {
    std::string file;
    std::string minutes;
    std::string percent;
    std::string control;
    int bar = 0;
};

const Display kOpening{"File:", "Minutes Left: ", "%", "START"};
Display Reset(const char* control) {
    return {"File: ", "Minutes Left: na", "na%", control};
}

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Pixels ClientPixels(HWND window) {
    return Pixels::OfScreen(wine::ClientRectOnScreen(window));
}

// Form12 of this process, away from the program's windows, showing what is expected.
class ReferenceCompanion {
  public:
    ReferenceCompanion() {
        const HWND window = windows_.form12.Hwnd();
        SetWindowPos(window, nullptr, 300, 640, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }

    // How many pixels of `actual`'s client area differ from the reference showing `expected`.
    int Differences(HWND actual, const Display& expected) {
        Form12& form = windows_.form12;
        form.Label1.SetCaption(expected.file);
        form.Label2.SetCaption(expected.minutes);
        form.Label3.SetCaption(expected.percent);
        form.Label5.SetCaption(expected.control);
        form.DogBar1.SetValue(expected.bar);
        RedrawWindow(form.Hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        const Pixels want = ClientPixels(form.Hwnd());
        const Pixels seen = ClientPixels(actual);
        if (want.Width() != seen.Width() || want.Height() != seen.Height())
            return want.Width() * want.Height();
        int differences = 0;
        for (int y = 0; y < want.Height(); ++y) {
            for (int x = 0; x < want.Width(); ++x)
                differences += want.At(x, y) != seen.At(x, y) ? 1 : 0;
        }
        return differences;
    }

  private:
    ProgramWindows windows_;
};

class UploadCompanionWineTest : public EndToEnd {
  protected:
    explicit UploadCompanionWineTest(const std::string& standInArguments = "")
        : EndToEnd(standInArguments) {}

    HWND Companion() const { return Driver().Companion(); }
    static HWND UploadWindow() { return FindWindowA("_AOL_Modal", nullptr); }

    void OpenCompanion() {
        ASSERT_NO_FATAL_FAILURE(StartAndOpenMain());
        ASSERT_NE(Driver().OpenCompanion(), nullptr) << Report();
    }

    // Label5, START or STOP on the white box; Label6 and Label7, the red dots.
    void ClickCompanion(const char* control) const {
        wine::ClickControl(Companion(), layout::kForm12, control);
    }
    void ClickStartStop() const { ClickCompanion("Label5"); }

    // Waits until the companion shows `expected`; then true.
    bool WaitForDisplay(const Display& expected, DWORD milliseconds = 3000) {
        int differences = -1;
        const bool shown = wine::WaitUntil(
            [&] { return (differences = reference_.Differences(Companion(), expected)) == 0; },
            milliseconds);
        if (!shown)
            ADD_FAILURE() << differences << " pixels differ from \"" << expected.file << "\" / \""
                          << expected.minutes << "\" / \"" << expected.percent << "\" / \""
                          << expected.control << "\", bar " << expected.bar;
        return shown;
    }

    HWND Child(const char* className) const {
        return FindWindowExA(Companion(), nullptr, className, nullptr);
    }
    int Bar() const {
        DWORD_PTR position = 0;
        SendMessageTimeoutA(Child(PROGRESS_CLASSA), PBM_GETPOS, 0, 0, SMTO_NORMAL, 5000, &position);
        return static_cast<int>(position);
    }
    std::string Count() const { return wine::WindowText(Child("Edit")); }

    // The stand-in's log of its upload window: "upload-hidden", "upload-shown normal", ...
    std::vector<std::string> UploadEvents() const {
        std::vector<std::string> seen;
        for (const auto& e : standIn.Events()) {
            if (e.event.rfind("upload-", 0) == 0 && e.event != "upload-start")
                seen.push_back(e.where.empty() ? e.event : e.event + " " + e.where);
        }
        return seen;
    }
    bool WaitForUploadEvent(const std::string& event, DWORD milliseconds = kWindowWait) const {
        return wine::WaitUntil(
            [&] {
                const auto events = UploadEvents();
                return std::find(events.begin(), events.end(), event) != events.end();
            },
            milliseconds);
    }

    // The percentage in the upload window's caption "File Transfer - N%", or -1.
    static int CaptionPercent() {
        const std::string caption = wine::WindowText(UploadWindow());
        const std::string lead = "File Transfer - ";
        if (caption.rfind(lead, 0) != 0 || caption.size() < lead.size() + 2)
            return -1;
        return std::stoi(caption.substr(lead.size()));
    }

    bool Topmost() const { return (GetWindowLongA(Companion(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    // What the room holds once the first closing line has come, and whether the program still
    // ran then.
    struct FirstClosingLine {
        std::vector<std::string> lines;
        bool programRunning = false;
    };
    FirstClosingLine WatchForTheFirstClosingLine() const {
        standIn.WaitForChatLines(4, kWindowWait);
        return {standIn.ChatLines(), program->Proc().Running()};
    }
    // Answers the exit question with Yes, then watches the same.
    FirstClosingLine ConfirmExitAndWatch() const {
        const HWND box = wine::WaitForMessageBox(Pid(), "Exit?", kWindowWait);
        if (box == nullptr)
            return {};
        wine::AnswerMessageBox(box, IDYES);
        return WatchForTheFirstClosingLine();
    }

    // The credit line, alone while the program pauses, then the unload line, then the end.
    void ExpectTheProgramEndedAfterTheClosingLines(const FirstClosingLine& first) {
        EXPECT_EQ(first.lines.size(), 4u) << "the unload line waits for the pause";
        EXPECT_TRUE(first.programRunning);
        ASSERT_TRUE(program->Proc().WaitForExit(kWindowWait));
        const auto lines = standIn.ChatLines();
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[3], "UpChAt By: Brix");
        EXPECT_EQ(lines[4], "Snoozr 1.0 [Unloaded]");
        EXPECT_EQ(program->Proc().ExitCode(), 0u);
        EXPECT_FALSE(wine::AnyWindowOf(Pid()));
    }

  private:
    ReferenceCompanion reference_;
};

class CompanionWithoutUpload : public UploadCompanionWineTest {};

// Twelve minutes left for its first 50 s.
class CompanionDuringUpload : public UploadCompanionWineTest {
  protected:
    CompanionDuringUpload() : UploadCompanionWineTest("--upload report.txt --upload-seconds 740") {}

    // After START: the client's window put away, minimized, and the companion showing the
    // upload; the percentage it shows.
    int ExpectWatching() {
        EXPECT_EQ(UploadEvents(), kPutAway);
        EXPECT_TRUE(IsIconic(UploadWindow()));
        // The upload goes on out of sight: wait for a percentage the bar can show.
        int percent = -1;
        EXPECT_TRUE(wine::WaitUntil([&] { return (percent = CaptionPercent()) >= 1; }, 20000));
        WaitForDisplay(
            {kWatchedFile, "Minutes Left: 12", std::to_string(percent) + "%", "STOP", percent});
        return percent;
    }
};

// Done well after the companion is watching it, and held at 100 % for a second.
class CompanionToCompletion : public UploadCompanionWineTest {
  protected:
    CompanionToCompletion() : UploadCompanionWineTest("--upload report.txt --upload-seconds 25") {}
};

TEST_F(CompanionWithoutUpload, UpchatReplacesTheMainWindowWithTheCompanion) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    WaitForDisplay(kOpening);
    EXPECT_EQ(Count(), "0");
    EXPECT_FALSE(Topmost());
    EXPECT_EQ(standIn.ChatLines().size(), 3u) << "nothing said";
}

TEST_F(CompanionWithoutUpload, StartShowsTheNoticeLeavesStopAndTheNextClickResets) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    ClickStartStop();
    const HWND box = wine::WaitForMessageBox(Pid(), "Notice", kWindowWait);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(wine::MessageBoxText(box), kNotice);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    wine::AnswerMessageBox(box, IDOK);
    ASSERT_TRUE(wine::WaitUntil([&] { return !IsWindow(box); }, kWindowWait));

    // A poll would find no upload and reset the lines: they stay as they opened.
    Sleep(1000);
    WaitForDisplay({"File:", "Minutes Left: ", "%", "STOP"});
    ClickStartStop();
    WaitForDisplay(Reset("START"));
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

TEST_F(CompanionDuringUpload, StartHidesTheClientsWindowAndWatchesStopBringsItBack) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    ASSERT_TRUE(IsWindowVisible(UploadWindow()));
    ClickStartStop();
    ASSERT_TRUE(WaitForUploadEvent("upload-shown minimized"));
    const int percent = ExpectWatching();
    EXPECT_EQ(Bar(), percent);
    wine::SaveScreenshot(workDir / "companion-watching.bmp");

    ClickStartStop();
    ASSERT_TRUE(WaitForUploadEvent("upload-shown normal"));
    EXPECT_EQ(UploadEvents(), kPutAwayAndBack);
    EXPECT_TRUE(IsWindowVisible(UploadWindow()));
    EXPECT_FALSE(IsIconic(UploadWindow()));
    WaitForDisplay(Reset("START"));
    EXPECT_EQ(Bar(), 0);
    EXPECT_EQ(standIn.ChatLines().size(), 3u);
}

// A double click on START is START alone: the watch begins and stays on (two clicks would
// have been START then STOP, giving the client's window straight back).
TEST_F(CompanionDuringUpload, DoubleClickOnStartStartsTheWatchOnce) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    wine::DoubleClickControl(Companion(), layout::kForm12, "Label5");
    ASSERT_TRUE(WaitForUploadEvent("upload-shown minimized"));
    Sleep(1000);  // where a second click's STOP would have shown the window again
    ExpectWatching();
}

TEST_F(CompanionToCompletion, DoneUploadIsCountedTheDisplayResetAndTheControlStaysStop) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    ClickStartStop();
    ASSERT_TRUE(WaitForUploadEvent("upload-done", 40000));

    const std::filesystem::path countFile = workDir / "UpLog";
    EXPECT_TRUE(wine::WaitUntil([&] { return ReadFile(countFile) == "1\r\n"; }, kWindowWait))
        << ReadFile(countFile).value_or("(no file)");
    WaitForDisplay(Reset("STOP"));
    EXPECT_EQ(Bar(), 0);
    EXPECT_EQ(Count(), "1");

    // The client closes its finished window; the companion never showed it again.
    ASSERT_TRUE(wine::WaitUntil([] { return UploadWindow() == nullptr; }, kWindowWait));
    EXPECT_EQ(UploadEvents(),
              (std::vector<std::string>{"upload-hidden", "upload-shown minimized", "upload-done"}));
    ClickStartStop();
    WaitForDisplay(Reset("START"));
    EXPECT_EQ(wine::WaitForMessageBox(Pid(), "Notice", 500), nullptr);
}

TEST_F(CompanionWithoutUpload, ExitDotAnsweredNoKeepsItYesSaysTheClosingLinesAndEnds) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    ClickCompanion("Label6");
    ASSERT_NO_FATAL_FAILURE(AnswerExitQuestion(IDNO));
    Sleep(1500);
    EXPECT_TRUE(program->Proc().Running());
    EXPECT_TRUE(IsWindowVisible(Companion()));
    EXPECT_EQ(standIn.ChatLines().size(), 3u);

    ClickCompanion("Label6");
    ExpectTheProgramEndedAfterTheClosingLines(ConfirmExitAndWatch());
    EXPECT_EQ(ReadFile(workDir / "upLog"), "0\r\n");
}

TEST_F(CompanionDuringUpload, ClosedWhileWatchingTheClientsWindowComesBackFirst) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    ClickStartStop();
    ASSERT_TRUE(WaitForUploadEvent("upload-shown minimized"));
    PostMessageA(Companion(), WM_CLOSE, 0, 0);  // the system's close asks nothing
    ExpectTheProgramEndedAfterTheClosingLines(WatchForTheFirstClosingLine());
    ASSERT_TRUE(WaitForUploadEvent("upload-shown normal"));
    EXPECT_EQ(UploadEvents(), kPutAwayAndBack);
    EXPECT_TRUE(IsWindowVisible(UploadWindow()));
    EXPECT_FALSE(IsIconic(UploadWindow()));
}

TEST_F(CompanionWithoutUpload, LeftDotMinimizes) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    ClickCompanion("Label7");
    EXPECT_TRUE(wine::WaitUntil([&] { return IsIconic(Companion()) != FALSE; }, kWindowWait));
    EXPECT_TRUE(program->Proc().Running());
}

TEST_F(CompanionWithoutUpload, PressOnTheBareSkinDragsAndOnlyThenMakesItTopmost) {
    ASSERT_NO_FATAL_FAILURE(OpenCompanion());
    wine::PressControl(Companion(), layout::kForm12, "Label1");  // the file line
    Sleep(500);
    EXPECT_FALSE(wine::InMoveLoop(Companion())) << "a press on a line does not drag";
    wine::Release();

    wine::Press(Companion(), kBareSkin);
    ASSERT_TRUE(wine::WaitUntil([&] { return wine::InMoveLoop(Companion()); }, kWindowWait));
    EXPECT_FALSE(Topmost()) << "not while the drag runs";
    PostMessageA(Companion(), WM_LBUTTONUP, 0, 0);
    wine::Release();
    EXPECT_TRUE(wine::WaitUntil([&] { return !wine::InMoveLoop(Companion()); }, kWindowWait));
    EXPECT_TRUE(wine::WaitUntil([&] { return Topmost(); }, kWindowWait));
}

}  // namespace
}  // namespace snoozr::ui::test
