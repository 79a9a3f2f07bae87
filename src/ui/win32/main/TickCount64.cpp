// GetTickCount64 for Windows XP. The C++ library's thread support (winpthreads) calls it in
// its timed waits, so a 32-bit build would import it and Windows XP, which lacks it, would
// refuse to start the program. This file defines the import slot those calls go through:
// the first call looks the function up and, where the system has none, uses a count of its
// own from the performance counter. Only the 32-bit MinGW build needs it.

#if defined(__MINGW32__) && defined(__i386__)

#include "ui/win32/main/TickCount64.h"

#include "ui/win32/SystemFunction.h"

ULONGLONG WINAPI snoozr::ui::TickCountFromPerformanceCounter() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    const auto ticks = static_cast<ULONGLONG>(counter.QuadPart);
    const auto perSecond = static_cast<ULONGLONG>(frequency.QuadPart);
    // Split so that ticks * 1000 cannot overflow.
    return ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond;
}

namespace {

using TickCount64 = ULONGLONG WINAPI();

ULONGLONG WINAPI FirstTickCount64();

}  // namespace

// The name the linker gives the import slot of kernel32's GetTickCount64 on 32-bit Windows.
extern "C" TickCount64* tickCount64Import __asm__("__imp__GetTickCount64@0");
TickCount64* tickCount64Import = &FirstTickCount64;

namespace {

ULONGLONG WINAPI FirstTickCount64() {
    TickCount64* system = snoozr::ui::SystemFunction<TickCount64>("kernel32.dll", "GetTickCount64");
    tickCount64Import = system != nullptr ? system : &snoozr::ui::TickCountFromPerformanceCounter;
    return tickCount64Import();
}

}  // namespace

#endif
