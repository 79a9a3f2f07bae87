// The idle as a new user meets it: START and STOP clicked on the main window's skin, the
// profile dialogs opened from the options menu and typed into with the keyboard, their
// "K im done" buttons and close boxes, and every line the stand-in client receives, byte for
// byte.

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "CounterPicture.h"
#include "EndToEnd.h"
#include "idle/Announcements.h"

namespace snoozr::ui::test {
namespace {

constexpr const char* kAppTitle = "Snoozr 2.5";
constexpr const char* kReasonCaption = "Why Are You iDLe?";
constexpr const char* kFrontCaption = "Front Ascii Changer";
constexpr const char* kEndCaption = "End Ascii Changer";
constexpr const char* kHandleCaption = "Wass yo Handle/Nick?";
constexpr const char* kStopCaption = "Why You Wanna Stop Idle?";

const std::string kFront = "O\xBA\xB0\x91  ";
const std::string kEnd =
    "\xA8\xB0\xBA"
    "O";

// A line wrapped in the default decorations.
std::string Decorated(std::string_view body) {
    return kFront + std::string(body) + kEnd;
}

// The two lines of a confirmed stop with this reason.
std::vector<std::string> StopLines(std::string_view reason) {
    return {Decorated("IDLE HAS BEEN STOPPED"),
            Decorated(" Reason For Idle Stop: " + std::string(reason))};
}

// The options popup's items.
const wine::MenuPath kAdvertise{"Advertise"};
const wine::MenuPath kIdleReason{"Aol Options", "Idle Options", "Idle Reason"};
const wine::MenuPath kBragStats{"Aol Options", "Idle Options", "Brag Stats"};
const wine::MenuPath kFrontAscii{"Aol Options", "Ascii", "Front Ascii Changer"};
const wine::MenuPath kEndAscii{"Aol Options", "Ascii", "End Ascii Changer"};
const wine::MenuPath kChangeHandle{"Aol Options", "Handle", "Change Handle"};

// A profile dialog, the menu item that opens it and what a case types into it.
struct Field {
    const char* caption;
    const wine::MenuPath& item;
    const char* typed;
};

// How long to watch for a line that must not come.
constexpr DWORD kQuietWait = 700;

class IdleWineTest : public EndToEnd {
  protected:
    void SetUp() override {
        StartAndOpenMain();
        ASSERT_TRUE(standIn.WaitForChatLines(3, kWindowWait));
        seen_ = 3;  // the load lines
    }

    void ClickStart() const { wine::ClickControl(Main(), layout::kForm1, "Label7"); }
    void ClickStop() const { wine::ClickControl(Main(), layout::kForm1, "Label6"); }

    HWND Dialog(const char* caption) const { return program->Window(caption); }
    bool Shown(const char* caption) const {
        const HWND dialog = Dialog(caption);
        return dialog != nullptr && IsWindowVisible(dialog);
    }
    // Waits for the dialog to be the one window of the program on screen.
    HWND WaitForDialogInsteadOfMain(const char* caption) const {
        const HWND dialog = program->WaitForWindow(caption, kWindowWait);
        if (dialog == nullptr ||
            !wine::WaitUntil([&] { return !IsWindowVisible(Main()); }, kWindowWait)) {
            return nullptr;
        }
        return dialog;
    }
    // A profile dialog opened from the menu with the field's text typed over its own; the
    // dialog, or nullptr when it did not show in the main window's place.
    HWND OpenAndTypeOver(const Field& field) {
        Choose(field.item);
        const HWND dialog = WaitForDialogInsteadOfMain(field.caption);
        if (dialog != nullptr)
            TypeOver(dialog, field.typed);
        return dialog;
    }
    // Waits for the main window to be back and the dialog gone from the screen.
    bool MainBackInsteadOf(const char* caption) const {
        return wine::WaitUntil([&] { return IsWindowVisible(Main()) && !Shown(caption); },
                               kWindowWait);
    }

