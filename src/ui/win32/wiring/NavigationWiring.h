#pragma once
// Which window shows when: the splash leads to the main window, the menu's windows take the
// main window's place and their done controls and close boxes lead back, and the main
// window's own hotspots (exit, options, minimize) and drag.

#include "ui/win32/Navigator.h"
#include "ui/win32/ProgramWindows.h"

namespace snoozr::ui {

// The windows and the navigator must outlive the program's main loop.
void WireNavigation(ProgramWindows& windows, Navigator& navigator);

}  // namespace snoozr::ui
