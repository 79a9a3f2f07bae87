// One simulated year of idle, one tick a minute, through the engine: prints the counters it ends
// with, how many lines it said, and the wall time and peak memory it took.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "idle/IdleEngine.h"
#include "support/FakeEventLoop.h"
#include "support/FakeTimerSwitch.h"
#include "support/RecordingMessageBoxes.h"
#include "unit/idle/IdleRig.h"

namespace {

using namespace snoozr::idle;

class CountingChat : public ChatSink {
  public:
    void SendChat(std::string_view line) override {
        ++lines;
        bytes += line.size();
    }
    std::uint64_t lines = 0;
    std::uint64_t bytes = 0;
};

struct QuietView : IdleView {
    void ShowMain() override {}
    void HideMain() override {}
    void ShowStopDialog() override {}
    void HideStopDialog() override {}
    void ShowCounters(const IdleCounters& counters) override { last = counters; }
    IdleCounters last;
};

}  // namespace

int main() {
    constexpr int kTicks = 525'600;  // 365 days of minutes
    CountingChat chat;
    snoozr::idle::test::FakeProfile profile;  // the dialogs' defaults
    profile.idleReason = "gone for the year";
    snoozr::test::FakeTimerSwitch timer;
    snoozr::test::RecordingMessageBoxes boxes;
    QuietView view;
    snoozr::test::FakeEventLoop clock;
    IdleEngine engine(chat, profile, timer, boxes, view, clock);

    const auto started = std::chrono::steady_clock::now();
    engine.Start();
    for (int i = 0; i < kTicks; ++i) {
        clock.Advance(std::chrono::minutes(1));
        engine.Tick();
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - started;

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const IdleCounters& counters = engine.Counters();
    std::printf("ticks: %d\n", kTicks);
    std::printf("counters: %u minutes, %u hours, %llu days\n", counters.minutes, counters.hours,
                static_cast<unsigned long long>(counters.days));
    std::printf("lines sent: %llu (%llu bytes)\n", static_cast<unsigned long long>(chat.lines),
                static_cast<unsigned long long>(chat.bytes));
    std::printf("wall time: %.3f s (%.0f ns a tick)\n", wall.count(), wall.count() * 1e9 / kTicks);
    std::printf("peak memory (ru_maxrss): %ld KiB\n", usage.ru_maxrss);
    return 0;
}
