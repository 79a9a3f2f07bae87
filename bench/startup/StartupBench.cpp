// Figures for the start-up under Wine: the time from process start to the third load banner
// reaching the stand-in client, and the program's peak working set once its splash is up;
// beside the same figures for a minimal Win32 program that says three lines (the floor).

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

void Report(const char* name, const char* exe) {
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
    if (times.empty()) {
        std::printf("%-22s no third line within 30 s\n", name);
        return;
    }
    std::printf("%-22s start to third line: median %6.1f ms (min %6.1f, max %6.1f, %zu runs)", name,
                times[times.size() / 2], times.front(), times.back(), times.size());
    if (!peaks.empty()) {
        std::printf("; peak working set: median %5.1f MiB", peaks[peaks.size() / 2]);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    Report("snoozr.exe", "snoozr.exe");
    Report("minimal Win32 (floor)", "startup_floor.exe");
    return 0;
}
