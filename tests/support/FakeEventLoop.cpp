#include "FakeEventLoop.h"

#include <cmath>

namespace snoozr::test {

void FakeEventLoop::After(std::chrono::duration<double> delay, std::function<void()> event) {
    events_.emplace(now_ + std::chrono::duration_cast<MonoClock::duration>(delay),
                    std::move(event));
}

void FakeEventLoop::Advance(std::chrono::duration<double> by) {
    now_ += std::chrono::duration_cast<MonoClock::duration>(by);
}

double FakeEventLoop::SecondsSinceMidnight() const {
    return std::fmod(midnightOffset_ + Elapsed(), 86400.0);
}

// As the real loop: once the program is ending nothing more is dispatched and no wait sleeps.
void FakeEventLoop::DispatchPending() {
    if (ending_)
        return;
    ++dispatches_;
    if (everyDispatch_)
        everyDispatch_();
    while (!events_.empty() && events_.begin()->first <= now_) {
        auto event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        event();
    }
}

void FakeEventLoop::WaitForEvents(MonoTime deadline) {
    if (ending_)
        return;
    ++sleeps_;
    MonoTime wake = deadline;
    if (!events_.empty() && events_.begin()->first < wake)
        wake = events_.begin()->first;
    if (wake > now_)
        now_ = wake;
}

}  // namespace snoozr::test
