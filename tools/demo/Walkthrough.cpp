// A short scripted walk-through of Snoozr against the stand-in client, for machines without a
// display: it acts as a user would, saves a screenshot after each step into the folder given
// on its command line, and prints what was said in the chat room.

#include <cstdio>
#include <string>

#include "wine/support/WineHarness.h"

namespace {

using namespace snoozr::wine;

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

struct Walk {
    std::filesystem::path folder;
    int shots = 0;

    void Shot(const char* name) {
        Sleep(400);  // let the windows paint
        const auto path = folder / (std::to_string(++shots) + "-" + name + ".bmp");
        std::printf("screenshot: %s\n", path.filename().string().c_str());
        SaveScreenshot(path);
    }
    static void Step(const char* what) { std::printf("step: %s\n", what); }
};

}  // namespace

int main(int argc, char** argv) {
    Walk walk{argc > 1 ? std::filesystem::path(argv[1]) : BinDir() / "demo-output"};
    std::filesystem::create_directories(walk.folder);

    StandIn client;
    Walk::Step("the stand-in chat client is open with one room");
    Snoozr snoozr(walk.folder);
    const DWORD pid = snoozr.ProcessId();
    auto windowOfClass = [pid](const char* className) -> HWND {
        for (HWND window : TopLevelWindows(pid))
            if (ClassOf(window) == className && IsWindowVisible(window))
                return window;
        return nullptr;
    };

    Walk::Step("Snoozr starts: the load banners go to the room, then the splash shows");
    const HWND splash = WaitFor([&] { return windowOfClass("Snoozr.frmSplash"); }, 20000);
    if (splash == nullptr) {
        std::printf("Snoozr did not show its splash\n");
        return 1;
    }
    walk.Shot("splash");

    Walk::Step("a double click on the splash brings the main window");
    DoubleClick(splash, {246, 176});
    const HWND main = WaitFor([&] { return windowOfClass("Snoozr.Form1"); }, 20000);
    if (main == nullptr) {
        std::printf("the main window did not come\n");
        return 1;
    }
    walk.Shot("main-window");

    Walk::Step("OPTIONS (the >>> ellipse) pops up the menu at the pointer");
    Click(main, {140, 40});
    walk.Shot("options-menu");
    PressKey(VK_ESCAPE);

    Walk::Step("the X asks whether to exit; Yes sends the unload lines and ends the program");
    Click(main, {176, 8});
    if (HWND question = WaitForMessageBox(pid, "Exit?", 20000)) {
        walk.Shot("exit-question");
        AnswerMessageBox(question, IDYES);
    }
    snoozr.Proc().WaitForExit(20000);

    std::printf("\nThe room's transcript:\n");
    for (const auto& line : client.ChatLines())
        std::printf("  %s\n", ToUtf8(line).c_str());
    return 0;
}
