// Figures for START under Wine: the time from the release of a real mouse click on the START
// hotspot of snoozr.exe (a reason set beforehand through its dialog) to the third START line
// reaching the stand-in client. Between runs the idle is stopped again, so that every run is a
// START from not idling.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "wine/support/WineHarness.h"

namespace {

namespace wine = snoozr::wine;

constexpr int kRuns = 10;
constexpr DWORD kWait = 10000;
constexpr POINT kStart{136, 80};
constexpr POINT kStop{136, 120};
constexpr POINT kOptions{141, 41};

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

HWND WindowOfClass(DWORD pid, const char* className) {
    for (const HWND window : wine::TopLevelWindows(pid)) {
        if (wine::ClassOf(window) == className)
            return window;
    }
    return nullptr;
}

HWND Visible(HWND window) {
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

void ClickCentre(HWND window) {
    RECT bounds{};
    GetClientRect(window, &bounds);
    wine::Click(window, {bounds.right / 2, bounds.bottom / 2});
}

HWND ChildOf(HWND dialog, const char* className) {
    return FindWindowExA(dialog, nullptr, className, nullptr);
}

class Session {
  public:
    Session() : program_(wine::FreshTempDir("idle-start")) {}

    // The splash, the main window, and the reason typed into its dialog.
    bool Prepare() {
        const DWORD pid = program_.ProcessId();
        const HWND splash =
            wine::WaitFor([&] { return Visible(WindowOfClass(pid, "Snoozr.frmSplash")); }, kWait);
        if (splash == nullptr)
            return false;
        wine::DoubleClick(splash, {246, 176});
        main_ = wine::WaitFor([&] { return Visible(WindowOfClass(pid, "Snoozr.Form1")); }, kWait);
        if (main_ == nullptr || !client_.WaitForChatLines(3, kWait))
            return false;

        wine::Click(main_, kOptions);
        Sleep(500);
        for (const WORD key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RETURN})
            wine::PressKey(key);
        const HWND reason = program_.WaitForWindow("Why Are You iDLe?", kWait);
        if (reason == nullptr)
            return false;
        ClickCentre(ChildOf(reason, "Edit"));
        wine::PressKey(VK_END);
        wine::PressKeyWith(VK_SHIFT, VK_HOME);
        wine::TypeText("benchmarking");
        ClickCentre(ChildOf(reason, "Button"));
        return BackToMain(reason);
    }

    // One START from not idling; -1 when the lines did not come.
    double TimeStart() {
        const std::size_t before = client_.ChatLines().size();
        wine::Press(main_, kStart);
        // The button's release completes the click; sent here, without the harness's pause.
        INPUT release{};
        release.type = INPUT_MOUSE;
        release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        const double clicked = NowMs();
        SendInput(1, &release, sizeof(release));
        while (client_.ChatLines().size() < before + 3) {
            if (NowMs() - clicked > kWait)
                return -1;
            Sleep(1);
        }
        return NowMs() - clicked;
    }

    // STOP and its confirmation, back to not idling.
    bool StopIdle() {
        const std::size_t before = client_.ChatLines().size();
        wine::Click(main_, kStop);
        const HWND dialog = program_.WaitForWindow("Why You Wanna Stop Idle?", kWait);
        if (dialog == nullptr)
            return false;
        ClickCentre(ChildOf(dialog, "Button"));
        return client_.WaitForChatLines(before + 3, kWait) && BackToMain(dialog);
    }

  private:
    bool BackToMain(HWND dialog) const {
        return wine::WaitUntil([&] { return IsWindowVisible(main_) && !IsWindowVisible(dialog); },
                               kWait);
    }

    wine::StandIn client_;
    wine::Snoozr program_;
    HWND main_ = nullptr;
};

}  // namespace

int main() {
    Session session;
    if (!session.Prepare()) {
        std::printf("idle start: the program did not come up with its reason set\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double ms = session.TimeStart();
        if (ms >= 0)
            times.push_back(ms);
        if (!session.StopIdle())
            break;
    }
    if (times.empty()) {
        std::printf("idle start: no START lines within %lu ms\n", kWait);
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("START click to third line: median %6.1f ms (min %6.1f, max %6.1f, %zu runs)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}
