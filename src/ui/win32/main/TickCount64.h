#pragma once
// The program's own GetTickCount64 for Windows XP, which lacks it (32-bit MinGW build only).

#if defined(__MINGW32__) && defined(__i386__)

#include <windows.h>

namespace snoozr::ui {

// Milliseconds since the system started, from the performance counter: without
// GetTickCount's wrap after 49.7 days, like GetTickCount64.
ULONGLONG WINAPI TickCountFromPerformanceCounter();

}  // namespace snoozr::ui

#endif
