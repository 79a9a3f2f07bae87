#include <cmath>
#include <cstdio>

#include "ClientLink.h"

namespace snoozr {

void ClientLink::Pause(std::int32_t seconds) const {
    // The pause starts at the time of day taken to the nearest whole second (halves to even)
    // and lasts until `seconds` have passed from there. The remaining time is measured on the
    // monotonic clock, so a pause across midnight ends on time.
    const double now = events_.SecondsSinceMidnight();
    const double start = std::nearbyint(now);
    const double remaining = start + static_cast<double>(seconds) - now;
    const MonoTime deadline = events_.Now() + std::chrono::duration_cast<MonoClock::duration>(
                                                  std::chrono::duration<double>(remaining));
    while (!events_.Ending() && events_.Now() < deadline) {
        events_.DispatchPending();
        if (events_.Now() >= deadline)
            break;
        events_.WaitForEvents(deadline);
    }
}

void ClientLink::SaveTextBox(std::string_view text, const std::string& path) {
    // Any failure (missing folder, no permission, file locked) is swallowed. C's file output
    // rather than a stream keeps the program small.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fwrite("\r\n", 1, 2, file);
    std::fclose(file);
}

}  // namespace snoozr
