#pragma once
// An idle engine wired to fakes: a chat sink, profile, timer and view that note what they are
// asked to do in one journal (so the order across them shows), recording message boxes and a
// fake clock that moves only when a test says so.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "idle/IdleEngine.h"
#include "support/FakeEventLoop.h"
#include "support/RecordingMessageBoxes.h"

namespace snoozr::idle::test {

// The dialogs' default texts, as the windows hold them before the user types anything.
constexpr std::string_view kFront = "O\xBA\xB0\x91  ";
constexpr std::string_view kEnd = "\xA8\xB0\xBAO";

using Journal = std::vector<std::string>;

class RecordingChat : public ChatSink {
  public:
    explicit RecordingChat(Journal& journal) : journal_(journal) {}
    void SendChat(std::string_view line) override {
        lines.emplace_back(line);
        journal_.push_back("chat " + std::string(line));
        if (onSend)
            onSend();
    }
    std::vector<std::string> lines;
    std::function<void()> onSend;  // runs after each line, as a user typing meanwhile would

  private:
    Journal& journal_;
};

struct FakeProfile : ProfileSource {
    std::string handle = "Handle Here";
    std::string front{kFront};
    std::string end{kEnd};
    std::string idleReason = "REASON HERE";
    std::string stopReason = "iM BaCk";

    std::string Handle() override { return handle; }
    std::string FrontDecoration() override { return front; }
    std::string EndDecoration() override { return end; }
    std::string IdleReason() override { return idleReason; }
    std::string StopReason() override { return stopReason; }
};

class FakeTimer : public TimerSwitch {
  public:
    explicit FakeTimer(Journal& journal) : journal_(journal) {}
    void Enable() override {
        enabled_ = true;
        ++enables;
        journal_.push_back("timer Enable");
    }
    void Disable() override {
        enabled_ = false;
        journal_.push_back("timer Disable");
    }
    bool IsEnabled() const override { return enabled_; }
    int enables = 0;

  private:
    Journal& journal_;
    bool enabled_ = false;
};

class FakeView : public IdleView {
  public:
    explicit FakeView(Journal& journal) : journal_(journal) {}
    void ShowMain() override { journal_.push_back("ShowMain"); }
    void HideMain() override { journal_.push_back("HideMain"); }
    void ShowStopDialog() override { journal_.push_back("ShowStopDialog"); }
    void HideStopDialog() override { journal_.push_back("HideStopDialog"); }
    void ShowCounters(const IdleCounters& counters) override {
        shown.push_back(counters);
        journal_.push_back("ShowCounters " + std::to_string(counters.minutes) + ":" +
                           std::to_string(counters.hours) + ":" + std::to_string(counters.days));
    }
    std::vector<IdleCounters> shown;

  private:
    Journal& journal_;
};

struct IdleRig {
    Journal journal;
    RecordingChat chat{journal};
    FakeProfile profile;
    FakeTimer timer{journal};
    snoozr::test::RecordingMessageBoxes boxes;
    FakeView view{journal};
    snoozr::test::FakeEventLoop clock;
    IdleEngine engine{chat, profile, timer, boxes, view, clock};

    // Moves the clock to `seconds` after the rig was made, as the timer's next tick would.
    void At(double seconds) {
        clock.Advance(std::chrono::duration<double>(seconds - clock.Elapsed()));
    }
    void TickAt(double seconds) {
        At(seconds);
        engine.Tick();
    }
    // Ticks on time, one a minute from now.
    void TickMinutes(int count) {
        for (int i = 0; i < count; ++i)
            TickAt(clock.Elapsed() + 60.0);
    }
    // Lines bare of the decorations, to read what the engine itself says.
    void ClearDecorations() {
        profile.front.clear();
        profile.end.clear();
    }
    void StartWith(std::string reason) {
        profile.idleReason = std::move(reason);
        engine.Start();
    }
    // STOP, then "K im done" in its dialog: the idle ends.
    void StopIdle() {
        engine.Stop();
        engine.ConfirmStop();
    }
    // What `action` sends, and only that.
    std::vector<std::string> LinesOf(const std::function<void()>& action) {
        chat.lines.clear();
        action();
        return chat.lines;
    }
};

// One action on a fresh rig: what is done before it, the action, and what it should give.
template <class Expected>
struct ActionCase {
    const char* name;
    std::function<void(IdleRig&)> before;
    std::function<void(IdleRig&)> action;
    Expected expected;
};

inline std::uint64_t TotalMinutes(const IdleCounters& counters) {
    return counters.minutes + 60ull * counters.hours + 1440ull * counters.days;
}

}  // namespace snoozr::idle::test