    static HWND TextBoxOf(HWND dialog) { return FindWindowExA(dialog, nullptr, "Edit", nullptr); }
    static std::string TextOf(HWND dialog) { return wine::WindowText(TextBoxOf(dialog)); }

    static void TypeOver(HWND dialog, std::string_view text) {
        wine::TypeOver(TextBoxOf(dialog), text);
    }
    static void PressDone(HWND dialog) {
        wine::ClickCentre(FindWindowExA(dialog, nullptr, "Button", "K im done"));
    }
    // Without a window manager (bare Xvfb) no title bar is drawn; its close box reaches the
    // window the way Wine passes on a window manager's close: as the system's close command.
    static void CloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }
    static void PressAltF4(HWND window) {
        wine::ClickCentre(TextBoxOf(window));  // the keys go to the window with the focus
        wine::PressKeyWith(VK_MENU, VK_F4);
    }

    // The lines said since the last call, once `count` of them have arrived; the wait goes on
    // a little longer to catch lines that should not be there.
    std::vector<std::string> NewLines(std::size_t count, DWORD wait = kWindowWait) {
        standIn.WaitForChatLines(seen_ + count, wait);
        Sleep(kQuietWait);
        const std::vector<std::string> all = standIn.ChatLines();
        std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }

    // The message box titled with the program's name: its text, then answered with OK.
    std::string AnswerAppBox() const {
        const HWND box = wine::WaitForMessageBox(Pid(), kAppTitle, kWindowWait);
        if (box == nullptr)
            return "(no box titled Snoozr 2.5)";
        const std::string text = wine::MessageBoxText(box);
        wine::AnswerMessageBox(box, IDOK);
        wine::WaitUntil([&] { return !IsWindow(box); }, kWindowWait);
        return text;
    }

    // Sets the idle reason the way a user does: the menu's dialog, typing, "K im done".
    void SetReason(std::string_view reason) {
        Choose(kIdleReason);
        const HWND dialog = WaitForDialogInsteadOfMain(kReasonCaption);
        ASSERT_NE(dialog, nullptr);
        TypeOver(dialog, reason);
        PressDone(dialog);
        ASSERT_TRUE(MainBackInsteadOf(kReasonCaption));
    }

    std::size_t seen_ = 0;
};

TEST_F(IdleWineTest, WithoutAReasonOrAnIdleEachButtonAnswersWithItsBoxAndSendsNothing) {
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* box;
    };
    const Case cases[] = {
        {"START, reason untouched", [&] { ClickStart(); },
         " PLEASE ENTER A REASON BEFORE STARTING IDLE "},
        {"STOP, no idle", [&] { ClickStop(); }, " You Need To Start The Idle To Stop It Dumbass "},
        {"Brag Stats, no idle", [&] { Choose(kBragStats); },
         " You Have To Start The Idle First Retard "},
        {"START again", [&] { ClickStart(); }, " PLEASE ENTER A REASON BEFORE STARTING IDLE "},
    };
    for (const Case& refusal : cases) {
        SCOPED_TRACE(refusal.what);
        refusal.act();
        EXPECT_EQ(AnswerAppBox(), refusal.box);
        EXPECT_TRUE(NewLines(0).empty());
        EXPECT_TRUE(IsWindowVisible(Main()));
    }
    // START read the reason from its dialog, created hidden for the purpose.
    ASSERT_NE(Dialog(kReasonCaption), nullptr);
    EXPECT_FALSE(IsWindowVisible(Dialog(kReasonCaption)));
    EXPECT_EQ(TextOf(Dialog(kReasonCaption)), "REASON HERE");
}

