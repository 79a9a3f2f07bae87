// Figures for the start-up under Wine: the time from process start to the third load banner
// reaching the stand-in client, and the program's peak working set once its splash is up;
// beside the same figures for a minimal Win32 program that says three lines (the floor), the
// program's figures as multiples of the floor's, and what holds the memory beyond the floor.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
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

// Committed memory by what holds it: the image of each module (by file name, in lower case),
// private memory (heaps, stacks, bitmaps) and other mapped files.
using Holdings = std::map<std::string, double>;  // MiB

std::string ModuleName(HANDLE process, void* base) {
    char path[MAX_PATH] = {};
    if (GetModuleFileNameExA(process, static_cast<HMODULE>(base), path, sizeof(path)) == 0)
        return "other images";
    std::string name(path);
    name = name.substr(name.find_last_of("\\/") + 1);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

Holdings CommittedByHolder(HANDLE process) {
    Holdings holdings;
    MEMORY_BASIC_INFORMATION region{};
    for (char* address = nullptr;
         VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State != MEM_COMMIT)
            continue;
        const std::string holder = region.Type == MEM_IMAGE
                                       ? ModuleName(process, region.AllocationBase)
                                   : region.Type == MEM_PRIVATE ? "private memory"
                                                                : "mapped files";
        holdings[holder] += region.RegionSize / (1024.0 * 1024.0);
    }
    return holdings;
}

struct Run {
    double toThirdLineMs = -1;
    double peakMiB = -1;
    Holdings committed;
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
        run.committed = CommittedByHolder(process);
    }
    if (process != nullptr)
        CloseHandle(process);
    return run;
}

struct Medians {
    double toThirdLineMs = -1;
    double peakMiB = -1;
    Holdings committed;  // in the last run
};

Medians Report(const char* name, const char* exe) {
    Medians medians;
    std::vector<double> times;
    std::vector<double> peaks;
    for (int i = 0; i < kRuns; ++i) {
        const Run run = Measure(exe);
        if (run.toThirdLineMs >= 0)
            times.push_back(run.toThirdLineMs);
        if (run.peakMiB >= 0)
            peaks.push_back(run.peakMiB);
        medians.committed = run.committed;
    }
    std::sort(times.begin(), times.end());
    std::sort(peaks.begin(), peaks.end());
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

// What the program holds beyond the floor, largest first (committed, not all of it resident).
void ReportAboveFloor(const Holdings& program, const Holdings& floor) {
    std::vector<std::pair<double, std::string>> above;
    for (const auto& [holder, mib] : program) {
        const auto inFloor = floor.find(holder);
        const double extra = mib - (inFloor == floor.end() ? 0.0 : inFloor->second);
        if (extra >= 0.05)
            above.emplace_back(extra, holder);
    }
    std::sort(above.rbegin(), above.rend());
    std::printf("committed memory beyond the floor's:");
    for (std::size_t i = 0; i < above.size(); ++i)
        std::printf("%s %s %.1f MiB", i == 0 ? "" : ",", above[i].second.c_str(), above[i].first);
    std::printf(above.empty() ? " none\n" : "\n");
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
    ReportAboveFloor(program.committed, floor.committed);
    return 0;
}
