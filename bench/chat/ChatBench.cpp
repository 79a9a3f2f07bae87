// Figures for the chat room link under Wine: SendChat round trips per second to the stand-in
// client, and the CPU time a 10-second Pause uses (it should sleep, not spin).

#include <cstdio>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32MessageBoxes.h"
#include "client/win32/Win32WindowServices.h"
#include "wine/support/WineHarness.h"

namespace {

double WallSeconds() {
    return snoozr::wine::MonotonicMs() / 1000.0;
}

}  // namespace

int main() {
    using namespace snoozr;
    Win32WindowServices windows;
    Win32EventLoop events;
    Win32MessageBoxes boxes;
    ClientLink link(windows, events, boxes);

    {
        wine::StandIn client;
        constexpr int kLines = 2000;
        const double start = WallSeconds();
        const double cpuStart = wine::CpuSecondsOf(GetCurrentProcess());
        for (int i = 0; i < kLines; ++i)
            link.SendChat("O\xBA\xB0\x91  Idle Stats-1 Minutes");
        const double took = WallSeconds() - start;
        const double cpu = wine::CpuSecondsOf(GetCurrentProcess()) - cpuStart;
        client.WaitForChatLines(kLines, 30000);
        std::printf(
            "SendChat: %d lines in %.2f s = %.0f round trips/s, %.2f s of CPU in the "
            "sender (%zu logged by the stand-in)\n",
            kLines, took, kLines / took, cpu, client.ChatLines().size());
    }

    const double cpuBefore = wine::CpuSecondsOf(GetCurrentProcess());
    const double wallBefore = WallSeconds();
    link.Pause(10);
    std::printf("Pause(10): %.2f s of wall time, %.3f s of CPU (target: under 0.1 s)\n",
                WallSeconds() - wallBefore, wine::CpuSecondsOf(GetCurrentProcess()) - cpuBefore);
    return 0;
}
