#pragma once
// The idle clock's arithmetic: the three counters, how many minutes a tick counts, and the
// counters as the stats lines write them.

#include <chrono>
#include <cstdint>
#include <string>

#include "client/Clock.h"

namespace snoozr::idle {

struct IdleCounters {
    std::uint32_t minutes = 0;  // 0..59
    std::uint32_t hours = 0;    // 0..23
    std::uint64_t days = 0;
};

// The whole minutes a tick counts, given the time since the last counted minute: at least one,
// since the timer fired, even when it fired a little early.
std::chrono::minutes MinutesToCount(MonoClock::duration sinceCounted);

// Adds a non-negative number of minutes, rolling over at 60 minutes and 24 hours.
void AddMinutes(IdleCounters& counters, std::chrono::minutes minutes);

// "Idle Stats-<m> Minutes - <h> Hours " (Brag Stats) and the clock's version with
// "<d> Days " after it.
std::string StatsBodyWithoutDays(const IdleCounters& counters);
std::string StatsBody(const IdleCounters& counters);

}  // namespace snoozr::idle
