// A short scripted walk-through of Snoozr against the stand-in client, for machines without a
// display: it acts as a user would (real clicks and keys), saves a screenshot after each step
// into the folder given on its command line, and prints what was said in the chat room.

#include <cstdio>
#include <string>
#include <vector>

#include "ui/layout/Layouts.h"
#include "wine/support/ProgramDriver.h"
#include "wine/support/WineHarness.h"

namespace {

using namespace snoozr::wine;
namespace layout = snoozr::ui::layout;

constexpr DWORD kWait = 20000;

// The chat's bytes are code page 1252; the terminal reading our output expects UTF-8.
std::string ToUtf8(const std::string& cp1252) {
    std::wstring wide(cp1252.size(), L'\0');
    wide.resize(MultiByteToWideChar(1252, 0, cp1252.data(), static_cast<int>(cp1252.size()),
                                    wide.data(), static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

class Walk {
  public:
    Walk(std::filesystem::path folder, StandIn& client)
        : folder_(std::move(folder)),
          client_(client),
          snoozr_(folder_),
          driver_(snoozr_.ProcessId()) {}

    DWORD Pid() const { return snoozr_.ProcessId(); }
    Process& Program() { return snoozr_.Proc(); }
    const ProgramDriver& Driver() const { return driver_; }

    static void Step(const char* what) { std::printf("step: %s\n", what); }

    // The screenshot is taken by the demo script (it reads our output) from the X screen;
    // we wait until it says it is done, so the next step cannot change the picture.
    void Shot(const char* name) {
        Sleep(700);  // let the windows paint
        const std::string shot = std::to_string(++shots_) + "-" + name;
        const auto done = folder_ / (shot + ".done");
        std::printf("screenshot %s\n", shot.c_str());
        std::fflush(stdout);
        WaitUntil([&] { return std::filesystem::exists(done); }, 15000);
        std::filesystem::remove(done);
    }

    HWND WaitForCaption(const char* caption) const {
        return snoozr_.WaitForWindow(caption, kWait, true);
    }

    // A menu item whose window takes the main window's place: that window, or nullptr.
    HWND Open(const MenuPath& item, const char* caption) const {
        return driver_.Choose(item) ? WaitForCaption(caption) : nullptr;
    }
    // A dialog's button by caption; then the main window back.
    void Close(HWND dialog, const char* button) const {
        ClickCentre(FindWindowExA(dialog, nullptr, "Button", button));
        WaitForMain();
    }
    void WaitForMain() const {
        WaitUntil([&] { return IsWindowVisible(driver_.Main()) != FALSE; }, kWait);
    }

    // Waits for `count` more lines in the room and prints them.
    void ShowNewLines(std::size_t count) {
        client_.WaitForChatLines(printed_ + count, kWait);
        const auto lines = client_.ChatLines();
        for (; printed_ < lines.size(); ++printed_)
            std::printf("  room: %s\n", ToUtf8(lines[printed_]).c_str());
    }

  private:
    std::filesystem::path folder_;
    StandIn& client_;
    Snoozr snoozr_;
    ProgramDriver driver_;
    int shots_ = 0;
    std::size_t printed_ = 0;
};

int Fail(const char* what) {
    std::printf("the walk-through stopped: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto folder = argc > 1 ? std::filesystem::path(argv[1]) : BinDir() / "demo-output";
    std::filesystem::create_directories(folder);

    StandIn client("--upload report.txt --upload-seconds 120");
    Walk::Step("the stand-in chat client is open with one room, uploading report.txt");
    Walk walk(folder, client);
    const ProgramDriver& driver = walk.Driver();

    Walk::Step("Snoozr starts: its load banners go to the room, then the splash shows");
    if (driver.WaitForShown(layout::kFrmSplash, kWait) == nullptr)
        return Fail("no splash");
    walk.ShowNewLines(3);
    walk.Shot("splash");

    Walk::Step("a double click on the splash brings the main window");
    const HWND main = driver.OpenMainFromSplash();
    if (main == nullptr)
        return Fail("no main window");
    walk.Shot("main-window");

    Walk::Step("Aol Options > Idle Options > Idle Reason: type a reason, K im done");
    const HWND reason =
        walk.Open({"Aol Options", "Idle Options", "Idle Reason"}, "Why Are You iDLe?");
    if (reason == nullptr)
        return Fail("no reason dialog");
    TypeOver(FindWindowExA(reason, nullptr, "Edit", nullptr), "out for lunch");
    walk.Shot("idle-reason");
    walk.Close(reason, "K im done");

    Walk::Step("START announces the idle");
    ClickControl(main, layout::kForm1, "Label7");
    walk.ShowNewLines(3);

    Walk::Step("Brag Stats from the menu");
    driver.Choose({"Aol Options", "Idle Options", "Brag Stats"});
    walk.ShowNewLines(3);

    Walk::Step("STOP asks why you are back; K im done ends the idle");
    ClickControl(main, layout::kForm1, "Label6");
    walk.ShowNewLines(1);
    const HWND stop = walk.WaitForCaption("Why You Wanna Stop Idle?");
    if (stop == nullptr)
        return Fail("no stop dialog");
    walk.Shot("stop-reason");
    walk.Close(stop, "K im done");
    walk.ShowNewLines(2);

    Walk::Step("Aol Options > Ascii > Ascii Editor: compose from the preset pieces");
    const HWND editor =
        walk.Open({"Aol Options", "Ascii", "Ascii Editor"}, "Ascii Editor By: Brix");
    if (editor == nullptr)
        return Fail("no decoration editor");
    Sleep(3000);  // without a window manager Wine takes a while to show a window on top
    Click(FindWindowExA(editor, nullptr, "ListBox", nullptr), {20, 8});
    walk.Shot("ascii-editor");
    ClickControl(editor, layout::kForm7, "Label1");  // the red X
    walk.WaitForMain();

    Walk::Step("About > Help");
    const HWND help = walk.Open({"About", "Help"}, "i NeED HeLP iM A NeWBiE!");
    if (help == nullptr)
        return Fail("no help window");
    walk.Shot("help");
    walk.Close(help, "K i GeT iT NoW!");

    Walk::Step("Aol Options > UPCHAT: the upload companion takes the main window's place");
    const HWND companion = driver.OpenCompanion();
    if (companion == nullptr)
        return Fail("no upload companion");
    Walk::Step("START in the companion hides the client's upload window and shows its progress");
    ClickControl(companion, layout::kForm12, "Label5");
    Sleep(3000);
    walk.Shot("upload-companion");

    Walk::Step("the companion's right red dot asks whether to exit; Yes ends the program");
    ClickControl(companion, layout::kForm12, "Label6");
    if (HWND question = WaitForMessageBox(walk.Pid(), "Exit?", kWait)) {
        AnswerMessageBox(question, IDYES);
    }
    walk.ShowNewLines(2);
    walk.Program().WaitForExit(kWait);
    std::printf("Snoozr has %s.\n", walk.Program().Running() ? "not ended" : "ended");
    return 0;
}
