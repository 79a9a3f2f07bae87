#pragma once
// The program's clocks and its pending-event dispatch, as seen by waits (pauses and the
// instant-message waits). Every wait dispatches pending events and sleeps until the next
// event or its deadline: never a spinning loop.

#include "client/Clock.h"

namespace snoozr {

class EventLoop : public Clock {
  public:
    // Local wall-clock time of day in seconds since midnight, with its fraction.
    virtual double SecondsSinceMidnight() const = 0;

    // Handles every event already pending (clicks, timer ticks, repaints) and returns.
    virtual void DispatchPending() = 0;

    // Sleeps until an event arrives or the deadline has come, without dispatching.
    virtual void WaitForEvents(MonoTime deadline) = 0;

    // The program has been asked to end (from inside a wait, say): waits return at once and
    // nothing more is sent to the client, while the handlers under way unwind.
    virtual bool Ending() const = 0;
};

}  // namespace snoozr
