#pragma once
// The program's clocks and its pending-event dispatch, as seen by waits (pauses and the
// instant-message waits). Every wait dispatches pending events and sleeps until the next
// event or its deadline: never a spinning loop.

#include <chrono>

namespace snoozr {

using MonoClock = std::chrono::steady_clock;
using MonoTime = MonoClock::time_point;

class EventLoop {
  public:
    virtual ~EventLoop() = default;

    // Monotonic time: the measure of every wait.
    virtual MonoTime Now() const = 0;

    // Local wall-clock time of day in seconds since midnight, with its fraction.
    virtual double SecondsSinceMidnight() const = 0;

    // Handles every event already pending (clicks, timer ticks, repaints) and returns.
    virtual void DispatchPending() = 0;

    // Sleeps until an event arrives or the deadline has come, without dispatching.
    virtual void WaitForEvents(MonoTime deadline) = 0;
};

}  // namespace snoozr
