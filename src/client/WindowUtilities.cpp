#include <cmath>
#include <fstream>

#include "ClientLink.h"

namespace snoozr {

namespace {
constexpr std::uintptr_t kScMoveByCaption = 0xF012;  // SC_MOVE | HTCAPTION
}

void ClientLink::StayOnTop(WindowHandle window) const {
    windows_.MakeTopmost(window);
}

void ClientLink::DragWindow(WindowHandle window) const {
    // The press gave the window the capture; the system's move loop needs it released.
    windows_.ReleaseCapture();
    windows_.Send(window, msg::kSysCommand, kScMoveByCaption, 0);
}

void ClientLink::Pause(std::int32_t seconds) const {
    // The pause starts at the time of day taken to the nearest whole second (halves to even)
    // and lasts until `seconds` have passed from there. The remaining time is measured on the
    // monotonic clock, so a pause across midnight ends on time.
    const double now = events_.SecondsSinceMidnight();
    const double start = std::nearbyint(now);
    const double remaining = start + static_cast<double>(seconds) - now;
    const MonoTime deadline = events_.Now() + std::chrono::duration_cast<MonoClock::duration>(
                                                  std::chrono::duration<double>(remaining));
    while (events_.Now() < deadline) {
        events_.DispatchPending();
        if (events_.Now() >= deadline)
            break;
        events_.WaitForEvents(deadline);
    }
}

void ClientLink::SaveTextBox(std::string_view text, const std::filesystem::path& path) {
    // Any failure (missing folder, no permission, file locked) is swallowed.
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return;
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.write("\r\n", 2);
}

}  // namespace snoozr
