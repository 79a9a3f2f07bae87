#pragma once
// The idle engine wired into the windows: START, STOP and the minute tick of Form1, the
// "K im done" buttons of the five one-field dialogs and the menu items of the idle.

#include "idle/IdleEngine.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

// The engine must outlive the program's main loop: the windows' events call into it.
void WireIdle(Shell& shell, idle::IdleEngine& engine);

}  // namespace snoozr::ui
