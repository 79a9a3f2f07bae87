#pragma once
// The idle engine wired into the windows: the start-up banners, START, STOP and the minute
// tick of Form1, the done buttons of Form6 and Form11, the menu's Advertise and Brag Stats,
// and the exit question.

#include "idle/IdleEngine.h"
#include "ui/win32/Navigator.h"
#include "ui/win32/ProgramWindows.h"

namespace snoozr::ui {

// The engine must outlive the program's main loop: the windows' events call into it.
void WireIdle(ProgramWindows& windows, Navigator& navigator, idle::IdleEngine& engine);

}  // namespace snoozr::ui
