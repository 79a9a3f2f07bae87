#pragma once
// A fake clock and event queue: time moves only when a wait sleeps, events run when they are
// due and DispatchPending is called. Counts dispatches and sleeps, so tests can tell a wait
// that sleeps from one that spins.

#include <functional>
#include <map>

#include "client/EventLoop.h"

namespace snoozr::test {

class FakeEventLoop : public EventLoop {
  public:
    explicit FakeEventLoop(double secondsSinceMidnight = 0.0)
        : midnightOffset_(secondsSinceMidnight) {}

    // Runs `event` at the first dispatch at or after `delay` from now.
    void After(std::chrono::duration<double> delay, std::function<void()> event);
    // Runs `hook` at the start of every dispatch (a client that acts on each pass).
    void OnEveryDispatch(std::function<void()> hook) { everyDispatch_ = std::move(hook); }
    // Moves time on without dispatching, as a blocked thread would.
    void Advance(std::chrono::duration<double> by);
    // The program's end asked for: from here on Ending() is true.
    void BeginEnding() { ending_ = true; }

    double Elapsed() const { return std::chrono::duration<double>(now_ - MonoTime{}).count(); }
    int Dispatches() const { return dispatches_; }
    int Sleeps() const { return sleeps_; }

    MonoTime Now() const override { return now_; }
    double SecondsSinceMidnight() const override;
    void DispatchPending() override;
    void WaitForEvents(MonoTime deadline) override;
    bool Ending() const override { return ending_; }

  private:
    double midnightOffset_;
    MonoTime now_{};
    std::multimap<MonoTime, std::function<void()>> events_;
    std::function<void()> everyDispatch_;
    int dispatches_ = 0;
    int sleeps_ = 0;
    bool ending_ = false;
};

}  // namespace snoozr::test
