// Figures for the upload probe under Wine, against the stand-in client's upload window: how
// long one monitoring tick's readings take (five ReadUploadStatus calls), and the share of one
// core the reading process uses while it polls five readings every 200 ms for 60 s.

#include <chrono>
#include <cstdio>

#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "support/FakeTimerSwitch.h"
#include "unit/upload/UploadFakes.h"
#include "upload/UploadProbe.h"
#include "wine/support/WineHarness.h"

namespace {

using Clock = std::chrono::steady_clock;
using snoozr::upload::UploadProbe;
using snoozr::upload::UploadStatus;

constexpr int kReadingsPerTick = 5;
constexpr UINT kPollMs = 200;
constexpr auto kPollFor = std::chrono::seconds(60);

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One tick's readings; how many of them saw the upload.
int Tick(const UploadProbe& probe) {
    int seen = 0;
    for (int i = 0; i < kReadingsPerTick; ++i)
        seen += probe.ReadUploadStatus() == UploadStatus{} ? 0 : 1;
    return seen;
}

void TimeTicks(const UploadProbe& probe) {
    constexpr int kTicks = 2000;
    Tick(probe);  // the first messages to a process set up its queue
    int seen = 0;
    const auto start = Clock::now();
    for (int i = 0; i < kTicks; ++i)
        seen += Tick(probe);
    const double took = SecondsSince(start);
    std::printf(
        "one tick (%d readings): %.3f ms on average over %d ticks, %.1f us a reading "
        "(%d of %d readings saw the upload)\n",
        kReadingsPerTick, took * 1e3 / kTicks, kTicks, took * 1e6 / (kTicks * kReadingsPerTick),
        seen, kTicks * kReadingsPerTick);
}

// Polls as the companion's Timer1 does: a WM_TIMER every 200 ms, five readings on each.
void PollForAMinute(const UploadProbe& probe) {
    const UINT_PTR timer = SetTimer(nullptr, 0, kPollMs, nullptr);
    const double cpuStart = snoozr::wine::CpuSecondsOf(GetCurrentProcess());
    const auto start = Clock::now();
    int ticks = 0;
    int seen = 0;
    MSG message;
    while (Clock::now() - start < kPollFor && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message != WM_TIMER)
            continue;
        seen += Tick(probe);
        ++ticks;
    }
    const double wall = SecondsSince(start);
    const double cpu = snoozr::wine::CpuSecondsOf(GetCurrentProcess()) - cpuStart;
    KillTimer(nullptr, timer);
    std::printf(
        "polling %.1f s (%d ticks of %d readings every %u ms): %.3f s of CPU = %.2f %% "
        "of one core (%d of %d readings saw the upload)\n",
        wall, ticks, kReadingsPerTick, kPollMs, cpu, cpu / wall * 100, seen,
        ticks * kReadingsPerTick);
}

}  // namespace

int main() {
    snoozr::Win32WindowServices windows;
    snoozr::Win32MessageBoxes boxes;
    snoozr::test::FakeTimerSwitch poll;
    const UploadProbe probe(windows, boxes, poll);

    // Long enough to outlast both measurements.
    snoozr::wine::StandIn client("--upload report.txt --upload-seconds 3600");
    if (FindWindowA("_AOL_Modal", nullptr) == nullptr) {
        std::fprintf(stderr, "the stand-in's upload window did not open\n");
        return 1;
    }
    TimeTicks(probe);
    PollForAMinute(probe);
    return 0;
}
