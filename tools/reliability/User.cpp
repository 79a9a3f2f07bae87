#include "User.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <thread>

namespace snoozr::reliability {

namespace {

// The promise: no answer takes longer than this.
constexpr unsigned long long kHangMs = 5000;
// How long an action may show no effect, the program answering, before it is done again.
constexpr unsigned long long kSilenceMs = 3000;
// How long an answer is waited for before the action is given up on.
constexpr DWORD kGiveUpMs = 60000;

std::string Describe(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RECT box{};
    GetWindowRect(window, &box);
    char caption[41] = "";  // the client's texts may be a megabyte long, or say they are
    GetWindowTextA(window, caption, sizeof(caption));
    return wine::ClassOf(window) + " \"" + caption + "\" (process " + std::to_string(processId) +
           ", " + std::to_string(box.left) + "," + std::to_string(box.top) + ")";
}

// A message sent to a window on a thread of its own, without a timeout: Wine's timeouts are
// not the measure here. A program that never answers keeps the thread; it is left behind, and
// the hang counted.
class Sent {
  public:
    Sent(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
        : answered_(std::make_shared<std::atomic<bool>>(false)) {
        std::thread([window, message, wParam, lParam, answered = answered_] {
            SendMessageA(window, message, wParam, lParam);
            *answered = true;
        }).detach();
    }
    bool Answered() const { return answered_->load(); }

  private:
    std::shared_ptr<std::atomic<bool>> answered_;
};

}  // namespace

void User::Report() {
    const HWND foreground = GetForegroundWindow();
    std::printf("  the program answers: %s; foreground: %s\n", Answers() ? "yes" : "no",
                foreground != nullptr ? Describe(foreground).c_str() : "none");
    for (const HWND window : wine::TopLevelWindows(program_.ProcessId())) {
        if (IsWindowVisible(window))
            std::printf("  shown: %s\n", Describe(window).c_str());
    }
    if (const HWND main = driver_.Main()) {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        std::printf("  its thread: flags 0x%lx, capture %p, active %p, focus %p, menu owner %p\n",
                    info.flags, static_cast<void*>(info.hwndCapture),
                    static_cast<void*>(info.hwndActive), static_cast<void*>(info.hwndFocus),
                    static_cast<void*>(info.hwndMenuOwner));
    }
}

bool User::Answers() {
    const HWND main = driver_.Main();
    if (main == nullptr)
        return false;
    const Sent sent(main, WM_NULL, 0, 0);
    return wine::WaitUntil([&] { return sent.Answered() || !Alive(); }, kGiveUpMs) &&
           sent.Answered();
}

bool User::Sends(const std::string& what, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND main = driver_.Main();
    if (main == nullptr)
        return false;
    std::optional<Sent> sent;
    return Act(
        what, [&] { sent.emplace(main, message, wParam, lParam); },
        [&] { return sent->Answered(); });
}

void User::BringToFront(HWND window) {
    SetForegroundWindow(window);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void User::Click(HWND window, const ui::layout::WindowLayout& layout, const char* control) {
    POINT spot = wine::ControlCentre(window, layout, control);
    ClientToScreen(window, &spot);
    const auto covered = [&] { return GetAncestor(WindowFromPoint(spot), GA_ROOT) != window; };
    if (covered()) {
        BringToFront(window);
        wine::WaitUntil([&] { return !covered(); }, 2000);
    }
    wine::ClickControl(window, layout, control);
}

bool User::Act(const std::string& what, const std::function<void()>& act,
               const std::function<bool()>& answered, Again again) {
    ++actions_;
    act();
    unsigned long long started = wine::MonotonicMs();
    int times = 1;
    const auto doAgain = [&] {
        ++again_;
        act();
        started = wine::MonotonicMs();
        ++times;
    };
    // A notice of the program's that comes up meanwhile is read and answered, as a user would;
    // a click it kept from the window under it is made again. So is an action that had no
    // effect while the program answers (a popup the client's doings closed at once).
    const bool done = wine::WaitUntil(
        [&] {
            if (!Alive() || answered())
                return true;
            if (const HWND notice = Notice(); notice != nullptr) {
                if (AnswerNotice(notice) && again != Again::kNever)
                    doAgain();
            } else if (again == Again::kAfterNoticeOrSilence && times < 4 &&
                       wine::MonotonicMs() - started > kSilenceMs && Answers()) {
                std::printf("no effect of %s within %llu ms, the program answering: again\n",
                            what.c_str(), kSilenceMs);
                doAgain();
            }
            return false;
        },
        kGiveUpMs);
    const unsigned long long took = wine::MonotonicMs() - started;
    if (took > slowestMs_) {
        slowestMs_ = took;
        slowest_ = what;
    }
    if (!Alive())
        return false;
    if (!done || took > kHangMs) {
        ++hangs_;
        std::printf("hang: %s answered %s after %llu ms\n", what.c_str(), done ? "only" : "not",
                    took);
        Report();
    }
    return done;
}

bool User::ClickAndWait(const std::string& what, HWND window,
                        const ui::layout::WindowLayout& layout, const char* control,
                        const std::function<bool()>& answered, Again again) {
    return Act(
        what, [&] { Click(window, layout, control); }, answered, again);
}

HWND User::Notice() const {
    for (const HWND window : wine::TopLevelWindows(program_.ProcessId())) {
        if (wine::ClassOf(window) != "#32770" || !IsWindowVisible(window))
            continue;
        const std::string caption = wine::WindowText(window);
        if (caption == "Snoozr 2.5" || caption == "Notice")
            return window;
    }
    return nullptr;
}

bool User::AnswerNotice(HWND notice) {
    ++notices_;
    wine::AnswerMessageBox(notice, IDOK);
    return wine::WaitUntil([&] { return !IsWindow(notice) || !Alive(); }, kHangMs);
}

int User::AnswerNotices() {
    int answered = 0;
    for (HWND notice = Notice(); notice != nullptr && answered < 10; notice = Notice()) {
        Act(
            "the notice \"" + wine::MessageBoxText(notice) + "\"",
            [&] { wine::AnswerMessageBox(notice, IDOK); }, [&] { return !IsWindow(notice); });
        ++answered;
        ++notices_;
    }
    return answered;
}

bool User::ChooseItem(const wine::MenuPath& path) {
    std::string what;
    for (const auto& item : path)
        what += std::string(what.empty() ? "" : " > ") + std::string(item);
    if (!ClickAndWait(
            what + " (the menu)", driver_.Main(), ui::layout::kForm1, "Label8",
            [&] { return driver_.Menu(); }, Again::kAfterNoticeOrSilence))
        return false;
    const auto keys = wine::MenuKeys(path);
    const HWND main = driver_.Main();
    unsigned long long pressed = 0;
    Act(
        what,
        [&] {
            // The client may have taken the keyboard meanwhile (its windows come and go).
            SetForegroundWindow(main);
            for (const WORD key : keys) {
                wine::PressKey(key);
                Sleep(60);  // the popup moves its selection once it has read the key
            }
            pressed = wine::MonotonicMs();
        },
        [&] {
            // A popup still up a while after the keys had them go elsewhere: the program is
            // answering if its thread still takes messages.
            return (driver_.Menu() == nullptr || !IsWindowVisible(main) ||
                    wine::MonotonicMs() - pressed > 2000) &&
                   Answers();
        });
    // Once the item has opened its window in the main window's place the popup has done its
    // part, even when Wine still lists it as shown.
    if (const HWND popup = driver_.Menu(); popup != nullptr && IsWindowVisible(main)) {
        std::printf("the keys for %s did not reach the popup; it is closed\n", what.c_str());
        Report();
        SetForegroundWindow(main);
        for (int i = 0; i < 4 && driver_.Menu() != nullptr; ++i) {
            PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            wine::PressKey(VK_ESCAPE);
        }
        return false;
    }
    return true;
}

bool User::OpenAndClose(const wine::MenuPath& path, const ui::layout::WindowLayout& window,
                        const char* done, const std::function<void(HWND)>& fill) {
    const HWND main = driver_.Main();
    HWND shown = nullptr;
    if (!Act(
            std::string(window.caption) + " shows", [&] { ChooseItem(path); },
            [&] { return !IsWindowVisible(main) && (shown = driver_.Shown(window)) != nullptr; },
            Again::kAfterNoticeOrSilence))
        return false;
    if (&window == &ui::layout::kForm7)
        Sleep(3000);  // without a window manager Wine takes a while to show it on top
    if (fill)
        fill(shown);
    return ClickAndWait(std::string(window.caption) + " done", shown, window, done,
                        [&] { return IsWindowVisible(main) && !IsWindowVisible(shown); });
}

void User::TypeInto(HWND dialog, const ui::layout::WindowLayout& layout, const std::string& text) {
    Click(dialog, layout, "Text1");
    wine::PressKey(VK_END);
    wine::PressKeyWith(VK_SHIFT, VK_HOME);
    wine::TypeText(text);
}

}  // namespace snoozr::reliability