TEST_F(IdleWineTest, AnIdleRunsFromStartThroughItsFirstMinuteToItsStop) {
    CounterPicture counter;
    const std::vector<COLORREF> zero = counter.MinutesShowing("0");
    const std::vector<COLORREF> one = counter.MinutesShowing("1");
    ASSERT_NE(zero, one);
    EXPECT_EQ(counter.MinutesOf(Main()), zero);

    // The reason dialog takes the main window's place and gives it back, saying nothing.
    Choose(kIdleReason);
    HWND dialog = WaitForDialogInsteadOfMain(kReasonCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "REASON HERE");
    TypeOver(dialog, "gone fishin");
    Screenshot("idle-reason-dialog");
    PressDone(dialog);
    ASSERT_TRUE(MainBackInsteadOf(kReasonCaption));
    EXPECT_TRUE(NewLines(0).empty());

    ClickStart();
    const unsigned long long started = wine::MonotonicMs();
    const std::vector<std::string> startLines{
        Decorated("STARTED IDLE"),
        Decorated(" Going idle Because "),
        Decorated(" Reason: gone fishin"),
    };
    EXPECT_EQ(NewLines(3), startLines);

    Choose(kBragStats);
    const std::vector<std::string> bragAtZero{
        Decorated(" i FeEL i HaVe To Brag My Stats "),
        Decorated("iM IDLe CuZ: gone fishin"),
        Decorated("Idle Stats-0 Minutes - 0 Hours "),
    };
    EXPECT_EQ(NewLines(3), bragAtZero);

    // A second START half-way through the minute repeats the lines and keeps the minute under
    // way: its tick, a minute after the first START, comes before Brag Stats chosen at 72 s,
    // which counts it. A restarted minute would tick only at 85 s, after a brag of no minutes;
    // a faster clock would have said more.
    Sleep(25000);
    ClickStart();
    EXPECT_EQ(NewLines(3), startLines);

    Sleep(static_cast<DWORD>(started + 72000 - std::min(wine::MonotonicMs(), started + 72000)));
    Choose(kBragStats);
    const std::vector<std::string> tickThenBrag{
        Decorated("Idle Stats-1 Minutes - 0 Hours 0 Days "), Decorated(" IDLE REASON: gone fishin"),
        Decorated(" i FeEL i HaVe To Brag My Stats "),       Decorated("iM IDLe CuZ: gone fishin"),
        Decorated("Idle Stats-1 Minutes - 0 Hours "),
    };
    EXPECT_EQ(NewLines(5), tickThenBrag);
    EXPECT_TRUE(wine::WaitUntil([&] { return counter.MinutesOf(Main()) == one; }, kWindowWait))
        << "the minutes label shows 1";
    Screenshot("idle-after-first-minute");

    ClickStop();
    EXPECT_EQ(NewLines(1), std::vector<std::string>{Decorated(" Attempting To Stop Idle- ")});
    dialog = WaitForDialogInsteadOfMain(kStopCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(TextOf(dialog), "iM BaCk");
    Screenshot("idle-stop-dialog");

    PressDone(dialog);
    EXPECT_EQ(NewLines(2), StopLines("iM BaCk"));
    EXPECT_TRUE(MainBackInsteadOf(kStopCaption));
    EXPECT_EQ(counter.MinutesOf(Main()), one) << "the counters outlive the idle";

    Choose(kBragStats);
    EXPECT_EQ(AnswerAppBox(), " You Have To Start The Idle First Retard ");
    EXPECT_TRUE(NewLines(0).empty());
}

// A double click is one click and a double click, not two clicks: START goes out once.
TEST_F(IdleWineTest, DoubleClickOnStartSendsItsLinesOnce) {
    ASSERT_NO_FATAL_FAILURE(SetReason("gone fishin"));
    wine::DoubleClickControl(Main(), layout::kForm1, "Label7");
    const std::vector<std::string> startLines{
        Decorated("STARTED IDLE"),
        Decorated(" Going idle Because "),
        Decorated(" Reason: gone fishin"),
    };
    EXPECT_EQ(NewLines(3, kWindowWait), startLines);
    EXPECT_TRUE(NewLines(0).empty()) << "a second START";
}

TEST_F(IdleWineTest, HandleAndDecorationDialogsShapeTheAnnouncements) {
    // Unchanged, the handle is announced as it stands, on every "K im done".
    for (int press = 0; press < 2; ++press) {
        Choose(kChangeHandle);
        const HWND dialog = WaitForDialogInsteadOfMain(kHandleCaption);
        ASSERT_NE(dialog, nullptr);
        PressDone(dialog);
        EXPECT_TRUE(MainBackInsteadOf(kHandleCaption));
        EXPECT_EQ(NewLines(1),
                  std::vector<std::string>{Decorated(" iM NoW KNoWn As: Handle Here")});
    }

    const Field fields[] = {
        {kFrontCaption, kFrontAscii, "\xAB\xAB "},
        {kEndCaption, kEndAscii, " \xBB\xBB"},
        {kHandleCaption, kChangeHandle, "Brix\xEF"},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.caption);
        const HWND dialog = OpenAndTypeOver(field);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(TextOf(dialog), field.typed);
        PressDone(dialog);
        EXPECT_TRUE(MainBackInsteadOf(field.caption));
    }
    EXPECT_EQ(NewLines(1),
              std::vector<std::string>{"\xAB\xAB  iM NoW KNoWn As: Brix\xEF \xBB\xBB"});

    // Advertising is not decorated.
    Choose(kAdvertise);
    const std::vector<std::string> advertising{
        " ~~~Snoozr 2.5 By: Brix~~~ ",
        " ~~~Download at " + std::string(idle::kDownloadSite) + "~~~ ",
    };
    EXPECT_EQ(NewLines(2), advertising);
}

