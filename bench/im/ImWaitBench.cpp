// Figures for the instant-message waits under Wine: the CPU time SendInstantMessage uses while
// it waits 5 seconds for an IM window that the stand-in client opens late (it should sleep
// between its looks, not spin).

#include <cstdio>

#include "client/ClientLink.h"
#include "client/win32/Win32EventLoop.h"
#include "client/win32/Win32WindowServices.h"
#include "support/RecordingMessageBoxes.h"
#include "wine/support/WineHarness.h"

int main() {
    using namespace snoozr;
    Win32WindowServices windows;
    Win32EventLoop events;
    test::RecordingMessageBoxes boxes;  // a give-up box is counted, not shown
    ClientLink link(windows, events, boxes);

    wine::StandIn client("--im-delay 5000");
    const double cpuBefore = wine::CpuSecondsOf(GetCurrentProcess());
    const unsigned long long wallBefore = wine::MonotonicMs();
    link.SendInstantMessage("$IM_OFF", "=)");
    const double wall = (wine::MonotonicMs() - wallBefore) / 1000.0;
    const double cpu = wine::CpuSecondsOf(GetCurrentProcess()) - cpuBefore;

    bool sent = false;
    for (const auto& event : client.Events())
        sent = sent || event.event == "im";
    std::printf(
        "SendInstantMessage, IM window 5 s late: %.2f s of wall time, %.3f s of CPU (target: "
        "under 0.05 s); IM %s, %zu give-up boxes\n",
        wall, cpu, sent ? "sent" : "NOT sent", boxes.Shown().size());
    return 0;
}
