// Figures for the start-up under Wine: the time from process start to the third load banner
// reaching the stand-in client, and the program's peak working set once its splash is up;
// beside the same figures for a minimal Win32 program that says three lines (the floor), and
// the program's figures as multiples of the floor's.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "wine/support/WineHarness.h"

namespace {

using snoozr::wine::BinDir;
using snoozr::wine::FreshTempDir;
using snoozr::wine::Process;
using snoozr::wine::StandIn;

constexpr int kRuns = 5;

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

struct Run {
    double toThirdLineMs = -1;
    double peakMiB = -1;
};

Run Measure(const char* exe) {
    Run run;
    const StandIn client;
    const double start = NowMs();
    const Process program(BinDir() / exe, "", FreshTempDir("startup"));
    while (client.ChatLines().size() < 3) {
        if (NowMs() - start > 30000)
            return run;
        Sleep(1);
    }
    run.toThirdLineMs = NowMs() - start;
    Sleep(1000);  // the splash is shown and painted by now
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Id());
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (process != nullptr && GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        run.peakMiB = counters.PeakWorkingSetSize / (1024.0 * 1024.0);
    }
    if (process != nullptr)
        CloseHandle(process);
    return run;
}

struct Medians {
    double toThirdLineMs = -1;
    double peakMiB = -1;
};

Medians Report(const char* name, const char* exe) {
    std::vector<double> times;
    std::vector<double> peaks;
    for (int i = 0; i < kRuns; ++i) {
        const Run run = Measure(exe);
        if (run.toThirdLineMs >= 0)
            times.push_back(run.toThirdLineMs);
        if (run.peakMiB >= 0)
            peaks.push_back(run.peakMiB);
    }
    std::sort(times.begin(), times.end());
    std::sort(peaks.begin(), peaks.end());
    Medians medians;
    if (times.empty()) {
        std::printf("%-22s no third line within 30 s\n", name);
        return medians;
    }
    medians.toThirdLineMs = times[times.size() / 2];
    std::printf("%-22s start to third line: median %6.1f ms (min %6.1f, max %6.1f, %zu runs)", name,
                medians.toThirdLineMs, times.front(), times.back(), times.size());
    if (!peaks.empty()) {
        medians.peakMiB = peaks[peaks.size() / 2];
        std::printf("; peak working set: median %5.1f MiB", medians.peakMiB);
    }
    std::printf("\n");
    return medians;
}

}  // namespace

int main() {
    const Medians program = Report("snoozr.exe", "snoozr.exe");
    const Medians floor = Report("minimal Win32 (floor)", "startup_floor.exe");
    if (program.toThirdLineMs > 0 && floor.toThirdLineMs > 0) {
        std::printf("snoozr.exe / floor: time %.2fx (target at most 1.5x)",
                    program.toThirdLineMs / floor.toThirdLineMs);
        if (program.peakMiB > 0 && floor.peakMiB > 0) {
            std::printf(", peak memory %.2fx (target at most 1.3x)",
                        program.peakMiB / floor.peakMiB);
        }
        std::printf("\n");
    }
    return 0;
}
