#pragma once
// The program's monotonic clock: the measure of every wait and of the idle's minutes.

#include <chrono>

namespace snoozr {

using MonoClock = std::chrono::steady_clock;
using MonoTime = MonoClock::time_point;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual MonoTime Now() const = 0;
};

}  // namespace snoozr
