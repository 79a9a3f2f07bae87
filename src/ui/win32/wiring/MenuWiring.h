#pragma once
// The options menu's instant-message switches, and the windows it opens that lead back to the
// main window themselves: the decoration editor Form7, the help Form9 and the contact Form10.

#include "client/ClientLink.h"
#include "ui/win32/Shell.h"

namespace snoozr::ui {

// The shell and the link must outlive the program's main loop: the windows' events use them.
void WireMenuWindows(Shell& shell, ClientLink& link);

}  // namespace snoozr::ui
