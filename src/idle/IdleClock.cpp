#include "idle/IdleClock.h"

#include <algorithm>

namespace snoozr::idle {

std::chrono::minutes MinutesToCount(MonoClock::duration sinceCounted) {
    return std::max(std::chrono::minutes(1),
                    std::chrono::floor<std::chrono::minutes>(sinceCounted));
}

void AddMinutes(IdleCounters& counters, std::chrono::minutes minutes) {
    // Whole arithmetic rather than one step per minute: a tick after a long sleep may count
    // days at once.
    const std::uint64_t totalMinutes =
        counters.minutes + static_cast<std::uint64_t>(minutes.count());
    const std::uint64_t totalHours = counters.hours + totalMinutes / 60;
    counters.minutes = static_cast<std::uint32_t>(totalMinutes % 60);
    counters.hours = static_cast<std::uint32_t>(totalHours % 24);
    counters.days += totalHours / 24;
}

std::string StatsBodyWithoutDays(const IdleCounters& counters) {
    return "Idle Stats-" + std::to_string(counters.minutes) + " Minutes - " +
           std::to_string(counters.hours) + " Hours ";
}

std::string StatsBody(const IdleCounters& counters) {
    return StatsBodyWithoutDays(counters) + std::to_string(counters.days) + " Days ";
}

}  // namespace snoozr::idle
