#include "User.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

namespace snoozr::reliability {

namespace {

// The promise: no answer takes longer than this.
constexpr unsigned long long kHangMs = 5000;
// How long an answer is waited for before the action is given up on.
constexpr DWORD kGiveUpMs = 60000;

}  // namespace

bool User::Answers() {
    const HWND main = driver_.Main();
    if (main == nullptr)
        return false;
    // SendMessage without a timeout: Wine's timeouts run on the sped-up clock. A program that
    // never answers keeps the helper thread; it is left behind, and the hang counted.
    auto answered = std::make_shared<std::atomic<bool>>(false);
    std::thread([main, answered] {
        SendMessageA(main, WM_NULL, 0, 0);
        *answered = true;
    }).detach();
    return wine::WaitUntil([&] { return answered->load() || !Alive(); }, kGiveUpMs) &&
           answered->load();
}

bool User::Act(const std::string& what, const std::function<void()>& act,
               const std::function<bool()>& answered) {
    ++actions_;
    const unsigned long long started = wine::MonotonicMs();
    act();
    const bool done = wine::WaitUntil([&] { return !Alive() || answered(); }, kGiveUpMs);
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
    }
    return done;
}

int User::AnswerNotices() {
    int answered = 0;
    for (const HWND window : wine::TopLevelWindows(program_.ProcessId())) {
        if (wine::ClassOf(window) != "#32770" || !IsWindowVisible(window))
            continue;
        const std::string caption = wine::WindowText(window);
        if (caption != "Snoozr 2.5" && caption != "Notice")
            continue;
        Act(
            "the notice \"" + wine::MessageBoxText(window) + "\"",
            [&] { wine::AnswerMessageBox(window, IDOK); }, [&] { return !IsWindow(window); });
        ++answered;
    }
    return answered;
}

bool User::ChooseItem(const wine::MenuPath& path) {
    std::string what;
    for (const auto& item : path)
        what += std::string(what.empty() ? "" : " > ") + std::string(item);
    if (!Act(
            what + " (the menu)", [&] { driver_.OpenMenu(); }, [&] { return driver_.Menu(); }))
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
    if (!ChooseItem(path))
        return false;
    HWND shown = nullptr;
    if (!Act(
            std::string(window.caption) + " shows", [] {},
            [&] { return !IsWindowVisible(main) && (shown = driver_.Shown(window)) != nullptr; }))
        return false;
    if (&window == &ui::layout::kForm7)
        Sleep(3000);  // without a window manager Wine takes a while to show it on top
    if (fill)
        fill(shown);
    return Act(
        std::string(window.caption) + " done", [&] { wine::ClickControl(shown, window, done); },
        [&] { return IsWindowVisible(main) && !IsWindowVisible(shown); });
}

void User::TypeInto(HWND dialog, const ui::layout::WindowLayout& layout, const std::string& text) {
    wine::ClickControl(dialog, layout, "Text1");
    wine::PressKey(VK_END);
    wine::PressKeyWith(VK_SHIFT, VK_HOME);
    wine::TypeText(text);
}

}  // namespace snoozr::reliability
