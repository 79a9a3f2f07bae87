#pragma once
// What the run reads of snoozr.exe from outside: its USER and GDI objects and memory, and the
// idle counters its main window shows.

#include <windows.h>

#include <cstdint>
#include <string>

#include "wine/support/ProcessFigures.h"
#include "wine/ui/CounterPicture.h"

namespace snoozr::reliability {

wine::ProcessFigures ReadFigures(DWORD processId);

struct ShownCounters {
    bool read = false;  // each label matched one caption
    std::uint64_t minutes = 0;
    std::uint64_t hours = 0;
    std::uint64_t days = 0;
};

// The counters the main window shows, read by their pixels: the expected caption is tried
// first, then every other a label can show (days up to `mostDays`).
ShownCounters ReadCounters(ui::test::CounterPicture& picture, HWND main,
                           std::uint64_t expectedMinutes, std::uint64_t mostDays);

}  // namespace snoozr::reliability
