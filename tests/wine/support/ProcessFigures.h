#pragma once
// A process's USER and GDI objects (GetGuiResources, which Wine answers with 0 for each) and
// its memory, for the soak test (of its own process) and the reliability run (of snoozr.exe).

#include <windows.h>

#include <psapi.h>

namespace snoozr::wine {

struct ProcessFigures {
    DWORD user = 0;
    DWORD gdi = 0;
    double workingSetMiB = 0;
    double privateMiB = 0;
};

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
inline ProcessFigures ReadProcessFigures(HANDLE process) {
    ProcessFigures figures;
    figures.user = GetGuiResources(process, GR_USEROBJECTS);
    figures.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        constexpr double kMiB = 1024.0 * 1024.0;
        figures.workingSetMiB = static_cast<double>(counters.WorkingSetSize) / kMiB;
        figures.privateMiB = static_cast<double>(counters.PagefileUsage) / kMiB;
    }
    return figures;
}

}  // namespace snoozr::wine
