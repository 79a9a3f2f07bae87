// A short scripted walk-through of Snoozr against the stand-in client, for machines without a
// display: it acts as a user would (real clicks and keys), saves a screenshot after each step
// into the folder given on its command line, and prints what was said in the chat room.

#include <cstdio>
#include <string>
#include <vector>

#include "wine/support/WineHarness.h"

namespace {

using namespace snoozr::wine;

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
        : folder_(std::move(folder)), client_(client), snoozr_(folder_) {}

    DWORD Pid() const { return snoozr_.ProcessId(); }
    Process& Program() { return snoozr_.Proc(); }

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

    HWND VisibleOfClass(const char* className) const {
        for (HWND window : TopLevelWindows(Pid()))
            if (ClassOf(window) == className && IsWindowVisible(window))
                return window;
        return nullptr;
    }
    HWND WaitForClass(const char* className) const {
        return WaitFor([&] { return VisibleOfClass(className); }, kWait);
    }
    HWND WaitForCaption(const char* caption) const {
        return snoozr_.WaitForWindow(caption, kWait, true);
    }

    // The options menu from the main window's >>> ellipse, walked with the keyboard.
    void Choose(HWND main, const std::vector<WORD>& keys) {
        Click(main, {140, 40});
        WaitFor([&] { return VisibleOfClass("#32768"); }, kWait);
        for (WORD key : keys)
            PressKey(key);
    }

    // Clicks into a dialog's text box, selects its text and types over it.
    static void TypeInto(HWND dialog, const std::string& text) {
        const HWND box = FindWindowExA(dialog, nullptr, "Edit", nullptr);
        Click(box, {20, 8});
        PressKey(VK_END);
        PressKeyWith(VK_SHIFT, VK_HOME);
        TypeText(text);
    }
    static void PressButton(HWND dialog, const char* caption) {
        Click(FindWindowExA(dialog, nullptr, "Button", caption), {10, 8});
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
    int shots_ = 0;
    std::size_t printed_ = 0;
};

constexpr WORD D = VK_DOWN, R = VK_RIGHT, E = VK_RETURN;

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

    Walk::Step("Snoozr starts: its load banners go to the room, then the splash shows");
    const HWND splash = walk.WaitForClass("Snoozr.frmSplash");
    if (splash == nullptr)
        return Fail("no splash");
    walk.ShowNewLines(3);
    walk.Shot("splash");

    Walk::Step("a double click on the splash brings the main window");
    DoubleClick(splash, {246, 176});
    const HWND main = walk.WaitForClass("Snoozr.Form1");
    if (main == nullptr)
        return Fail("no main window");
    walk.Shot("main-window");

    Walk::Step("Aol Options > Idle Options > Idle Reason: type a reason, K im done");
    walk.Choose(main, {D, D, R, R, E});
    const HWND reason = walk.WaitForCaption("Why Are You iDLe?");
    if (reason == nullptr)
        return Fail("no reason dialog");
    Walk::TypeInto(reason, "out for lunch");
    walk.Shot("idle-reason");
    Walk::PressButton(reason, "K im done");
    WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kWait);

    Walk::Step("START announces the idle");
    Click(main, {136, 80});
    walk.ShowNewLines(3);

    Walk::Step("Brag Stats from the menu");
    walk.Choose(main, {D, D, R, R, D, E});
    walk.ShowNewLines(3);

    Walk::Step("STOP asks why you are back; K im done ends the idle");
    Click(main, {136, 120});
    walk.ShowNewLines(1);
    const HWND stop = walk.WaitForCaption("Why You Wanna Stop Idle?");
    if (stop == nullptr)
        return Fail("no stop dialog");
    walk.Shot("stop-reason");
    Walk::PressButton(stop, "K im done");
    walk.ShowNewLines(2);
    WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kWait);

    Walk::Step("Aol Options > Ascii > Ascii Editor: compose from the preset pieces");
    walk.Choose(main, {D, D, R, D, R, D, D, E});
    const HWND editor = walk.WaitForClass("Snoozr.Form7");
    if (editor == nullptr)
        return Fail("no decoration editor");
    Sleep(3000);  // without a window manager Wine takes a while to show a window on top
    Click(FindWindowExA(editor, nullptr, "ListBox", nullptr), {20, 8});
    walk.Shot("ascii-editor");
    Click(editor, {192, 8});  // the red X
    WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kWait);

    Walk::Step("About > Help");
    walk.Choose(main, {D, D, D, R, D, E});
    const HWND help = walk.WaitForCaption("i NeED HeLP iM A NeWBiE!");
    if (help == nullptr)
        return Fail("no help window");
    walk.Shot("help");
    Walk::PressButton(help, "K i GeT iT NoW!");
    WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kWait);

    Walk::Step("Aol Options > UPCHAT: the upload companion takes the main window's place");
    walk.Choose(main, {D, D, R, D, D, D, D, E});
    const HWND companion = walk.WaitForClass("Snoozr.Form12");
    if (companion == nullptr)
        return Fail("no upload companion");
    Walk::Step("START in the companion hides the client's upload window and shows its progress");
    Click(companion, {88, 80});
    Sleep(3000);
    walk.Shot("upload-companion");

    Walk::Step("the companion's right red dot asks whether to exit; Yes ends the program");
    Click(companion, {164, 4});
    if (HWND question = WaitForMessageBox(walk.Pid(), "Exit?", kWait)) {
        AnswerMessageBox(question, IDYES);
    }
    walk.ShowNewLines(2);
    walk.Program().WaitForExit(kWait);
    std::printf("Snoozr has %s.\n", walk.Program().Running() ? "not ended" : "ended");
    return 0;
}