TEST_F(IdleWineTest, ClosedProfileDialogsKeepTheirTextWhichCountsAtOnce) {
    const Field fields[] = {
        {kReasonCaption, kIdleReason, "typed reason"},
        {kFrontCaption, kFrontAscii, "[front]"},
        {kEndCaption, kEndAscii, "[end]"},
        {kHandleCaption, kChangeHandle, "typed handle"},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.caption);
        HWND dialog = OpenAndTypeOver(field);
        ASSERT_NE(dialog, nullptr);
        CloseBox(dialog);
        EXPECT_TRUE(MainBackInsteadOf(field.caption));
        EXPECT_TRUE(NewLines(0).empty()) << "closing is no \"K im done\"";

        Choose(field.item);
        dialog = WaitForDialogInsteadOfMain(field.caption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(TextOf(dialog), field.typed);
        PressAltF4(dialog);
        EXPECT_TRUE(MainBackInsteadOf(field.caption));
        EXPECT_TRUE(NewLines(0).empty());
    }
    Screenshot("idle-dialogs-closed");

    ClickStart();
    const std::vector<std::string> startLines{
        "[front]STARTED IDLE[end]",
        "[front] Going idle Because [end]",
        "[front] Reason: typed reason[end]",
    };
    EXPECT_EQ(NewLines(3), startLines);
}

TEST_F(IdleWineTest, ClosedStopDialogLeavesTheIdleRunning) {
    SetReason("brb");
    ClickStart();
    ASSERT_EQ(NewLines(3).size(), 3u);

    const std::vector<std::string> attempting{Decorated(" Attempting To Stop Idle- ")};
    ClickStop();
    EXPECT_EQ(NewLines(1), attempting);
    HWND dialog = WaitForDialogInsteadOfMain(kStopCaption);
    ASSERT_NE(dialog, nullptr);
    TypeOver(dialog, "typed back");
    CloseBox(dialog);
    EXPECT_TRUE(MainBackInsteadOf(kStopCaption));
    EXPECT_TRUE(NewLines(0).empty());

    // Still idling: Brag Stats speaks, and STOP asks again with the text kept.
    Choose(kBragStats);
    EXPECT_EQ(NewLines(3).size(), 3u);
    ClickStop();
    EXPECT_EQ(NewLines(1), attempting);
    dialog = WaitForDialogInsteadOfMain(kStopCaption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "typed back");
    PressDone(dialog);
    EXPECT_EQ(NewLines(2), StopLines("typed back"));
    EXPECT_TRUE(MainBackInsteadOf(kStopCaption));
}

}  // namespace
}  // namespace snoozr::ui::test
