// Figures for the upload companion under Wine: snoozr.exe is started against the stand-in
// client during a long upload, its companion opened from the menu and START clicked with real
// input. Prints the share of one core snoozr.exe (and the stand-in, which answers the reads)
// uses over 60 s of watching, five readings every 200 ms, beside the same while the companion
// only stands open; and how long one tick's five readings take, timed from this process while
// the program watches.

#include <windows.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <chrono>
#include <cstdio>

#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "support/FakeTimerSwitch.h"
#include "unit/upload/UploadFakes.h"
#include "upload/UploadProbe.h"
#include "wine/support/ProgramDriver.h"
#include "wine/support/WineHarness.h"

namespace {

using Clock = std::chrono::steady_clock;
using snoozr::wine::Process;

constexpr int kReadingsPerTick = 5;
constexpr int kTicksPerSecond = 5;
constexpr int kReadySeconds = 30;
constexpr int kWatchSeconds = 60;
constexpr int kTimedTicks = 500;

double Seconds(FILETIME time) {
    return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           1e7;
}

// CPU seconds (user + kernel) a process has used so far, summed over its threads: Wine keeps
// no process times for another process (GetProcessTimes gives zero), but it does read each
// thread's from the system.
double CpuSecondsOfThreads(DWORD processId) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    double total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        const HANDLE thread =
            OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        if (thread == nullptr)
            continue;
        FILETIME created, exited, kernel, user;
        if (GetThreadTimes(thread, &created, &exited, &kernel, &user))
            total += Seconds(kernel) + Seconds(user);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return total;
}

struct Cpu {
    double snoozr;
    double standIn;
};

// The share of one core each process uses over `seconds` from now.
void ReportCpu(const char* what, int seconds, DWORD snoozrId, DWORD standInId) {
    const Cpu start{CpuSecondsOfThreads(snoozrId), CpuSecondsOfThreads(standInId)};
    const auto began = Clock::now();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double wall = std::chrono::duration<double>(Clock::now() - began).count();
    const Cpu used{CpuSecondsOfThreads(snoozrId) - start.snoozr,
                   CpuSecondsOfThreads(standInId) - start.standIn};
    std::printf(
        "%s, over %.1f s: snoozr.exe %.3f s of CPU = %.2f %% of one core "
        "(%.3f ms per 200 ms); stand-in %.3f s = %.2f %%\n",
        what, wall, used.snoozr, used.snoozr / wall * 100,
        used.snoozr * 1e3 / (wall * kTicksPerSecond), used.standIn, used.standIn / wall * 100);
}

// One tick's readings as the companion takes them, timed here while the program polls too.
void TimeTickReadings() {
    snoozr::Win32WindowServices windows;
    snoozr::Win32MessageBoxes boxes;
    snoozr::test::FakeTimerSwitch poll;
    const snoozr::upload::UploadProbe probe(windows, boxes, poll);
    probe.ReadUploadStatus();  // the first messages to a process set up its queue
    const auto start = Clock::now();
    for (int tick = 0; tick < kTimedTicks; ++tick) {
        for (int i = 0; i < kReadingsPerTick; ++i)
            probe.ReadUploadStatus();
    }
    const double took = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf(
        "one tick's %d readings, timed from outside while watching: %.3f ms on average "
        "over %d ticks\n",
        kReadingsPerTick, took * 1e3 / kTimedTicks, kTimedTicks);
}

bool Watching(const snoozr::wine::StandIn& client) {
    for (const auto& e : client.Events()) {
        if (e.event == "upload-shown" && e.where == "minimized")
            return true;
    }
    return false;
}

}  // namespace

int main() {
    // Long enough to outlast every measurement.
    const snoozr::wine::StandIn client("--upload report.txt --upload-seconds 3600");
    const Process snoozr(snoozr::wine::BinDir() / "snoozr.exe", "",
                         snoozr::wine::FreshTempDir("upload-watch"));
    const snoozr::wine::ProgramDriver driver(snoozr.Id());
    const HWND companion =
        driver.OpenMainFromSplash() != nullptr ? driver.OpenCompanion() : nullptr;
    if (companion == nullptr) {
        std::fprintf(stderr, "the companion did not open\n");
        return 1;
    }
    ReportCpu("companion open, not watching", kReadySeconds, snoozr.Id(), client.ProcessId());

    snoozr::wine::ClickControl(companion, snoozr::ui::layout::kForm12, "Label5");  // START
    if (!snoozr::wine::WaitUntil([&] { return Watching(client); }, snoozr::wine::kWindowWait)) {
        std::fprintf(stderr, "the companion did not start watching\n");
        return 1;
    }
    ReportCpu("watching, 5 readings every 200 ms", kWatchSeconds, snoozr.Id(), client.ProcessId());
    // The poll was live all along: its bar follows the client's caption.
    DWORD_PTR bar = 0;
    SendMessageTimeoutA(FindWindowExA(companion, nullptr, PROGRESS_CLASSA, nullptr), PBM_GETPOS, 0,
                        0, SMTO_NORMAL, 5000, &bar);
    std::printf("the companion's bar at the end: %u; the client's caption: %s\n",
                static_cast<unsigned>(bar),
                snoozr::wine::WindowText(FindWindowA("_AOL_Modal", nullptr)).c_str());
    TimeTickReadings();
    return 0;
}
